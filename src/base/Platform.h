#pragma once

#include "base/DateTime.h"

#include <QString>
#include <memory>

enum class MessageIcon { Information, Warning, Error };

// The buttons of a question that can also be cancelled.
enum class Answer { Yes, No, Cancel };

// A progress window that stays open while its owner holds it.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void setValue(qint64 value) = 0;
    // A long operation that enters its next phase keeps its window and changes its text and scale.
    virtual void setMessage(const QString& message) = 0;
    virtual void setMaximum(qint64 maximum) = 0;
};

// Everything the program asks of the operating system: prompts, its own folder, the clock and
// the waiting hooks. The application installs a Qt implementation at start; tests install a
// recording fake. Without an installed implementation a silent default answers.
class Platform {
public:
    virtual ~Platform() = default;

    virtual void showMessage(const QString& text, const QString& title, MessageIcon icon) = 0;
    // True for Yes.
    virtual bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                          bool defaultYes) = 0;
    // Yes, No or Cancel; closing the box without a choice answers Cancel.
    virtual Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                                  Answer defaultAnswer) = 0;

    // Absolute, without a trailing "/".
    virtual QString programFolder() const = 0;
    // The user's own files (the default folder of the singles files); absolute. A portable copy
    // keeps them in UserData/Kelvormini of its program folder.
    virtual QString userDataFolder() const {
        return programFolder() + QStringLiteral("/UserData/Kelvormini");
    }
    virtual DateTime now() const = 0;

    virtual void setWaitCursor(bool on) = 0;
    virtual void processEvents() = 0;
    virtual std::unique_ptr<ProgressWindow> openProgress(const QString& message,
                                                         qint64 maximum) = 0;

    static Platform& current();
    // Does not take ownership; nullptr restores the default.
    static void install(Platform* platform);
};

// Turns the wait cursor on for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor() { Platform::current().setWaitCursor(true); }
    ~WaitCursor() { Platform::current().setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
