#include "singles/CountCells.h"

#include "base/NumberFormat.h"

namespace CountCells {

QString text(qint32 count, qint64 rowTotal, bool showZero, bool percent) {
    if (count == 0 && !showZero)
        return QString();
    QString value;
    if (!percent) {
        value = QString::number(count);
    } else {
        const QString share = rowTotal == 0
                                  ? QStringLiteral("0")
                                  : NumberFormat::format(double(count) / double(rowTotal) * 100.0,
                                                         QStringLiteral("0"));
        value = u' ' + share + u'%';
    }
    return value.rightJustified(CellWidth, u' ');
}

} // namespace CountCells
