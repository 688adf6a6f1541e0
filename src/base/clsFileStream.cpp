#include "base/clsFileStream.h"

#include "base/RuntimeError.h"
#include "base/ShiftJis.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

clsFileStream::clsFileStream() : m_reporter(QStringLiteral("clsFileStream")) {}

bool clsFileStream::SaveToFile(const QString& strPath, const QString& strText) {
    return saveBytes(QStringLiteral("SaveToFile"), strPath, ShiftJis::encode(strText));
}

bool clsFileStream::SaveToBinaryFile(const QString& strPath, const QByteArray& bytData) {
    return saveBytes(QStringLiteral("SaveToBinaryFile"), strPath, bytData);
}

bool clsFileStream::saveBytes(const QString& operation, const QString& strPath,
                              const QByteArray& bytes) {
    const QString fullPath = m_fso.GetFullPath(strPath);
    if (!m_fso.FolderCheck(m_fso.GetParentFolderName(fullPath)))
        return false;
    try {
        QSaveFile file(fullPath);
        if (!file.open(QIODevice::WriteOnly))
            throw RuntimeError::fileIo(file.errorString());
        // commit() of this Qt version renames even after a failed flush, so the flush is
        // checked here; a short write must never replace the previous file.
        if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            throw RuntimeError::fileIo(reason);
        }
        if (!file.commit())
            throw RuntimeError::fileIo(file.errorString());
        return true;
    } catch (const RuntimeError& e) {
        if (ErrMessage)
            m_reporter.runtimeError(operation, e);
        return false;
    }
}

bool clsFileStream::LoadFromFile(const QString& strPath, QString& strText) {
    const QString fullPath = m_fso.GetFullPath(strPath);
    if (!QFileInfo(fullPath).isFile()) {
        if (ErrMessage)
            m_reporter.failure(QStringLiteral("LoadFromFile"),
                               QStringLiteral("ファイルが存在しません。") + QStringLiteral("\r\n") +
                                   fullPath);
        return false;
    }
    try {
        QFile file(fullPath);
        if (!file.open(QIODevice::ReadOnly))
            throw RuntimeError::fileIo(file.errorString());
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw RuntimeError::fileIo(file.errorString());
        // A NUL byte ends the text; in Shift_JIS it never occurs inside a character.
        const qsizetype nul = bytes.indexOf('\0');
        if (nul >= 0)
            bytes.truncate(nul);
        strText = ShiftJis::decode(bytes);
        return true;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("LoadFromFile"), e);
        return false;
    }
}
