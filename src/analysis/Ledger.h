#pragma once

#include "analysis/StoredDraws.h"
#include "base/DateTime.h"
#include "base/Money.h"
#include "io/SinglesFileCache.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// One singles file of the ledger: what it cost and, once its draw's result is stored, what it
// won.
struct LedgerRow {
    enum class State {
        Waiting,          // 結果待ち: the draw's result is not stored
        Settled,          // the result is stored: grades and prizes
        Refunded,         // the draw was cancelled: every single is refunded
        ResultUnreadable, // a stored result that cannot be read
        Unreadable,       // the singles file cannot be read
        NoDraw,           // 回不明: the file name gives no draw
    };

    QString path; // absolute, every link resolved
    QString fileName;
    qint32 kaisaikai = 0;
    DateTime saleEnd;
    DateTime resultDate; // announced date of the result, when known
    State state = State::Waiting;
    bool excluded = false; // left out of the totals by the user
    qint64 singles = 0;
    qint64 skippedLines = 0;
    Money cost;
    std::array<qint64, 3> grades{}; // singles of 1等, 2等, 3等
    Money winnings;                 // prizes, or the refund of a cancelled draw
    Money net;
    Money runningTotal;      // net of every settled draw up to this one, oldest first
    DateTime payoutDeadline; // of a row that won something
    qint64 daysToDeadline = 0;
    QString note; // why a file or its draw is not counted, or what was skipped

    bool counted() const;
    bool settled() const { return state == State::Settled || state == State::Refunded; }
    bool deadlineNear() const;
};

struct LedgerTotals {
    qint32 files = 0;
    qint64 singles = 0;
    Money cost;
    std::array<qint64, 3> grades{};
    Money winnings;
    Money net;         // of the settled files
    Money waitingCost; // of the files whose result is still missing
};

// The ledger: every singles file of the folders, grouped by draw with the newest draw first and
// the files whose name gives no draw last.
struct Ledger {
    // A warning is shown this many days before a payout deadline.
    static constexpr qint64 DeadlineWarningDays = 30;

    std::vector<LedgerRow> rows;
    LedgerTotals totals;

    // Counted rows that won and whose payout deadline is less than 30 days away, soonest first.
    std::vector<const LedgerRow*> nearDeadlines() const;
    // Draws with a counted file whose result is not stored and whose result date has passed or
    // is not known, ascending.
    QList<qint32> drawsToFetch(const QDate& today) const;
};

// Builds the ledger, reading each singles file and stored document once and again only when it
// changes.
class LedgerBuilder {
public:
    struct Sources {
        QStringList folders;    // the singles folder first, then the folders the user added
        QSet<QString> excluded; // paths (links resolved) of files left out of the totals
        QDate today;
    };

    Ledger build(const Sources& sources);

    const SinglesFileCache& files() const { return m_files; }

private:
    QStringList listFiles(const QStringList& folders) const;
    LedgerRow row(const QString& path, const Sources& sources);
    void settle(LedgerRow& row, const ResultData& result, const std::vector<qint32>& singles) const;

    SinglesFileCache m_files;
    StoredDraws m_draws;
};
