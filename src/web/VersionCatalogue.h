#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// The maker site's version catalogue (version.dat): one "key = value" entry a line, the lines
// ending in CR LF (a lone LF is taken as a line end too), comments starting with "//" or ";",
// and the line [VersionEnd] somewhere in it to show that the catalogue arrived whole.
namespace VersionCatalogue {

using Entries = QList<QPair<QString, QString>>;

// The entries of text in their order, keys and values trimmed; lines without "=" or with an
// empty key or value are left out. Nothing when text lacks [VersionEnd].
std::optional<Entries> Read(const QString& text);

} // namespace VersionCatalogue
