#include "app/clsWaitDialog.h"

#include "app/frmWaitDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

clsWaitDialog::clsWaitDialog() : m_window(new frmWaitDialog()) {}

clsWaitDialog::~clsWaitDialog() {
    delete m_window.data();
}

void clsWaitDialog::Initialize(QWidget* owner) {
    if (!m_window)
        return;
    if (owner != nullptr)
        m_window->setParent(owner, m_window->windowFlags() | Qt::Dialog);
    m_window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    m_window->show();
    m_window->raise();
    m_window->repaint();
}

void clsWaitDialog::setMessage(const QString& message) {
    if (!m_window)
        return;
    m_window->lblMessage()->setText(message);
    m_window->lblMessage()->repaint();
}

void clsWaitDialog::setMax(qint64 max) {
    m_max = max;
    showBar();
}

void clsWaitDialog::setValue(qint64 value) {
    m_value = value;
    showBar();
}

int clsWaitDialog::percent() const {
    if (m_max <= 0)
        return 0;
    const qint64 value = std::clamp<qint64>(m_value, 0, m_max);
    return static_cast<int>(static_cast<double>(value) * 100.0 / static_cast<double>(m_max));
}

void clsWaitDialog::showBar() {
    if (!m_window)
        return;
    const int share = percent();
    if (m_window->bar()->value() != share) {
        m_window->bar()->setValue(share);
        if (m_window->isVisible())
            m_window->bar()->repaint();
    }
}
