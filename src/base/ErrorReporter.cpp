#include "base/ErrorReporter.h"

#include "base/AppInfo.h"
#include "base/Platform.h"

ErrorReporter::ErrorReporter(QString className) : m_className(std::move(className)) {}

QString ErrorReporter::failureTitle(const QString& operation) const {
    return AppInfo::title() + QStringLiteral(" / ") + m_className + QStringLiteral(" / ") +
           operation;
}

QString ErrorReporter::runtimeErrorTitle(const QString& operation,
                                         const RuntimeError& error) const {
    return error.source() + QStringLiteral(" / ") + m_className + QStringLiteral(" / ") + operation;
}

QString ErrorReporter::runtimeErrorText(const RuntimeError& error) {
    return error.description() + QStringLiteral(" ( ") + QString::number(error.number()) +
           QStringLiteral(" )");
}

void ErrorReporter::failure(const QString& operation, const QString& message) const {
    Platform::current().showMessage(message, failureTitle(operation), MessageIcon::Warning);
}

void ErrorReporter::runtimeError(const QString& operation, const RuntimeError& error) const {
    runtimeError(operation, error, QString());
}

void ErrorReporter::runtimeError(const QString& operation, const RuntimeError& error,
                                 const QString& detail) const {
    Platform::current().showMessage(
        runtimeErrorText(error) + (detail.isEmpty() ? QString() : QStringLiteral("\r\n") + detail),
        runtimeErrorTitle(operation, error), MessageIcon::Error);
}
