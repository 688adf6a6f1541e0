#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own logo, drawn rather than shipped: a green ticket with nine marks.
namespace ProgramLogo {
QPixmap picture(int size);
QIcon icon();
} // namespace ProgramLogo
