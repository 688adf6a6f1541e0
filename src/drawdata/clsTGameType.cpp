#include "drawdata/clsTGameType.h"

#include "base/RuntimeError.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, clsTGameType::Count>& kinds() {
    static const std::array<QString, clsTGameType::Count> texts = {
        u"J1"_s, u"J2"_s, u"ナビスコカップ"_s, u"天皇杯"_s};
    return texts;
}

} // namespace

QString clsTGameType::Text(qint32 lngIndex) const {
    if (lngIndex < 1 || lngIndex > Count)
        throw RuntimeError::subscriptOutOfRange();
    return kinds()[std::size_t(lngIndex - 1)];
}

qint32 clsTGameType::GetNo(const QString& strText) const {
    for (qint32 i = 1; i <= Count; ++i) {
        if (kinds()[std::size_t(i - 1)].compare(strText, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}
