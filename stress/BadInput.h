#pragma once

#include <QString>

// Loads inputs no user should have but some will: a CSV of 10 million lines, a CSV that is one
// 100 MB line without a line end, 64 MB of random bytes as CSV, settings file and draw document,
// and settings files with 10 MB values. Each load runs in a fresh child process; its time, peak
// memory and longest stretch without a window update are printed and held against the bounds
// printed with them. Returns false when a bound is exceeded or a load crashes.
// Only the cases whose name contains `only`.
bool runBadInput(const QString& folder, const QString& only);
