#include "app/ContentScroller.h"

#include "app/MainContent.h"
#include "app/WindowGeometry.h"

#include <QScrollBar>
#include <QStyle>

ContentScroller::ContentScroller(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("FormScroller"));
}

void ContentScroller::resizeEvent(QResizeEvent* event) {
    fitWidth();
    QScrollArea::resizeEvent(event);
}

void ContentScroller::fitWidth() {
    auto* content = qobject_cast<MainContent*>(widget());
    if (content == nullptr)
        return;
    if (!m_minimum.isValid()) {
        m_minimum = content->minimumSize();
        m_controlsWidth = content->controlsWidth();
    }
    const QSize area = maximumViewportSize();
    const int bar =
        area.height() < m_minimum.height()
            ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar())
            : 0;
    content->setMinimumWidth(
        WindowGeometry::contentWidth(area.width(), bar, m_minimum.width(), m_controlsWidth));
}
