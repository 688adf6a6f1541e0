#pragma once

#include "base/RuntimeError.h"

#include <new>

class SingleList;

// The one busy rule of the main window: a command does not run while the single list is busy
// (a load, a save or a long check is working on it). The commands keep their enabled state; a
// click while busy is simply not taken. A run-time error that escapes a command is shown, and
// the window stays usable.
class CommandGuard {
public:
    explicit CommandGuard(const SingleList& list) : m_list(list) {}

    template <typename F> void run(F&& body) const {
        if (busy())
            return;
        try {
            body();
        } catch (const RuntimeError& error) {
            report(error);
        } catch (const std::bad_alloc&) {
            report(RuntimeError(RuntimeError::OutOfMemory,
                                QStringLiteral("メモリが不足しています。")));
        }
    }

private:
    bool busy() const;
    // The window has no reporter of its own; the error is shown in the run-time form.
    static void report(const RuntimeError& error);

    const SingleList& m_list;
};
