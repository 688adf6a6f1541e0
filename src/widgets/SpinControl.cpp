#include "widgets/SpinControl.h"

#include "widgets/NumberBox.h"

#include <QEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

SpinControl::SpinControl(NumberBox* box)
    : QWidget(box->parentWidget()), m_box(box), m_up(new QToolButton(this)),
      m_down(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepBy(-1); });
    box->installEventFilter(this);
    follow();
}

void SpinControl::stepBy(int steps) {
    const qint64 current = std::max(m_box->value(), m_box->minimum());
    const auto next =
        static_cast<int>(std::clamp<qint64>(current + steps, m_box->minimum(), m_box->maximum()));
    if (QString::number(next) != m_box->text())
        m_box->setValue(next);
}

void SpinControl::follow() {
    const QRect box = m_box->geometry();
    setGeometry(box.right() + 1, box.top(), 17, box.height());
    setVisible(m_box->isVisibleTo(m_box->parentWidget()));
}

bool SpinControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
