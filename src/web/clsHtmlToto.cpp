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

clsHtmlToto::clsHtmlToto() : m_reporter(QStringLiteral("clsHtmlToto")) {}

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
        m_reporter.runtimeError(QStringLiteral("StringToCurrency"), e);
        return Money();
    }
}

DateTime clsHtmlToto::StringToDate(const QString& text) const {
    try {
        if (!DateTime::isSystemDate(text))
            return DateTime();
        return DateTime::parseSystem(text);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("StringToDate"), e);
        return DateTime();
    }
}

DateTime clsHtmlToto::StringToDateEx(const QString& text) const {
    try {
        QString value = TextWidth::toHalfWidth(text);
        const qsizetype open = value.indexOf(u'(');
        const qsizetype close = value.indexOf(u')', 1);
        if (open >= 0 && close > open)
            value.remove(open, close - open + 1);
        // The minutes of the time end two characters after its colon; "頃" and the like go.
        if (const qsizetype colon = value.indexOf(u':'); colon >= 0)
            value.truncate(colon + 3);
        return StringToDate(value);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("StringToDateEx"), e);
        return DateTime();
    }
}

QString clsHtmlToto::latestTime(const QString& text) {
    const QString value = TextWidth::toHalfWidth(text);
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
        const qsizetype day = text.indexOf(u'日');
        if (day < 0)
            return DateTime();
        return StringToDate(text.left(day + 1) + u' ' + latestTime(text));
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("StringToDateEx2"), e);
        return DateTime();
    }
}

void clsHtmlToto::DateString2(const QString& text, DateTime& date1, DateTime& date2) const {
    try {
        QString value = text;
        value.remove(QStringLiteral("まで"));
        const qsizetype tilde = value.indexOf(Tilde);
        if (tilde < 0)
            return;
        date1 = StringToDateEx(value.left(tilde));
        date2 = StringToDateEx(value.mid(tilde + 2));
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("DateString2"), e);
    }
}

void clsHtmlToto::GetStringToDate2(const QString& text, DateTime& date1, DateTime& date2) const {
    try {
        QString value = text;
        value.replace(u'月', u'/');
        value.replace(u'日', u' ');
        const qsizetype tilde = value.indexOf(Tilde);
        if (tilde < 0)
            return;
        const QString year = QString::number(Platform::current().now().date().year()) + u'/';
        date1 = StringToDate(year + value.left(tilde));
        date2 = StringToDate(year + value.mid(tilde + 2));
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetStringToDate2"), e);
    }
}

bool clsHtmlToto::GetStringToDateNow(const QString& text, DateTime& date1, bool& blnFinal) const {
    try {
        if (!text.startsWith(u'('))
            return false;
        qsizetype stamp = text.indexOf(QStringLiteral("販売終了時点)"));
        blnFinal = stamp >= 0;
        if (!blnFinal)
            stamp = text.indexOf(QStringLiteral("時点)"));
        if (stamp < 0)
            return false;
        date1 = StringToDateEx(text.mid(1, stamp - 1));
        return true;
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetStringToDateNow"), e);
        return false;
    }
}
