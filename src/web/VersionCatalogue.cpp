#include "web/VersionCatalogue.h"

namespace VersionCatalogue {

std::optional<Entries> Read(const QString& text) {
    if (!text.contains(QStringLiteral("[VersionEnd]")))
        return std::nullopt;
    Entries entries;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral("//")) || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (!key.isEmpty() && !value.isEmpty())
            entries.append({key, value});
    }
    return entries;
}

} // namespace VersionCatalogue
