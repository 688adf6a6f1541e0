#pragma once

#include "base/Platform.h"

// The platform seam on Qt: message boxes, the executable's folder, the local clock, the wait
// cursor, the event loop and the progress window. A progress window stays on top of every window,
// so it steps aside while a message box is up.
class QtPlatform : public Platform {
public:
    void showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override;
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override;
    QString programFolder() const override;
    DateTime now() const override;
    void setWaitCursor(bool on) override;
    void processEvents() override;
    std::unique_ptr<ProgressWindow> openProgress(const QString& message, qint64 maximum) override;
};
