#include "base/clsIniFile.h"

#include "base/RuntimeError.h"
#include "base/clsFileStream.h"

clsIniFile::clsIniFile() : m_reporter(QStringLiteral("clsIniFile")) {}

bool clsIniFile::Initialize(const QString& strFileName) {
    m_fileName = strFileName;
    clsFileStream stream;
    stream.ErrMessage = false;
    QString text;
    if (!stream.LoadFromFile(strFileName, text)) {
        m_enabled = false;
        m_entries.clear();
        return false;
    }
    InitializeFromText(text);
    return true;
}

void clsIniFile::InitializeFromText(const QString& strText) {
    m_entries.clear();
    // A NUL character ends the text.
    const QString text = strText.left(strText.indexOf(QChar(u'\0')));
    // Lines end in CR LF; a file edited into LF-only lines reads the same.
    const QStringList lines = text.split(u'\n');
    QString name;
    QString value;
    for (const QString& rawLine : lines) {
        if (ReadLine(rawLine, name, value) == LineKind::Entry)
            m_entries.append({name, value});
    }
    m_enabled = true;
}

clsIniFile::LineKind clsIniFile::ReadLine(const QString& rawLine, QString& name, QString& value) {
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(QStringLiteral("//")))
        return LineKind::Comment;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return LineKind::Dropped;
    name = line.left(equals).trimmed();
    value = line.mid(equals + 1).trimmed();
    return name.isEmpty() || value.isEmpty() ? LineKind::Dropped : LineKind::Entry;
}

const std::pair<QString, QString>& clsIniFile::Item(qint32 lngIndex) const {
    if (lngIndex < 1 || lngIndex > m_entries.size())
        throw RuntimeError::subscriptOutOfRange();
    return m_entries[lngIndex - 1];
}

bool clsIniFile::checkEnabled(const QString& operation) const {
    if (!m_enabled)
        m_reporter.failure(operation, QStringLiteral("Initialize Err"));
    return m_enabled;
}

const std::pair<QString, QString>* clsIniFile::findByName(const QString& name) const {
    for (const auto& entry : m_entries)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

const std::pair<QString, QString>* clsIniFile::findByValue(const QString& value) const {
    for (const auto& entry : m_entries)
        if (entry.second.compare(value, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

bool clsIniFile::ItemExists(const QString& strName) const {
    if (!checkEnabled(QStringLiteral("ItemExists")))
        return false;
    return !strName.isEmpty() && findByName(strName);
}

QString clsIniFile::GetItem(const QString& strName, const QString& strDefault) const {
    if (!checkEnabled(QStringLiteral("GetItem")))
        return QString();
    const auto* entry = strName.isEmpty() ? nullptr : findByName(strName);
    return entry ? entry->second : strDefault;
}

bool clsIniFile::KeyExists(const QString& strValue) const {
    if (!checkEnabled(QStringLiteral("KeyExists")))
        return false;
    return !strValue.isEmpty() && findByValue(strValue);
}

QString clsIniFile::GetKey(const QString& strValue) const {
    if (!checkEnabled(QStringLiteral("GetKey")))
        return QString();
    const auto* entry = strValue.isEmpty() ? nullptr : findByValue(strValue);
    return entry ? entry->first : QString();
}
