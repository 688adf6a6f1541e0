#include "analysis/Ledger.h"

#include "analysis/LedgerExport.h"
#include "drawdata/MatchCount.h"
#include "io/clsTFileCSV.h"
#include "singles/SingleCodec.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace {

constexpr qint64 SinglePriceYen = 200;

// Newest draw first, files of a draw by name; files without a draw at the end.
bool listedBefore(const LedgerRow& a, const LedgerRow& b) {
    const bool aKnown = a.kaisaikai > 0;
    const bool bKnown = b.kaisaikai > 0;
    if (aKnown != bKnown)
        return aKnown;
    if (a.kaisaikai != b.kaisaikai)
        return a.kaisaikai > b.kaisaikai;
    const int byName = a.fileName.compare(b.fileName, Qt::CaseInsensitive);
    return byName != 0 ? byName < 0 : a.path < b.path;
}

} // namespace

bool LedgerRow::counted() const {
    return !excluded && state != State::Unreadable && state != State::NoDraw;
}

bool LedgerRow::deadlineNear() const {
    return counted() && !payoutDeadline.isNull() && daysToDeadline >= 0 &&
           daysToDeadline < Ledger::DeadlineWarningDays;
}

std::vector<const LedgerRow*> Ledger::nearDeadlines() const {
    std::vector<const LedgerRow*> near;
    for (const LedgerRow& row : rows)
        if (row.deadlineNear())
            near.push_back(&row);
    std::stable_sort(near.begin(), near.end(), [](const LedgerRow* a, const LedgerRow* b) {
        return a->daysToDeadline < b->daysToDeadline;
    });
    return near;
}

QList<qint32> Ledger::drawsToFetch(const QDate& today) const {
    QList<qint32> draws;
    for (const LedgerRow& row : rows) {
        const bool announced = row.resultDate.isNull() || row.resultDate.date() <= today;
        if (row.counted() && row.state == LedgerRow::State::Waiting && announced &&
            !draws.contains(row.kaisaikai))
            draws.append(row.kaisaikai);
    }
    std::sort(draws.begin(), draws.end());
    return draws;
}

QStringList LedgerBuilder::listFiles(const QStringList& folders) const {
    QStringList paths;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QFileInfoList entries =
            QDir(folder).entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        for (const QFileInfo& entry : entries) {
            // One file reached by two paths (a link, a folder added twice) counts once.
            const QString path = entry.canonicalFilePath();
            if (!path.isEmpty() && !seen.contains(path)) {
                seen.insert(path);
                paths.append(path);
            }
        }
    }
    return paths;
}

void LedgerBuilder::settle(LedgerRow& row, const ResultData& result,
                           const std::vector<qint32>& singles) const {
    if (result.Cancelled) {
        row.state = LedgerRow::State::Refunded;
        row.winnings = row.cost;
    } else {
        row.state = LedgerRow::State::Settled;
        std::array<quint8, MatchCount> marks{};
        for (int k = 0; k < MatchCount; ++k)
            marks[std::size_t(k)] = result.Matches[std::size_t(k)].Mark;
        for (const qint32 number : singles) {
            const SingleCodec::Marks& single = SingleCodec::marksUnchecked(number);
            int misses = 0;
            for (int k = 0; k < MatchCount; ++k)
                // A cancelled match is a hit for every single.
                misses +=
                    marks[std::size_t(k)] != 3 && single[std::size_t(k)] != marks[std::size_t(k)];
            if (misses < 3)
                ++row.grades[std::size_t(misses)];
        }
        for (std::size_t g = 0; g < row.grades.size(); ++g)
            row.winnings += result.Prize[g] * row.grades[g];
    }
    row.net = row.winnings - row.cost;
    if (row.winnings > Money())
        row.payoutDeadline = result.PayoutDeadline;
}

LedgerRow LedgerBuilder::row(const QString& path, const Sources& sources) {
    LedgerRow row;
    row.path = path;
    row.fileName = QFileInfo(path).fileName();
    row.excluded = sources.excluded.contains(path);
    row.kaisaikai = clsTFileCSV().GetKaisaikai(path);
    const SinglesFileCache::Entry& file = m_files.read(path);
    if (!file.readable) {
        row.state = LedgerRow::State::Unreadable;
        row.note = file.reason;
        return row;
    }
    row.singles = qint64(file.content.singles.size());
    row.skippedLines = file.content.skippedCount;
    row.cost = Money::fromYen(SinglePriceYen) * row.singles;
    if (row.skippedLines > 0)
        row.note = QStringLiteral("シングルでない%1行は数えていません").arg(row.skippedLines);
    if (row.kaisaikai <= 0) {
        row.kaisaikai = 0;
        row.state = LedgerRow::State::NoDraw;
        row.note = QStringLiteral("ファイル名に開催回がありません（例：Tovmi-1234.csv）");
        return row;
    }
    const auto& schedule = m_draws.schedule(row.kaisaikai);
    if (schedule.record) {
        row.saleEnd = schedule.record->SaleEnd;
        row.resultDate = schedule.record->ResultDate;
    }
    const auto& result = m_draws.result(row.kaisaikai);
    if (result.record) {
        if (!result.record->SaleEnd.isNull())
            row.saleEnd = result.record->SaleEnd;
        settle(row, *result.record, file.content.singles);
        if (!row.payoutDeadline.isNull())
            row.daysToDeadline = sources.today.daysTo(row.payoutDeadline.date());
    } else if (result.stored) {
        row.state = LedgerRow::State::ResultUnreadable;
        row.note = QStringLiteral("結果ファイルを読み込めません：") + result.reason;
    }
    return row;
}

Ledger LedgerBuilder::build(const Sources& sources) {
    Ledger ledger;
    const QStringList paths = listFiles(sources.folders);
    m_files.keepOnly(QSet<QString>(paths.begin(), paths.end()));
    ledger.rows.reserve(std::size_t(paths.size()));
    for (const QString& path : paths) {
        // The ledger's own export is no list of singles.
        const SinglesFileCache::Entry& file = m_files.read(path);
        if (!file.readable || !LedgerExport::isExport(file.content))
            ledger.rows.push_back(row(path, sources));
    }
    std::sort(ledger.rows.begin(), ledger.rows.end(), listedBefore);

    // The running total after each draw, oldest draw first.
    std::map<qint32, Money> netByDraw;
    LedgerTotals& totals = ledger.totals;
    for (const LedgerRow& r : ledger.rows) {
        if (!r.counted())
            continue;
        ++totals.files;
        totals.singles += r.singles;
        totals.cost += r.cost;
        if (!r.settled()) {
            totals.waitingCost += r.cost;
            continue;
        }
        for (std::size_t g = 0; g < totals.grades.size(); ++g)
            totals.grades[g] += r.grades[g];
        totals.winnings += r.winnings;
        totals.net += r.net;
        netByDraw[r.kaisaikai] += r.net;
    }
    Money running;
    for (auto& [draw, net] : netByDraw) {
        running += net;
        net = running;
    }
    for (LedgerRow& r : ledger.rows)
        if (r.counted() && r.settled())
            r.runningTotal = netByDraw[r.kaisaikai];
    return ledger;
}
