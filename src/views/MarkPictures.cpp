#include "views/MarkPictures.h"

#include "base/RuntimeError.h"
#include "widgets/PaintedIconEngine.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Ink of marks 0, 1, 2: other in green, home win in red, away win in blue.
QColor ink(int mark) {
    switch (mark) {
    case 1:
        return QColor(206, 32, 41);
    case 0:
        return QColor(24, 128, 56);
    default:
        return QColor(30, 76, 178);
    }
}

// A capsule with the mark's digit, as on the lottery's mark sheets: an outline when not chosen,
// filled when chosen.
class MarkPictureEngine final : public PaintedIconEngine {
public:
    MarkPictureEngine(int mark, bool chosen) : m_mark(mark), m_chosen(chosen) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRectF area(rect);
        const qreal stroke = std::max<qreal>(1.0, area.width() / 12.0);
        const QRectF capsule = area.adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2);
        const qreal radius = capsule.width() / 2;
        const QColor colour = ink(m_mark);
        if (m_chosen) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour);
        } else {
            QColor outline = colour;
            outline.setAlpha(150);
            painter->setPen(QPen(outline, stroke));
            painter->setBrush(QColor(255, 255, 255, 200));
        }
        painter->drawRoundedRect(capsule, radius, radius);

        QFont font = painter->font();
        font.setPixelSize(std::max(1, qRound(area.height() * 0.62)));
        font.setBold(m_chosen);
        painter->setFont(font);
        painter->setPen(m_chosen ? QColor(Qt::white) : colour);
        painter->drawText(area, Qt::AlignCenter, QString::number(m_mark));
        painter->restore();
    }

    QIconEngine* clone() const override { return new MarkPictureEngine(m_mark, m_chosen); }

private:
    int m_mark;
    bool m_chosen;
};

} // namespace

QIcon MarkPictures::picture(int index) {
    const bool chosen = index >= ChosenOffset;
    const int mark = chosen ? index - ChosenOffset : index;
    if (index < 0 || mark > 2)
        throw RuntimeError::subscriptOutOfRange();
    return QIcon(new MarkPictureEngine(mark, chosen));
}
