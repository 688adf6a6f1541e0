#include "web/clsHtmlToto.h"

#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/TextWidth.h"
#include "base/ValueText.h"

#include <QRegularExpression>
#include <QTime>

namespace {

const QChar Tilde(0xFF5E); // ～

bool isTime(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text);
    return m.hasMatch() && QTime(m.captured(1).toInt(), m.captured(2).toInt()).isValid();
}

} // namespace

QString clsHtmlToto::PlainDateText(const QString& text) {
    static const QRegularExpression kanjiTime(
        QStringLiteral("([0-9０-９]{1,2})時([0-9０-９]{1,2})分"));
    QString plain = text;
    plain.replace(QChar(0xFF08), u'(');
    plain.replace(QChar(0xFF09), u')');
    plain.replace(QChar(0x301C), Tilde);
    if (!plain.contains(u'時'))
        return plain;
    QString result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = kanjiTime.globalMatch(plain); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        result += QStringView(plain).mid(done, m.capturedStart() - done);
        result += TextWidth::toHalfWidth(m.captured(1)) + u':' +
                  TextWidth::toHalfWidth(m.captured(2)).rightJustified(2, u'0');
        done = m.capturedEnd();
    }
    return result + QStringView(plain).mid(done);
}

QString clsHtmlToto::WithoutWeekday(const QString& text) {
    static const QRegularExpression weekday(QStringLiteral("[(（][月火水木金土日祝・]+[)）]"));
    return QString(text).remove(weekday);
}

clsHtmlToto::clsHtmlToto() : m_reporter(QStringLiteral("clsHtmlToto")) {}

void clsHtmlToto::reportError(const QString& operation, const RuntimeError& error) const {
    if (m_pageReport == nullptr) {
        m_reporter.runtimeError(operation, error);
        return;
    }
    m_pageReport->refused();
    m_reporter.runtimeError(operation, error, m_pageReport->describe(QString()));
}

bool clsHtmlToto::Kaisaikai(const QString& text, qint32& Kaisai) const {
    const qsizetype kai = text.indexOf(u'回');
    if (!text.startsWith(u'第') || kai < 0)
        return false;
    Kaisai = ValueText::toLong(text.mid(1, kai - 1));
    return true;
}

bool clsHtmlToto::GetKaisaikai(const QString& text, qint32& Kaisai, const QString& strCheck) const {
    if (!text.contains(strCheck))
        return false;
    return Kaisaikai(text, Kaisai);
}

bool clsHtmlToto::GetKaisaikaiOver(const PageLines& lines, qint32 lngIndex, qint32& lngLast,
                                   qint32& Kaisai, const QString& strCheck) const {
    constexpr qint32 MostParts = 4;
    QString heading = lines.at(lngIndex);
    if (!heading.startsWith(u'第'))
        return false;
    for (qint32 part = 1; part <= MostParts; ++part) {
        if (GetKaisaikai(heading, Kaisai, strCheck)) {
            lngLast = lngIndex + part - 1;
            return true;
        }
        if (lngIndex + part >= lines.count())
            return false;
        const QString next = lines.at(lngIndex + part);
        if (next.startsWith(u'第'))
            return false;
        heading += next;
    }
    return false;
}

QString clsHtmlToto::GetGameType(const QStringList& strList, qint32& lngPos) const {
    if (lngPos < 0 || lngPos >= strList.size())
        throw RuntimeError::subscriptOutOfRange();
    const qint32 no = m_gameType.GetNo(strList.at(lngPos));
    if (no == 0)
        return QString();
    ++lngPos;
    return m_gameType.Text(no);
}

bool clsHtmlToto::GetValue2(const QString& text, Money& Value1, Money& Value2) const {
    QString value = TextWidth::toHalfWidth(text.trimmed());
    value.remove(u',');
    const qsizetype open = value.indexOf(u'(');
    if (!value.contains(u')') || open < 0)
        return false;
    QString rate = value.mid(open);
    rate.remove(u'(');
    rate.remove(u')');
    rate.remove(u'%');
    Value1 = StringToCurrency(value.left(open));
    Value2 = StringToCurrency(rate);
    return true;
}

Money clsHtmlToto::StringToCurrency(const QString& text) const {
    try {
        QString digits;
        for (const QChar c : text) {
            if ((c >= u'0' && c <= u'9') || c == u'.')
                digits += c;
        }
        if (!ValueText::isNumeric(digits))
            return Money();
        return ValueText::toMoney(digits);
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("StringToCurrency"), e);
        return Money();
    }
}

DateTime clsHtmlToto::StringToDate(const QString& text) const {
    try {
        const QString value = PlainDateText(text);
        if (!DateTime::isSystemDate(value))
            return DateTime();
        return DateTime::parseSystem(value);
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("StringToDate"), e);
        return DateTime();
    }
}

DateTime clsHtmlToto::StringToDateEx(const QString& text) const {
    try {
        QString value = TextWidth::toHalfWidth(PlainDateText(text));
        const qsizetype open = value.indexOf(u'(');
        const qsizetype close = value.indexOf(u')', 1);
        if (open >= 0 && close > open)
            value.remove(open, close - open + 1);
        // The minutes of the time end two characters after its colon; "頃" and the like go.
        if (const qsizetype colon = value.indexOf(u':'); colon >= 0)
            value.truncate(colon + 3);
        return StringToDate(value);
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("StringToDateEx"), e);
        return DateTime();
    }
}

QString clsHtmlToto::latestTime(const QString& text) {
    const QString value = TextWidth::toHalfWidth(PlainDateText(text));
    QString latest;
    int latestValue = -1;
    for (qsizetype colon = value.indexOf(u':'); colon >= 0;
         colon = value.indexOf(u':', colon + 1)) {
        QString candidate;
        if (colon >= 2 && isTime(value.mid(colon - 2, 5)))
            candidate = value.mid(colon - 2, 5);
        else if (colon >= 1 && isTime(value.mid(colon - 1, 4)))
            candidate = value.mid(colon - 1, 4);
        if (candidate.isEmpty())
            continue;
        const int candidateValue = QString(candidate).remove(u':').toInt();
        if (candidateValue > latestValue) {
            latest = candidate;
            latestValue = candidateValue;
        }
    }
    return latest;
}

DateTime clsHtmlToto::StringToDateEx2(const QString& text) const {
    try {
        const QString value = PlainDateText(text);
        const qsizetype day = value.indexOf(u'日');
        if (day < 0)
            return DateTime();
        return StringToDate(value.left(day + 1) + u' ' + latestTime(value));
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("StringToDateEx2"), e);
        return DateTime();
    }
}

void clsHtmlToto::DateString2(const QString& text, DateTime& date1, DateTime& date2) const {
    try {
        QString value = PlainDateText(text);
        value.remove(QStringLiteral("まで"));
        const qsizetype tilde = value.indexOf(Tilde);
        if (tilde < 0)
            return;
        date1 = StringToDateEx(value.left(tilde));
        date2 = StringToDateEx(value.mid(tilde + 2));
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("DateString2"), e);
    }
}

void clsHtmlToto::GetStringToDate2(const QString& text, DateTime& date1, DateTime& date2) const {
    try {
        QString value = PlainDateText(text);
        value.replace(u'月', u'/');
        value.replace(u'日', u' ');
        const qsizetype tilde = value.indexOf(Tilde);
        if (tilde < 0)
            return;
        const QString year = QString::number(Platform::current().now().date().year()) + u'/';
        date1 = StringToDate(year + value.left(tilde));
        date2 = StringToDate(year + value.mid(tilde + 2));
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("GetStringToDate2"), e);
    }
}

bool clsHtmlToto::GetStringToDateNow(const QString& text, DateTime& date1, bool& blnFinal) const {
    try {
        const QString value = PlainDateText(text);
        if (!value.startsWith(u'('))
            return false;
        qsizetype stamp = value.indexOf(QStringLiteral("販売終了時点)"));
        blnFinal = stamp >= 0;
        if (!blnFinal)
            stamp = value.indexOf(QStringLiteral("時点)"));
        if (stamp < 0)
            return false;
        date1 = StringToDateEx(value.mid(1, stamp - 1));
        return true;
    } catch (const RuntimeError& e) {
        reportError(QStringLiteral("GetStringToDateNow"), e);
        return false;
    }
}
