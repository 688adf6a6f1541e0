// The ledger of a long season: 500 draws of 1 000 singles each, every result stored. The first
// listing reads every file; a listing after that reads only what changed.
#include "analysis/Ledger.h"
#include "base/Platform.h"
#include "drawdata/MatchCount.h"
#include "drawdata/clsXmlResult.h"
#include "singles/SingleCodec.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Draws = 500;
constexpr int SinglesPerDraw = 1000;

class NoProgress final : public ProgressWindow {
public:
    void setValue(qint64) override {}
    void setMessage(const QString&) override {}
    void setMaximum(qint64) override {}
};

// A program folder of its own, holding the season.
class SeasonPlatform final : public Platform {
public:
    SeasonPlatform() { Platform::install(this); }
    ~SeasonPlatform() override { Platform::install(nullptr); }
    SeasonPlatform(const SeasonPlatform&) = delete;
    SeasonPlatform& operator=(const SeasonPlatform&) = delete;

    void showMessage(const QString&, const QString&, MessageIcon) override {}
    bool askYesNo(const QString&, const QString&, MessageIcon, bool yes) override { return yes; }
    Answer askYesNoCancel(const QString&, const QString&, MessageIcon, Answer a) override {
        return a;
    }
    QString programFolder() const override { return m_folder.path(); }
    DateTime now() const override { return DateTime::fromDate(QDate(2026, 12, 9)); }
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    std::unique_ptr<ProgressWindow> openProgress(const QString&, qint64) override {
        return std::make_unique<NoProgress>();
    }

private:
    QTemporaryDir m_folder;
};

void writeSeason() {
    QRandomGenerator random(26);
    const QString folder = Platform::current().userDataFolder();
    QDir().mkpath(folder);
    for (int draw = 1001; draw < 1001 + Draws; ++draw) {
        QByteArray bytes;
        for (int i = 0; i < SinglesPerDraw; ++i) {
            const SingleCodec::Marks& marks =
                SingleCodec::marksUnchecked(qint32(random.bounded(SingleCodec::SingleCount)));
            for (int k = 0; k < MatchCount; ++k) {
                bytes += char('0' + marks[std::size_t(k)]);
                bytes += k + 1 < MatchCount ? "," : "\r\n";
            }
        }
        QFile file(folder + QStringLiteral("/Tovmi-%1.csv").arg(draw));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
        ResultData result;
        result.Kaisaikai = draw;
        for (ResultMatch& match : result.Matches)
            match.Mark = quint8(random.bounded(3));
        result.Prize = {Money::fromYen(500000), Money::fromYen(6000), Money::fromYen(800)};
        result.PayoutDeadline = DateTime::fromDate(QDate(2027, 1, 1).addDays(draw - 1001));
        clsXmlResult xml;
        xml.SetData(result);
        if (!xml.XmlSave(xml.GetFileName(draw, QString())))
            std::abort();
    }
}

LedgerBuilder::Sources season() {
    return {{Platform::current().userDataFolder()}, {}, QDate(2026, 12, 9)};
}

void LedgerFirstListing(benchmark::State& state) {
    const SeasonPlatform platform;
    writeSeason();
    for (auto _ : state) {
        LedgerBuilder builder;
        benchmark::DoNotOptimize(builder.build(season()));
    }
}
BENCHMARK(LedgerFirstListing)->Unit(benchmark::kMillisecond);

void LedgerListingAgain(benchmark::State& state) {
    const SeasonPlatform platform;
    writeSeason();
    LedgerBuilder builder;
    builder.build(season());
    for (auto _ : state)
        benchmark::DoNotOptimize(builder.build(season()));
}
BENCHMARK(LedgerListingAgain)->Unit(benchmark::kMillisecond);

} // namespace
