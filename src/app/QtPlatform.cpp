#include "app/QtPlatform.h"

#include "app/clsWaitDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QWidget* ownerWindow() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return nullptr;
}

class QtProgressWindow : public ProgressWindow {
public:
    QtProgressWindow(const QString& message, qint64 maximum) {
        m_dialog.setMessage(message);
        m_dialog.setMax(maximum);
        m_dialog.Initialize(ownerWindow());
    }
    void setValue(qint64 value) override { m_dialog.setValue(value); }
    void setMessage(const QString& message) override { m_dialog.setMessage(message); }
    void setMaximum(qint64 maximum) override { m_dialog.setMax(maximum); }

private:
    clsWaitDialog m_dialog;
};

} // namespace

void QtPlatform::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, ownerWindow());
    box.exec();
}

bool QtPlatform::askYesNo(const QString& text, const QString& title, MessageIcon icon,
                          bool defaultYes) {
    // The program's confirmations are questions; the icon given names the box's kind.
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Question : boxIcon(icon), title,
                    text, QMessageBox::Yes | QMessageBox::No, ownerWindow());
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

DateTime QtPlatform::now() const {
    return DateTime::fromQDateTime(QDateTime::currentDateTime());
}

void QtPlatform::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

std::unique_ptr<ProgressWindow> QtPlatform::openProgress(const QString& message, qint64 maximum) {
    return std::make_unique<QtProgressWindow>(message, maximum);
}
