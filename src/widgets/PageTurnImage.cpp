#include "widgets/PageTurnImage.h"

#include "widgets/FocusFrame.h"
#include "widgets/PaintedIconEngine.h"
#include "widgets/PressKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

class ArrowEngine final : public PaintedIconEngine {
public:
    ArrowEngine(PageTurnImage::Direction direction, bool enabled)
        : m_direction(direction), m_enabled(enabled) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        // Drawn on the 24 x 20 design grid, scaled to the rectangle asked for.
        p->translate(rect.topLeft());
        p->scale(rect.width() / 24.0, rect.height() / 20.0);
        p->setPen(Qt::NoPen);
        p->setBrush(m_enabled ? QColor(0, 128, 64) : QColor(190, 190, 190));
        p->drawRoundedRect(QRectF(1, 1, 22, 18), 4, 4);
        QPainterPath arrow;
        if (m_direction == PageTurnImage::Previous) {
            arrow.moveTo(7, 10);
            arrow.lineTo(15, 4);
            arrow.lineTo(15, 16);
        } else {
            arrow.moveTo(17, 10);
            arrow.lineTo(9, 4);
            arrow.lineTo(9, 16);
        }
        arrow.closeSubpath();
        p->setBrush(Qt::white);
        p->drawPath(arrow);
        p->restore();
    }

    QIconEngine* clone() const override { return new ArrowEngine(m_direction, m_enabled); }

private:
    PageTurnImage::Direction m_direction;
    bool m_enabled;
};

} // namespace

PageTurnImage::PageTurnImage(Direction direction, QWidget* parent) : QLabel(parent) {
    setPixmap(picture(direction, true));
    setFixedSize(PictureSize);
    setCanTurn(true);
}

void PageTurnImage::setCanTurn(bool canTurn) {
    m_canTurn = canTurn;
    setCursor(canTurn ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // An arrow with nowhere to go is no Tab stop; one that has the focus keeps it until Tab.
    setFocusPolicy(canTurn ? Qt::TabFocus : Qt::NoFocus);
    update();
}

QIcon PageTurnImage::pictureIcon(Direction direction, bool enabled) {
    return QIcon(new ArrowEngine(direction, enabled));
}

QPixmap PageTurnImage::picture(Direction direction, bool enabled) {
    return pictureIcon(direction, enabled).pixmap(PictureSize, qApp->devicePixelRatio());
}

void PageTurnImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QLabel::mousePressEvent(event);
}

void PageTurnImage::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void PageTurnImage::keyPressEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (m_canTurn)
        Q_EMIT clicked();
    event->accept();
}

void PageTurnImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    FocusFrame::draw(p, rect(), palette());
}
