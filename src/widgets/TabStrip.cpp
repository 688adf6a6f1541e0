#include "widgets/TabStrip.h"

#include "base/RuntimeError.h"
#include "widgets/FocusFrame.h"
#include "widgets/PressKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr int TabWidth = 70;
constexpr int TabHeight = 84;
constexpr int TabTop = 8;

const QColor Accent(0, 120, 60);
constexpr int BackgroundHeight = 4;

// A picture drawn at a device pixel ratio: logical coordinates, device-pixel detail.
QPixmap scaledPixmap(QSize logical, qreal devicePixelRatio) {
    QPixmap pixmap(logical * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// The strip's background image; it paints the picture stretched over its whole width.
class TabStripBackground : public QWidget {
public:
    explicit TabStripBackground(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(rect(), TabStrip::backgroundPicture(size(), devicePixelRatioF()));
    }
};

void drawHome(QPainter& p, const QRectF& r) {
    QPainterPath roof;
    roof.moveTo(r.center().x(), r.top());
    roof.lineTo(r.right(), r.top() + r.height() * 0.45);
    roof.lineTo(r.left(), r.top() + r.height() * 0.45);
    roof.closeSubpath();
    p.drawPath(roof);
    p.drawRect(QRectF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.45, r.width() * 0.64,
                      r.height() * 0.55));
}

void drawSingles(QPainter& p, const QRectF& r) {
    // Three columns of marks, as a ticket shows them.
    const double cell = r.width() / 3.0;
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            const QRectF mark(r.left() + c * cell + cell * 0.2, r.top() + row * cell + cell * 0.2,
                              cell * 0.6, cell * 0.6);
            if ((c + row) % 2 == 0)
                p.fillRect(mark, p.pen().color());
            else
                p.drawRect(mark);
        }
    }
}

void drawCheck(QPainter& p, const QRectF& r) {
    QPainterPath tick;
    tick.moveTo(r.left(), r.top() + r.height() * 0.55);
    tick.lineTo(r.left() + r.width() * 0.38, r.bottom());
    tick.lineTo(r.right(), r.top());
    QPen pen = p.pen();
    pen.setWidthF(pen.widthF() * 2.0);
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.restore();
}
} // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}

QString TabStrip::pageName(int page) {
    switch (page) {
    case 0:
        return QStringLiteral("ホーム");
    case 1:
        return QStringLiteral("シングル");
    case 2:
        return QStringLiteral("チェック");
    default:
        throw RuntimeError::subscriptOutOfRange();
    }
}

QRect TabStrip::tabRect(int page) const {
    if (page < 0 || page >= PageCount)
        throw RuntimeError::subscriptOutOfRange();
    return QRect(0, TabTop + page * TabHeight, TabWidth, TabHeight);
}

void TabStrip::setCurrent(int page) {
    if (page < 0 || page >= PageCount)
        throw RuntimeError::subscriptOutOfRange();
    m_current = page;
    m_focusTab = page;
    update();
}

void TabStrip::setFocusTab(int page) {
    m_focusTab = std::clamp(page, 0, PageCount - 1);
    update();
}

QPixmap TabStrip::tabPicture(int page, bool highlighted, qreal devicePixelRatio) {
    QPixmap picture = scaledPixmap(QSize(TabWidth, TabHeight), devicePixelRatio);
    picture.fill(highlighted ? Accent : QColor(Qt::white));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = highlighted ? QColor(Qt::white) : Accent;
    QPen pen(ink);
    pen.setWidthF(2.0);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF icon(TabWidth / 2.0 - 16, 12, 32, 32);
    if (page == 0)
        drawHome(p, icon);
    else if (page == 1)
        drawSingles(p, icon);
    else
        drawCheck(p, icon);
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(highlighted);
    p.setFont(font);
    p.drawText(QRect(0, 52, TabWidth, 24), Qt::AlignCenter, pageName(page));
    return picture;
}

QPixmap TabStrip::backgroundPicture(QSize size, qreal devicePixelRatio) {
    QPixmap picture = scaledPixmap(size, devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    QLinearGradient fade(0, 0, size.width(), 0);
    fade.setColorAt(0, Accent);
    fade.setColorAt(1, Accent.lighter(190));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), fade);
    return picture;
}

void TabStrip::placeBackground(int left, int screenWidth) {
    if (m_background == nullptr)
        m_background = new TabStripBackground(parentWidget());
    m_background->setGeometry(left, 0, std::max(screenWidth - left, 0), BackgroundHeight);
    m_background->raise();
    m_background->show();
}

QSize TabStrip::sizeHint() const {
    return QSize(TabWidth, TabTop + PageCount * TabHeight);
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (int page = 0; page < PageCount; ++page)
        p.drawPixmap(tabRect(page).topLeft(),
                     tabPicture(page, page == m_current, devicePixelRatioF()));
    p.setPen(QColor(200, 200, 200));
    p.drawLine(width() - 1, 0, width() - 1, height());
    if (hasFocus())
        FocusFrame::draw(p, tabRect(m_focusTab).adjusted(2, 2, -2, -2), palette());
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    for (int page = 0; page < PageCount; ++page) {
        if (tabRect(page).contains(event->position().toPoint())) {
            Q_EMIT tabClicked(page);
            return;
        }
    }
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(event->key())) {
        Q_EMIT tabClicked(m_focusTab);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        setFocusTab(m_focusTab - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        setFocusTab(m_focusTab + 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TabStrip::focusInEvent(QFocusEvent* event) {
    m_focusTab = m_current;
    update();
    QWidget::focusInEvent(event);
}

void TabStrip::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
