#pragma once

#include "base/RuntimeError.h"

#include <QString>

// Reports the failures of one class through the platform's prompts, in the program's two report
// forms: a failure the code detects (warning icon, title "Kelvor mini / class / operation") and a
// run-time error (error icon, "description ( number )", title "source / class / operation").
class ErrorReporter {
public:
    explicit ErrorReporter(QString className);

    const QString& className() const { return m_className; }

    void failure(const QString& operation, const QString& message) const;
    void runtimeError(const QString& operation, const RuntimeError& error) const;
    // The run-time form with lines of the caller's own below it: what was wrong and where.
    void runtimeError(const QString& operation, const RuntimeError& error,
                      const QString& detail) const;

    // Texts and titles as shown, for callers that collect them.
    QString failureTitle(const QString& operation) const;
    QString runtimeErrorTitle(const QString& operation, const RuntimeError& error) const;
    static QString runtimeErrorText(const RuntimeError& error);

private:
    QString m_className;
};
