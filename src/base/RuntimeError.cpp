#include "base/RuntimeError.h"

#include "base/AppInfo.h"

RuntimeError::RuntimeError(int number, QString description, QString source)
    : m_number(number), m_description(std::move(description)),
      m_source(source.isEmpty() ? AppInfo::title() : std::move(source)),
      m_what(m_description.toUtf8()) {}

RuntimeError RuntimeError::invalidCall() {
    return {InvalidCall, QStringLiteral("プロシージャの呼び出し、または引数が不正です。")};
}

RuntimeError RuntimeError::overflow() {
    return {Overflow, QStringLiteral("オーバーフローしました。")};
}

RuntimeError RuntimeError::subscriptOutOfRange() {
    return {SubscriptOutOfRange, QStringLiteral("インデックスが有効範囲にありません。")};
}

RuntimeError RuntimeError::divisionByZero() {
    return {DivisionByZero, QStringLiteral("0 で除算しました。")};
}

RuntimeError RuntimeError::typeMismatch() {
    return {TypeMismatch, QStringLiteral("型が一致しません。")};
}

RuntimeError RuntimeError::fileNotFound() {
    return {FileNotFound, QStringLiteral("ファイルが見つかりません。")};
}

RuntimeError RuntimeError::fileIo(const QString& detail) {
    QString text = QStringLiteral("ファイル I/O エラーです。");
    if (!detail.isEmpty())
        text += QStringLiteral(" ") + detail;
    return {FileIo, text};
}
