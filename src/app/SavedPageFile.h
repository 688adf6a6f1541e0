#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// The page files that the browser saved from the official site: chosen in the open dialog or
// dropped on the window, and read whole.
namespace SavedPageFile {

// The open dialog for a page file, starting in folder; "" when cancelled.
QString askPath(QWidget* owner, const QString& folder);
// True for a file name that ends in .html or .htm (any letter case).
bool isPage(const QString& path);
// The bytes of the file; false, and the user told why, when it cannot be read or is larger than
// a downloaded page may be.
bool read(const QString& path, QByteArray& page);

} // namespace SavedPageFile
