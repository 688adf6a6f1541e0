#pragma once

#include <QRect>
#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

// Where the user left the program's windows (SysData/Kelvor mini windows.txt, beside the program
// settings, which hold only what they always held): per window its frame's place, its size and
// whether it was maximised. UTF-8, one line per window: name, then x, y, width, height, the
// frame's extra width and height and 1 for maximised, tab-separated.
namespace WindowPlaces {

// A saved place is taken only when the window's frame lies wholly inside the work area of one
// of the screens it is given.
bool fits(QRect frame, const QList<QRect>& workAreas);

// The frame of the named window where it was left, when that place still fits a screen; a null
// rectangle otherwise.
QRect remembered(const QString& name);

// Puts the window where it was left, when that place still fits a screen. False (and the window
// untouched) when there is no such place.
bool restore(QWidget* window, const QString& name);

// Remembers the places of the named windows (a null window is passed over). A file that cannot
// be written only loses the places.
void remember(std::initializer_list<std::pair<QString, const QWidget*>> windows);

// Relative to the program folder.
QString fileName();

} // namespace WindowPlaces
