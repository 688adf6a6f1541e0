#include "widgets/StackedBar.h"

#include "widgets/BarSegments.h"

#include <QMouseEvent>
#include <QPainter>

StackedBar::StackedBar(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void StackedBar::setValues(const std::vector<qint64>& values) {
    m_values = values;
    update();
}

void StackedBar::setColors(const std::vector<QColor>& colors) {
    m_colors = colors;
    update();
}

void StackedBar::setShowText(bool show) {
    m_showText = show;
    update();
}

std::vector<QRect> StackedBar::partRects() const {
    const std::vector<int> widths = barSegments(m_values, width());
    std::vector<QRect> rects;
    int x = 0;
    for (const int w : widths) {
        rects.emplace_back(x, 0, w, height());
        x += w;
    }
    return rects;
}

void StackedBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::vector<QRect> rects = partRects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QColor color = i < m_colors.size() ? m_colors[i] : QColor(Qt::gray);
        painter.fillRect(rects[i], color);
        if (m_showText && rects[i].width() > 0) {
            painter.setPen(color.lightness() < 128 ? Qt::white : Qt::black);
            painter.drawText(rects[i], Qt::AlignCenter, QString::number(m_values[i]));
        }
    }
}

void StackedBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QWidget::mousePressEvent(event);
}
