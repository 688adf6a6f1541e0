#include "widgets/LinkLabel.h"

#include "widgets/FocusFrame.h"
#include "widgets/PressKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(event->key())) {
        Q_EMIT activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The painted controls' frame, around the text within the label.
    const QRect text = fontMetrics().boundingRect(contentsRect(), int(alignment()), this->text());
    QPainter painter(this);
    FocusFrame::draw(painter, text.adjusted(-3, -3, 3, 3).intersected(rect()), palette());
}
