#include "app/frmWinInet.h"

#include "app/ControlTips.h"
#include "base/Platform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// A small globe, the window's decoration.
QPixmap earthPicture() {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 120, 220));
    p.setPen(QPen(QColor(20, 70, 150), 2));
    p.drawEllipse(QRectF(4, 4, 40, 40));
    p.setPen(QPen(QColor(220, 240, 255), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(16, 4, 16, 40));
    p.drawLine(QPointF(4, 24), QPointF(44, 24));
    p.drawLine(QPointF(8, 14), QPointF(40, 14));
    p.drawLine(QPointF(8, 34), QPointF(40, 34));
    return pixmap;
}

// Input that must not reach the program's other windows while a transfer runs.
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

} // namespace

frmWinInet::frmWinInet(QWidget* parent)
    : QDialog(parent), m_base(new QWidget(this)), m_list(new QListWidget(m_base)),
      m_earth(new QLabel(m_base)), m_stop(new QPushButton(QStringLiteral("中止"), this)) {
    setObjectName(QStringLiteral("frmWinInet"));
    setWindowTitle(QStringLiteral(" インターネット接続"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    m_base->setObjectName(QStringLiteral("picBase"));
    m_base->setAutoFillBackground(true);
    QPalette colours = m_base->palette();
    colours.setColor(QPalette::Window, QColor(245, 245, 245));
    m_base->setPalette(colours);
    m_list->setObjectName(QStringLiteral("lstMsg"));
    m_earth->setObjectName(QStringLiteral("imgEarthAni"));
    m_earth->setPixmap(earthPicture());

    auto* inner = new QHBoxLayout(m_base);
    inner->addWidget(m_earth, 0, Qt::AlignTop);
    inner->addWidget(m_list, 1);
    m_stop->setObjectName(QStringLiteral("cmdStop"));
    enableStop(ControlTips::Stop::Idle);
    m_stop->setAutoDefault(false);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_stopRequested = m_transferring;
        enableStop(m_stopRequested ? ControlTips::Stop::Requested : ControlTips::Stop::Idle);
    });
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 4, 8, 8);
    buttons->addStretch(1);
    buttons->addWidget(m_stop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_base, 1);
    layout->addLayout(buttons);
    resize(460, 230);
}

void frmWinInet::transferRunning() {
    if (!m_transferring) {
        m_transferring = true;
        m_stopRequested = false;
        enableStop(ControlTips::Stop::Downloading);
        QCoreApplication::instance()->installEventFilter(this);
    }
    // Everything but the input that the filter refuses: paints of every window, the button.
    Platform::current().processEvents();
}

void frmWinInet::transferEnded() {
    if (!m_transferring)
        return;
    m_transferring = false;
    m_stopRequested = false;
    enableStop(ControlTips::Stop::Idle);
    QCoreApplication::instance()->removeEventFilter(this);
}

bool frmWinInet::eventFilter(QObject* watched, QEvent* event) {
    if (!m_transferring)
        return false;
    const bool close = event->type() == QEvent::Close;
    if (!close && !isUserInput(event->type()))
        return false;
    // The connection window's own widgets take their input (the 中止 button); its native window
    // passes it on to them.
    if (watched == windowHandle())
        return false;
    if (auto* widget = qobject_cast<QWidget*>(watched);
        widget != nullptr && widget->window() == this)
        return false;
    if (close)
        event->ignore();
    return true;
}

void frmWinInet::closeEvent(QCloseEvent* event) {
    // Closing the window during a transfer asks for a stop; the window goes when it ends.
    if (m_transferring) {
        m_stopRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmWinInet::paintNow() {
    if (!isVisible())
        return;
    m_list->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmWinInet::showFor(QObject* owner) {
    auto* window = qobject_cast<QWidget*>(owner);
    if (window != nullptr)
        window = window->window();
    const bool topmost = window != nullptr && (window->windowFlags() & Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    // The window stays a top-level object of its own (the program keeps one for its whole run);
    // the owner only places it in front.
    winId();
    if (window != nullptr && window->windowHandle() != nullptr)
        windowHandle()->setTransientParent(window->windowHandle());
    show();
    raise();
    repaint();
    paintNow();
}

void frmWinInet::addItem(const QString& item) {
    m_list->addItem(item);
    m_list->setCurrentRow(m_list->count() - 1);
    paintNow();
}

void frmWinInet::extendLastItem(const QString& text) {
    if (m_list->count() == 0) {
        addItem(text);
        return;
    }
    QListWidgetItem* last = m_list->item(m_list->count() - 1);
    last->setText(last->text() + text);
    paintNow();
}

void frmWinInet::unload(QObject* owner) {
    hide();
    m_list->clear();
    if (auto* window = qobject_cast<QWidget*>(owner))
        window->repaint();
}

void frmWinInet::enableStop(ControlTips::Stop state) {
    m_stop->setEnabled(state == ControlTips::Stop::Downloading);
    m_stop->setToolTip(ControlTips::stopDownload(state));
}
