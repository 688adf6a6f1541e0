#pragma once

#include "base/ErrorReporter.h"
#include "base/clsFileSystemObject.h"

#include <QByteArray>
#include <QString>

// Reads and writes whole files: text in Shift_JIS (no byte-order mark, the caller's own line
// ends), or raw bytes. A file is replaced through a temporary file in the same folder that is
// renamed over it, so a failed save leaves the previous file as it was.
class clsFileStream {
public:
    clsFileStream();

    // While True, a load of a missing file and a failed save are reported; callers that expect
    // missing files, or whose writes are allowed to fail quietly, clear it.
    bool ErrMessage = true;

    bool SaveToFile(const QString& strPath, const QString& strText);
    // Text up to the first NUL character.
    bool LoadFromFile(const QString& strPath, QString& strText);
    bool SaveToBinaryFile(const QString& strPath, const QByteArray& bytData);

private:
    bool saveBytes(const QString& operation, const QString& strPath, const QByteArray& bytes);

    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
};
