#pragma once

#include "base/Platform.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>

// The platform for tests: records every message and question, answers questions from a script
// (then with their default), counts the progress windows still open, keeps the program folder in a
// fresh temporary folder and lets the test set the clock. Installs itself on construction and
// uninstalls on destruction.
class FakePlatform final : public Platform {
public:
    struct Message {
        QString text;
        QString title;
        MessageIcon icon;
        bool question;
        // A Yes/No/Cancel question.
        bool cancellable;
        // A progress window was still open when the message came.
        bool overProgress;
    };

    FakePlatform();
    ~FakePlatform() override;

    void showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override;
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override;
    QString programFolder() const override;
    DateTime now() const override { return m_now; }
    void setWaitCursor(bool on) override;
    void processEvents() override {
        ++processEventsCalls;
        if (onProcessEvents)
            onProcessEvents();
    }
    std::unique_ptr<ProgressWindow> openProgress(const QString& message, qint64 maximum) override;

    // Every value set on a progress window, with its message and maximum.
    // One entry per window and message; window numbers count the windows opened.
    struct Progress {
        int window;
        QString message;
        qint64 maximum;
        QList<qint64> values;
    };

    // Answers for the next questions, in order.
    QList<bool> answers;
    // Answers for the next Yes/No/Cancel questions, in order.
    QList<Answer> choices;
    QList<Message> messages;
    int waitCursorDepth = 0;
    int processEventsCalls = 0;
    // Runs at each processEvents, e.g. to press a button while a long operation waits.
    std::function<void()> onProcessEvents;
    int openProgressWindows = 0;
    std::deque<Progress> progress;

    void setNow(DateTime now) { m_now = now; }
    // A path inside the program folder.
    QString path(const QString& relative) const;
    QStringList texts() const;
    // The first line of each message's text (a failed download adds a line of its own).
    QStringList firstLines() const;
    void clearMessages() { messages.clear(); }

private:
    QTemporaryDir m_folder;
    DateTime m_now;
};
