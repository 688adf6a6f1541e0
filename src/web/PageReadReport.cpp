#include "web/PageReadReport.h"

void PageReadReport::start(const QByteArray& page) {
    *this = PageReadReport();
    m_page = page;
}

void PageReadReport::reading(const QString& field, const PageLines& lines, qint32 index) {
    m_field = field;
    m_line = lines.sourceLine(index);
}

void PageReadReport::refused() {
    if (!m_refusedField.isEmpty() || m_field.isEmpty())
        return;
    m_refusedField = m_field;
    m_refusedLine = m_line;
}

void PageReadReport::refuse(const QString& field) {
    m_field = field;
    m_line = 0;
    refused();
}

void PageReadReport::refuseAnswer(qint32 status) {
    *this = PageReadReport();
    m_errorStatus = status;
}

QString PageReadReport::take(const QString& field, const PageLines& lines, qint32 index) {
    reading(field, lines, index);
    QString value = lines.at(index);
    m_fieldLines.insert(field, m_line);
    return value;
}

QString PageReadReport::describe(const QString& field, qint32 sourceLine) {
    QString text = QStringLiteral("「") + field + QStringLiteral("」が読めません");
    if (sourceLine > 0)
        text += QStringLiteral("（") + QString::number(sourceLine) + QStringLiteral(" 行目）");
    return text;
}

QString PageReadReport::describe(const QString& missingField) const {
    if (m_errorStatus != 0)
        return QStringLiteral("サーバーがエラーを返しました（") + QString::number(m_errorStatus) +
               QStringLiteral("）");
    if (!m_refusedField.isEmpty())
        return describe(m_refusedField, m_refusedLine);
    if (missingField.isEmpty())
        return QString();
    return describe(missingField, m_fieldLines.value(missingField));
}
