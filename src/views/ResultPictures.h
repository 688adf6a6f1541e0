#pragma once

#include <QColor>
#include <QIcon>

// The check page's four cell pictures (hit, cancelled, miss, winning grade): a bevelled tile
// of the cell's colour, drawn at whatever resolution the screen has.
namespace ResultPictures {

enum Kind { Hit, Cancelled, Miss, Winning };

QIcon picture(Kind kind);

// The colour of the cell that shows the picture, and of its text.
QColor cellColor(Kind kind);
QColor textColor(Kind kind);

} // namespace ResultPictures
