#pragma once

#include "base/Platform.h"

#include <QElapsedTimer>
#include <QString>

// A silent platform for the stress tool: the program folder is the folder given, messages are
// counted (their last text kept), and the longest stretch without "let window events run" is
// measured, which is how long the window would freeze.
class StressPlatform final : public Platform {
public:
    explicit StressPlatform(QString folder);
    ~StressPlatform() override;
    StressPlatform(const StressPlatform&) = delete;
    StressPlatform& operator=(const StressPlatform&) = delete;

    void showMessage(const QString& text, const QString&, MessageIcon) override;
    bool askYesNo(const QString&, const QString&, MessageIcon, bool defaultYes) override {
        return defaultYes;
    }
    Answer askYesNoCancel(const QString&, const QString&, MessageIcon,
                          Answer defaultAnswer) override {
        return defaultAnswer;
    }
    QString programFolder() const override { return m_folder; }
    DateTime now() const override;
    void setWaitCursor(bool) override {}
    void processEvents() override { markResponsive(); }
    std::unique_ptr<ProgressWindow> openProgress(const QString&, qint64) override;

    // Starts the measurement of unresponsive stretches.
    void startWatch();
    // The longest stretch in ms between two moments the window could repaint, up to now.
    qint64 longestFreezeMs();
    void markResponsive();

    int messages = 0;
    QString lastMessage;
    int progressWindows = 0;

private:
    QString m_folder;
    QElapsedTimer m_clock;
    qint64 m_lastResponsive = 0;
    qint64 m_longest = 0;
};
