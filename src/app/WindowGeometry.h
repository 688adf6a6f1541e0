#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The main window's size and place, and the version text of its labels, as plain arithmetic.
namespace WindowGeometry {

// The content panel never gets smaller than this (logical pixels; Qt applies the screen's
// scale factor itself).
inline constexpr QSize MinimumContent(1005, 655);
// Screens below these sizes (in device pixels) get a window that fills the work area.
inline constexpr int SmallScreenWidth = 1024;
inline constexpr int SmallScreenHeight = 768;

// The window's outer rectangle: content plus frame, or the work area's width or height on a small
// screen; centred in the work area with the halves truncated toward zero.
QRect place(QSize screenPixels, QRect workArea, QSize content, QSize frame);

// A rectangle of `size` centred in `area`, the halves truncated toward zero.
QRect centred(QSize size, QRect area);

// The content panel's minimum width in a scroll area `areaWidth` wide, of which a vertical scroll
// bar takes `barWidth` (0 when the height fits): the full `minimumWidth`, except where the area is
// that wide and only the bar leaves less, as long as `controlsWidth` (the panel's controls) fits.
int contentWidth(int areaWidth, int barWidth, int minimumWidth, int controlsWidth);

// A second window of `size` beside the owner's frame: on its right where the work area has room,
// else on its left, else over the owner at the work area's right edge; never outside the work
// area, top aligned with the owner's where it can be.
QRect beside(QRect owner, QSize size, QRect workArea);

// "1.05" for version 1.5 revision 0, "2.10.3" for 2.10 revision 3.
QString versionText(int major, int minor, int revision);
// The running program's version in that form.
QString programVersionText();

} // namespace WindowGeometry
