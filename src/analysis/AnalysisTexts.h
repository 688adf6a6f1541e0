#pragma once

#include "base/Money.h"

#include <QString>

// How the analysis window writes its figures.
namespace AnalysisTexts {

// The model in one sentence, so that nobody takes the figures for a forecast.
QString modelSentence();

// A chance: "12.34%" down to 0.01 %, then the odds "1/19,683"; "0%" for none, "100%" for
// certainty.
QString chance(double value);
// An expected count of singles: "#,##0.0000".
QString expectedCount(double value);
// Singles or outcomes: "#,##0".
QString count(qint64 value);
// Yen: "#,##0円", with "以上" appended when the sum was beyond what can be held.
QString yen(Money value, bool beyondRange = false);

} // namespace AnalysisTexts
