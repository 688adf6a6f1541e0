#include "analysis/AnalysisTexts.h"

#include "base/NumberFormat.h"

#include <cmath>

namespace AnalysisTexts {

QString modelSentence() {
    return QStringLiteral(
        "この分析は予想ではありません。各試合の結果は投票状況の投票率どおりの確率で起こり"
        "（投票のない試合は各1/3）、試合どうしは独立で、結果表で決まった試合はその結果、"
        "中止の試合はすべてのシングルが的中とみなして計算しています。");
}

QString chance(double value) {
    if (!(value > 0))
        return QStringLiteral("0%");
    if (value >= 1)
        return QStringLiteral("100%");
    if (value >= 0.0001)
        return NumberFormat::format(value * 100, QStringLiteral("0.00")) + u'%';
    return QStringLiteral("1/") +
           NumberFormat::format(std::round(1 / value), QStringLiteral("#,##0"));
}

QString expectedCount(double value) {
    return NumberFormat::format(value, QStringLiteral("#,##0.0000"));
}

QString count(qint64 value) {
    return NumberFormat::format(value, QStringLiteral("#,##0"));
}

QString yen(Money value, bool beyondRange) {
    QString text = NumberFormat::format(value.wholeYen(), QStringLiteral("#,##0")) + u'円';
    if (beyondRange)
        text += QStringLiteral("以上");
    return text;
}

} // namespace AnalysisTexts
