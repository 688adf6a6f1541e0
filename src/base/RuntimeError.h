#pragma once

#include <QString>
#include <exception>

// A run-time error: a failure that is not checked where it happens (a bad conversion, an
// overflow, an index past the end) and travels to the operation that reports it. Each kind has
// one fixed number, shown in the report as "description ( number )".
class RuntimeError : public std::exception {
public:
    enum Number {
        InvalidCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        FileNotFound = 53,
        FileIo = 75,
    };

    RuntimeError(int number, QString description, QString source = QString());

    static RuntimeError invalidCall();
    static RuntimeError overflow();
    static RuntimeError subscriptOutOfRange();
    static RuntimeError divisionByZero();
    static RuntimeError typeMismatch();
    static RuntimeError fileNotFound();
    static RuntimeError fileIo(const QString& detail = QString());

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    // The program's title unless the error came from elsewhere.
    const QString& source() const { return m_source; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QString m_source;
    QByteArray m_what;
};
