#pragma once

#include <QByteArray>
#include <QString>

// Whole-file helpers for fixtures. Writing creates the folders; false when the file could not be
// written, for the caller to check with QVERIFY (a check inside a helper would only end the
// helper, not the test).
namespace TestFiles {

[[nodiscard]] bool write(const QString& path, const QByteArray& bytes);
// The bytes of the file; empty when it cannot be read.
QByteArray read(const QString& path);

} // namespace TestFiles
