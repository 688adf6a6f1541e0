#pragma once

#include "base/ErrorReporter.h"

#include <QList>
#include <QString>
#include <utility>

// Reads a settings or table file of "name = value" lines (Shift_JIS, CR LF). Blank lines and lines
// starting with ";" or "//" are comments; a line is split at its first "="; entries with an empty
// name or value are dropped. Entries keep their file order, names may repeat and every lookup
// takes the first match, comparing without regard to letter case. The class only reads.
class clsIniFile {
public:
    clsIniFile();

    // Reads and parses the file (a missing one is not reported). True once it was read.
    bool Initialize(const QString& strFileName);
    // Parses a text as if read from a file.
    void InitializeFromText(const QString& strText);

    // What the reader makes of one line of a file.
    enum class LineKind { Comment, Entry, Dropped };
    // The rule every line goes through: blank lines and ";" or "//" lines are comments; a line
    // split at its first "=" into a non-empty name and value is an entry (name and value are
    // set); anything else is dropped.
    static LineKind ReadLine(const QString& rawLine, QString& name, QString& value);

    bool Enabled() const { return m_enabled; }
    qint32 Count() const { return qint32(m_entries.size()); }
    const QString& FileName() const { return m_fileName; }
    // Entry i, 1-based.
    const std::pair<QString, QString>& Item(qint32 lngIndex) const;

    bool ItemExists(const QString& strName) const;
    QString GetItem(const QString& strName, const QString& strDefault) const;
    bool KeyExists(const QString& strValue) const;
    QString GetKey(const QString& strValue) const;

private:
    bool checkEnabled(const QString& operation) const;
    const std::pair<QString, QString>* findByName(const QString& name) const;
    const std::pair<QString, QString>* findByValue(const QString& value) const;

    QString m_fileName;
    bool m_enabled = false;
    QList<std::pair<QString, QString>> m_entries;
    ErrorReporter m_reporter;
};
