#pragma once

#include "base/Money.h"

#include <QString>

// The number formats of the program's screens and files: "#,##0", "0.00", "000", "0000",
// "##0" and "0" (a "0" is a digit always shown, "#" one shown when needed, "," groups
// thousands, ".0…" fixes the decimals). Halves are rounded away from zero, on the value's
// decimal form with 15 significant digits as the system does.
namespace NumberFormat {

QString format(double value, const QString& pattern);
QString format(qint64 value, const QString& pattern);
QString format(Money value, const QString& pattern);

} // namespace NumberFormat
