#pragma once

#include "base/DateTime.h"
#include "base/Money.h"
#include "base/ShiftJis.h"
#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Complete records with a distinct value in every field, and small file helpers, for the tests
// of the three draw documents.
namespace DrawDocumentSamples {

inline DateTime day(int y, int m, int d) {
    return DateTime::fromDate(QDate(y, m, d));
}
inline DateTime at(int y, int m, int d, int h, int min) {
    return DateTime::fromDateTime(QDate(y, m, d), QTime(h, min));
}
inline DateTime clock(int h, int min) {
    return DateTime::fromTime(QTime(h, min));
}

inline ScheduleData schedule() {
    ScheduleData s;
    s.Kaisaikai = 1234;
    s.Kumi = QStringLiteral("A");
    for (int n = 1; n <= MatchCount; ++n) {
        MatchInfo& m = s.Matches[n - 1];
        m.Home = QStringLiteral("Ｃ大阪") + QString::number(n);
        m.Away = QStringLiteral("横浜FM") + QString::number(n);
        m.MatchDate = day(2021, 3, n);
        m.StartTime = clock(13 + n % 3, n * 5);
        m.Stadium = QStringLiteral("ヨドコウ桜スタジアム") + QString::number(n);
        m.State = n == 4 ? QStringLiteral("中止") : QStringLiteral("VS");
    }
    s.SaleStart = at(2021, 2, 26, 10, 0);
    s.SaleEnd = at(2021, 3, 6, 13, 50);
    s.ResultDate = day(2021, 3, 8);
    return s;
}

inline VoteData vote() {
    VoteData v;
    v.Kaisaikai = 1234;
    v.AsOf = at(2021, 3, 6, 13, 50);
    for (int n = 1; n <= MatchCount; ++n) {
        VoteMatch& m = v.Matches[n - 1];
        m.Home = QStringLiteral("川崎Ｆ") + QString::number(n);
        m.Away = QStringLiteral("FC東京") + QString::number(n);
        m.MatchDate = day(2021, 3, n);
        m.StartTime = clock(19, n);
        for (int k = 0; k < 3; ++k) {
            m.Outcomes[k].Votes = Money::fromYen(100000 * n + 1000 * k + 7);
            m.Outcomes[k].Rate = Money::fromRaw(100000 * k + 2500 + n);
        }
    }
    return v;
}

inline ResultData result() {
    ResultData r;
    r.Kaisaikai = 1234;
    for (int n = 1; n <= MatchCount; ++n) {
        ResultMatch& m = r.Matches[n - 1];
        m.Home = QStringLiteral("鹿島") + QString::number(n);
        m.Away = QStringLiteral("浦和") + QString::number(n);
        m.Mark = quint8(n % 3);
        m.HomeScore = quint8(n);
        m.AwayScore = quint8(9 - n);
    }
    r.Matches[6].Mark = 3;
    r.Matches[6].HomeScore = 0;
    r.Matches[6].AwayScore = 0;
    for (int g = 0; g < ResultData::GradeCount; ++g) {
        r.Prize[g] = Money::fromRaw(1234567890 + g);
        r.Winners[g] = Money::fromYen(11 * (g + 1));
        r.CarryOver[g] = Money::fromYen(g == 0 ? 123456789 : 0);
    }
    r.SaleStart = at(2021, 2, 26, 10, 0);
    r.SaleEnd = at(2021, 3, 6, 13, 50);
    r.ResultDate = day(2021, 3, 8);
    r.PayoutStart = day(2021, 3, 9);
    r.PayoutDeadline = day(2022, 3, 8);
    r.Sales = Money::fromYen(987654300);
    r.Votes = Money::fromYen(4938271);
    r.Tickets = Money::fromYen(1234567);
    return r;
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A document text written as the program writes files (Shift_JIS).
inline bool writeText(const QString& path, const QString& text) {
    return writeBytes(path, ShiftJis::encode(text));
}

} // namespace DrawDocumentSamples
