#pragma once

#include "web/PageLines.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// What a page reader leaves behind for the message of a download that failed: the page itself,
// the draw number when the page was another draw's, and the first thing the reader could not
// read, with the line of the page source where it stood. The fields are named as the page
// names them ("販売終了日", "第3試合の開始時刻").
class PageReadReport {
public:
    // A new page to read: forgets the last one.
    void start(const QByteArray& page);

    // The reader now reads field from the page line index.
    void reading(const QString& field, const PageLines& lines, qint32 index);
    // What was being read could not be read, and the reader refuses the page.
    void refused();
    // The page could not be read for field, which stands on no line of its own.
    void refuse(const QString& field);
    // Reads field from the page line index (throws PageLines::Ended past the end), noting where
    // it stood.
    QString take(const QString& field, const PageLines& lines, qint32 index);
    // The answer was an error page (HTTP status, not 2xx): nothing of it is taken, and the page
    // is not kept.
    void refuseAnswer(qint32 status);
    // The page was the draw number's, not the one asked for.
    void setOtherDraw(qint32 lngKaisaikai) { m_otherDraw = lngKaisaikai; }

    const QByteArray& page() const { return m_page; }
    bool isRefused() const { return !m_refusedField.isEmpty(); }
    qint32 otherDraw() const { return m_otherDraw; }
    // The line that says what could not be read, 「販売終了日」が読めません（12 行目）: the error
    // answer's status, what the reader refused, or else missingField (which a test of the record
    // found missing) with the line it was read from; "" when there is none of these.
    QString describe(const QString& missingField) const;

private:
    static QString describe(const QString& field, qint32 sourceLine);

    QByteArray m_page;
    qint32 m_otherDraw = 0;
    qint32 m_errorStatus = 0;
    QString m_field;
    qint32 m_line = 0;
    QString m_refusedField;
    qint32 m_refusedLine = 0;
    QHash<QString, qint32> m_fieldLines;
};
