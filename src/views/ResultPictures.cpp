#include "views/ResultPictures.h"

#include "widgets/PaintedIconEngine.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

struct Shades {
    QColor top;
    QColor bottom;
    QColor edge;
};

Shades shadesOf(ResultPictures::Kind kind) {
    switch (kind) {
    case ResultPictures::Hit:
        return {QColor(96, 144, 255), QColor(16, 56, 208), QColor(8, 32, 150)};
    case ResultPictures::Cancelled:
        return {QColor(255, 250, 176), QColor(240, 208, 32), QColor(176, 150, 0)};
    case ResultPictures::Miss:
        return {QColor(255, 128, 112), QColor(208, 24, 24), QColor(150, 8, 8)};
    case ResultPictures::Winning:
        return {QColor(160, 240, 144), QColor(40, 176, 56), QColor(16, 120, 32)};
    }
    return {};
}

// Painted with vectors only, so that the tile stays sharp at every device pixel ratio.
class TileEngine final : public PaintedIconEngine {
public:
    explicit TileEngine(ResultPictures::Kind kind) : m_kind(kind) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const Shades shades = shadesOf(m_kind);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
        fill.setColorAt(0, shades.top);
        fill.setColorAt(1, shades.bottom);
        painter->fillRect(rect, fill);
        const QRectF frame = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
        painter->setPen(QPen(shades.edge, 1));
        painter->drawRect(frame);
        painter->setPen(QPen(QColor(255, 255, 255, 110), 1));
        painter->drawLine(frame.topLeft() + QPointF(1, 1), frame.topRight() + QPointF(-1, 1));
        painter->restore();
    }

    QIconEngine* clone() const override { return new TileEngine(m_kind); }

private:
    ResultPictures::Kind m_kind;
};

} // namespace

namespace ResultPictures {

QIcon picture(Kind kind) {
    return QIcon(new TileEngine(kind));
}

QColor cellColor(Kind kind) {
    switch (kind) {
    case Hit:
        return QColor(0, 0, 255);
    case Cancelled:
        return QColor(255, 255, 0);
    case Miss:
        return QColor(255, 0, 0);
    case Winning:
        return QColor(0, 255, 0);
    }
    return QColor(Qt::white);
}

QColor textColor(Kind kind) {
    return kind == Hit || kind == Miss ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace ResultPictures
