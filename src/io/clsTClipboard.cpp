#include "io/clsTClipboard.h"

#include "base/AppInfo.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "singles/SingleCodec.h"

namespace {

std::span<const qint32> firstSingles(qint32 count, std::span<const qint32> singles) {
    if (count < 0 || std::size_t(count) > singles.size())
        throw RuntimeError::subscriptOutOfRange();
    return singles.first(std::size_t(count));
}

} // namespace

bool clsTClipboard::Copy(qint32 Index, qint32 lngSingleCount, std::span<const qint32> lngSingle,
                         const std::function<void(const QString&)>& putText) {
    const WaitCursor wait;
    QString text;
    if (lngSingleCount > MaxSingles) {
        Platform::current().showMessage(QStringLiteral("1万口以上は出力出来ません"),
                                        AppInfo::title(), MessageIcon::Warning);
    } else if (Index == RowLayout) {
        text = RowText(lngSingleCount, lngSingle);
    } else if (Index == ColumnLayout) {
        text = ColumnText(lngSingleCount, lngSingle);
    }
    if (text.isEmpty())
        return false;
    putText(text);
    Platform::current().showMessage(QStringLiteral("クリップボードへコピーしました"),
                                    AppInfo::title(), MessageIcon::Information);
    return true;
}

QString clsTClipboard::RowText(qint32 lngSingleCount, std::span<const qint32> lngSingle) {
    const auto singles = firstSingles(lngSingleCount, lngSingle);
    const qsizetype digits = QString::number(lngSingleCount).size();
    QString text;
    text.reserve(qsizetype(singles.size()) * (digits + 12));
    qint32 position = 0;
    for (const qint32 number : singles) {
        const SingleCodec::Marks& marks = SingleCodec::marks(number);
        text += QString::number(++position).rightJustified(digits, u'0');
        text += u':';
        for (const quint8 mark : marks)
            text += QChar(u'0' + mark);
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString clsTClipboard::ColumnText(qint32 lngSingleCount, std::span<const qint32> lngSingle) {
    const auto singles = firstSingles(lngSingleCount, lngSingle);
    if (singles.empty())
        return {};
    QString text;
    for (int k = 0; k < MatchCount; ++k) {
        text += NumberFormat::format(qint64(k) + 1, QStringLiteral("00")) + u' ';
        qint32 position = 0;
        for (const qint32 number : singles) {
            text += QChar(u'0' + SingleCodec::marks(number)[k]);
            if (++position % 10 == 0)
                text += u' ';
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}
