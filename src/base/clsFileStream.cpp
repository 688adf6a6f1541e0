#include "base/clsFileStream.h"

#include "base/AtomicFileWriter.h"
#include "base/FileErrorText.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

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
        AtomicFileWriter file(fullPath);
        file.open();
        file.write(bytes);
        file.commit();
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
        errno = 0;
        if (!file.open(QIODevice::ReadOnly))
            throw FileErrorText::ioError(fullPath, errno);
        QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw FileErrorText::ioError(fullPath, errno);
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
