#include "app/QtPlatform.h"

#include "app/clsWaitDialog.h"
#include "app/frmWaitDialog.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPointer>

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

// The active window; a progress window hands the part to its own owner, since it steps aside
// while a box is up.
QWidget* ownerWindow() {
    QWidget* active = QApplication::activeWindow();
    if (qobject_cast<frmWaitDialog*>(active) != nullptr)
        return active->parentWidget() != nullptr ? active->parentWidget()->window() : nullptr;
    return active;
}

// Hides the progress windows that are shown while it lives and shows them again after.
class ProgressWindowsAside {
public:
    ProgressWindowsAside() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<frmWaitDialog*>(window);
            if (progress != nullptr && progress->isVisible()) {
                progress->hide();
                m_hidden.append(progress);
            }
        }
    }
    ~ProgressWindowsAside() {
        for (const QPointer<frmWaitDialog>& progress : m_hidden)
            if (progress)
                progress->show();
    }
    ProgressWindowsAside(const ProgressWindowsAside&) = delete;
    ProgressWindowsAside& operator=(const ProgressWindowsAside&) = delete;

private:
    QList<QPointer<frmWaitDialog>> m_hidden;
};

// The box's icon for a question: the program's confirmations are questions; the icon given
// names the box's kind.
QMessageBox::Icon questionIcon(MessageIcon icon) {
    return icon == MessageIcon::Information ? QMessageBox::Question : boxIcon(icon);
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
    const ProgressWindowsAside aside;
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, ownerWindow());
    box.exec();
}

bool QtPlatform::askYesNo(const QString& text, const QString& title, MessageIcon icon,
                          bool defaultYes) {
    const ProgressWindowsAside aside;
    QMessageBox box(questionIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No,
                    ownerWindow());
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Answer QtPlatform::askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                                  Answer defaultAnswer) {
    const ProgressWindowsAside aside;
    QMessageBox box(questionIcon(icon), title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ownerWindow());
    const QMessageBox::StandardButton defaultButton =
        defaultAnswer == Answer::Yes  ? QMessageBox::Yes
        : defaultAnswer == Answer::No ? QMessageBox::No
                                      : QMessageBox::Cancel;
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QtPlatform::QtPlatform()
    : QtPlatform(QCoreApplication::applicationDirPath(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/UserData/Kelvormini")) {}

QtPlatform::QtPlatform(QString programFolder, QString userDataFolder)
    : m_programFolder(std::move(programFolder)), m_userDataFolder(std::move(userDataFolder)) {}

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
