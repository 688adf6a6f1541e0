#pragma once

#include "base/DateTime.h"
#include "base/ErrorReporter.h"
#include "base/Money.h"
#include "drawdata/clsTGameType.h"
#include "web/PageLines.h"
#include "web/PageReadReport.h"

#include <QString>
#include <QStringList>

// Turns the texts of the official lottery site's page lines into values: the draw number of a
// page header ("第" … "回"), money and counts, dates with weekdays and times, date ranges and
// the as-of stamp of vote figures. The lines carry no blanks, so a date may run straight into
// its time ("2021年01月09日13:50"). Every date conversion also takes a time written as
// "13時50分", brackets written full-width and ranges joined by "〜".
//
// StringToCurrency and the date conversions report their own run-time errors and then give 0;
// Kaisaikai, GetKaisaikai, GetValue2 and GetGameType let them reach the caller. While a reader
// reads a page (SetPageReport), such a report names the field being read, and the page is refused.
class clsHtmlToto {
public:
    clsHtmlToto();

    // The report of the page now being read (nullptr for none); the reader owns it.
    void SetPageReport(PageReadReport* report) { m_pageReport = report; }

    // True when text begins with "第" and holds "回"; Kaisai is then the number between them
    // (a text that is no number there throws RuntimeError::typeMismatch()).
    bool Kaisaikai(const QString& text, qint32& Kaisai) const;
    // Kaisaikai(text, Kaisai) when text contains strCheck; otherwise false, Kaisai untouched.
    bool GetKaisaikai(const QString& text, qint32& Kaisai, const QString& strCheck) const;
    // GetKaisaikai for a heading that may stand split over a few lines (spans of its own): the
    // line at lngIndex alone, or joined with up to three lines after it, none of which begins
    // with "第" (another heading). lngLast comes back as the heading's last line.
    bool GetKaisaikaiOver(const PageLines& lines, qint32 lngIndex, qint32& lngLast, qint32& Kaisai,
                          const QString& strCheck) const;
    // The competition kind named by strList[lngPos] (0-based), advancing lngPos past it; "" when
    // the line names none.
    QString GetGameType(const QStringList& strList, qint32& lngPos) const;
    // A count followed by a bracketed percentage, "1,234(12.34%)": 1234 and 12.34.
    bool GetValue2(const QString& text, Money& Value1, Money& Value2) const;
    // The number formed by the digits and points of text ("1,234円" gives 1234), else 0.
    Money StringToCurrency(const QString& text) const;
    // The date and time text denotes in the system's date syntax, else date 0.
    DateTime StringToDate(const QString& text) const;
    // A date with a bracketed weekday and a time: "2021/03/06(土) 13:00頃".
    DateTime StringToDateEx(const QString& text) const;
    // The date up to "日" with the latest time in the text: "2021年3月1日(月)10:00～19:00" gives
    // 2021-03-01 19:00.
    DateTime StringToDateEx2(const QString& text) const;
    // A range of two dates joined by "～", with an optional "まで". One character after "～" is
    // skipped (a blank on the site's pages; without blanks, the first digit of the year, which
    // the two-digit-year rule puts back).
    void DateString2(const QString& text, DateTime& date1, DateTime& date2) const;
    // A range of two month-and-day dates joined by "～", in the current year.
    void GetStringToDate2(const QString& text, DateTime& date1, DateTime& date2) const;
    // The bracketed as-of stamp "(… 時点)"; blnFinal tells whether it is the end of sale,
    // "(… 販売終了時点)".
    bool GetStringToDateNow(const QString& text, DateTime& date1, bool& blnFinal) const;

    // A date text as the conversions above read it: full-width brackets become "(" and ")", a
    // range's "〜" becomes "～", and a time written "20時40分" becomes "20:40".
    static QString PlainDateText(const QString& text);
    // A match-day cell without its bracketed weekday or holiday mark: "01/09(土)" gives "01/09".
    static QString WithoutWeekday(const QString& text);

private:
    static QString latestTime(const QString& text);
    void reportError(const QString& operation, const RuntimeError& error) const;

    clsTGameType m_gameType;
    ErrorReporter m_reporter;
    PageReadReport* m_pageReport = nullptr;
};
