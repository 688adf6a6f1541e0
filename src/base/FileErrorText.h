#pragma once

#include "base/RuntimeError.h"

#include <QString>

// Japanese texts for the failures of file operations, so that no English system text reaches a
// message box.
namespace FileErrorText {

// The cause of a failed file operation, from the system's error number (errno): one sentence
// such as "ディスクの空き容量が不足しています。".
QString cause(int errnoValue);

// The run-time error of a failed read or write of a file: "ファイル I/O エラーです。", the full
// path and the cause, each on its own line.
RuntimeError ioError(const QString& fullPath, int errnoValue);
// The same for a file that another program changed while it was being read.
RuntimeError changedWhileReading(const QString& fullPath);

} // namespace FileErrorText
