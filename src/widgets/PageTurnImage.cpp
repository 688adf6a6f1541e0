#include "widgets/PageTurnImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

PageTurnImage::PageTurnImage(Direction direction, QWidget* parent) : QLabel(parent) {
    setPixmap(picture(direction, true));
    setFixedSize(24, 20);
    setCursor(Qt::PointingHandCursor);
}

QPixmap PageTurnImage::picture(Direction direction, bool enabled) {
    QPixmap pixmap(24, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(enabled ? QColor(0, 128, 64) : QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(1, 1, 22, 18), 4, 4);
    QPainterPath arrow;
    if (direction == Previous) {
        arrow.moveTo(7, 10);
        arrow.lineTo(15, 4);
        arrow.lineTo(15, 16);
    } else {
        arrow.moveTo(17, 10);
        arrow.lineTo(9, 4);
        arrow.lineTo(9, 16);
    }
    arrow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    return pixmap;
}

void PageTurnImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QLabel::mousePressEvent(event);
}
