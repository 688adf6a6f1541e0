#pragma once

#include <QIcon>

// The program's pictures of the outcome marks 1, 0 and 2, not chosen and chosen, drawn by the
// program itself at whatever size and pixel ratio they are asked for, so that they stay sharp
// on every screen. Indexed like the main window's image array: 0, 1, 2 are the not-chosen
// pictures of marks 0, 1, 2 and 10, 11, 12 the chosen ones.
namespace MarkPictures {

inline constexpr int ChosenOffset = 10;

// Throws RuntimeError::subscriptOutOfRange() for any other index.
QIcon picture(int index);

} // namespace MarkPictures
