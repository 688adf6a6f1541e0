#pragma once

class QPainter;
class QPalette;
class QRect;

// The frame a painted control draws around what the keys act on while it has the keyboard
// focus: one look for the grids, the mark area, the page strip and the page turners.
namespace FocusFrame {

// A ring two pixels wide in the palette's highlight colour, inside `rect`, with a white line
// inside the ring so that it shows on dark pictures as well as on light ones.
void draw(QPainter& painter, const QRect& rect, const QPalette& palette);

} // namespace FocusFrame
