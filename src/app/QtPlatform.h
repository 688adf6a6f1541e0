#pragma once

#include "base/Platform.h"

// The platform seam on Qt: message boxes, the program's folders, the local clock, the wait
// cursor, the event loop and the progress window. A progress window stays on top of every window,
// so it steps aside while a message box is up.
class QtPlatform : public Platform {
public:
    // The executable's folder, as a portable copy keeps it.
    QtPlatform();
    QtPlatform(QString programFolder, QString userDataFolder);

    void showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override;
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override;
    QString programFolder() const override { return m_programFolder; }
    QString userDataFolder() const override { return m_userDataFolder; }
    DateTime now() const override;
    void setWaitCursor(bool on) override;
    void processEvents() override;
    std::unique_ptr<ProgressWindow> openProgress(const QString& message, qint64 maximum) override;

private:
    QString m_programFolder;
    QString m_userDataFolder;
};
