#include "widgets/FocusFrame.h"

#include <QPainter>
#include <QPalette>

void FocusFrame::draw(QPainter& painter, const QRect& rect, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(palette.color(QPalette::Highlight), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}
