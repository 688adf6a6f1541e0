#include "app/ProgramLogo.h"

#include <QPainter>

namespace ProgramLogo {

QPixmap picture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 64));
    p.drawRoundedRect(QRectF(unit, unit, 14 * unit, 14 * unit), 3 * unit, 3 * unit);
    // Nine marks in three rows, one chosen per row, as on a mini BIG single.
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool chosen = col == (row * 2) % 3;
            p.setBrush(chosen ? QColor(255, 210, 0) : QColor(255, 255, 255));
            p.drawEllipse(
                QRectF((3 + col * 4) * unit, (3 + row * 4) * unit, 2.4 * unit, 2.4 * unit));
        }
    }
    return pixmap;
}

QIcon icon() {
    QIcon result;
    for (const int size : {16, 32, 48, 64})
        result.addPixmap(picture(size));
    return result;
}

} // namespace ProgramLogo
