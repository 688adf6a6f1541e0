// The singles operations over a list of one million singles, with progress hooks that do
// nothing. Peak memory is the process's resident peak after all of them.
#include "BenchLists.h"
#include "io/clsTFileCSV.h"
#include "results/clsTResultCheck.h"
#include "singles/DuplicateSingles.h"
#include "singles/clsTSingleFrame.h"
#include "singles/clsTSingleSort.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

using BenchLists::ListLength;

const std::vector<qint32>& singles() {
    static const std::vector<qint32> list = BenchLists::randomSingles(20261208);
    return list;
}

VoteData publishedVotes() {
    return BenchLists::publishedVotes(7);
}

// Votes not yet published: every estimate of every single is equal.
VoteData unpublishedVotes() {
    VoteData vote;
    vote.Kaisaikai = 1234;
    return vote;
}

QString csvPath() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("Tovmi-1234.csv"));
}

void CsvSave(benchmark::State& state) {
    clsTFileCSV csv;
    for (auto _ : state)
        benchmark::DoNotOptimize(csv.CsvSave(csvPath(), ListLength, singles()));
}
BENCHMARK(CsvSave)->Unit(benchmark::kMillisecond);

void CsvLoad(benchmark::State& state) {
    clsTFileCSV csv;
    csv.CsvSave(csvPath(), ListLength, singles());
    for (auto _ : state) {
        qint32 count = 0;
        std::vector<qint32> loaded;
        csv.CsvLoad(csvPath(), count, loaded);
        if (count != ListLength)
            state.SkipWithError("load lost singles");
    }
}
BENCHMARK(CsvLoad)->Unit(benchmark::kMillisecond);

void SingleFrameCount(benchmark::State& state) {
    clsTSingleFrame frame;
    SingleFrame counts{};
    for (auto _ : state)
        benchmark::DoNotOptimize(frame.GetSingleFrame(ListLength, singles(), counts));
}
BENCHMARK(SingleFrameCount)->Unit(benchmark::kMillisecond);

template <typename Sort> void sortBench(benchmark::State& state, const VoteData& vote, Sort sort) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<qint32> list = singles();
        clsTSingleSort sorter;
        sorter.SetVoteData(vote);
        state.ResumeTiming();
        sort(sorter, list);
        benchmark::DoNotOptimize(list.data());
    }
}

void MoneySort(benchmark::State& state) {
    const qint32 type = qint32(state.range(0));
    sortBench(state, publishedVotes(),
              [type](clsTSingleSort& s, std::vector<qint32>& l) { s.MoneySort(l, type, false); });
}
BENCHMARK(MoneySort)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void MoneySortAllEqual(benchmark::State& state) {
    sortBench(state, unpublishedVotes(),
              [](clsTSingleSort& s, std::vector<qint32>& l) { s.MoneySort(l, 0, true); });
}
BENCHMARK(MoneySortAllEqual)->Unit(benchmark::kMillisecond);

void MarkSort(benchmark::State& state) {
    sortBench(state, publishedVotes(),
              [](clsTSingleSort& s, std::vector<qint32>& l) { s.MarkSort(l, 0, false); });
}
BENCHMARK(MarkSort)->Unit(benchmark::kMillisecond);

void NinkiSort(benchmark::State& state) {
    sortBench(state, publishedVotes(),
              [](clsTSingleSort& s, std::vector<qint32>& l) { s.NinkiSort(l, 0, false); });
}
BENCHMARK(NinkiSort)->Unit(benchmark::kMillisecond);

// Taking the list in and checking it against a fully revealed result.
void ResultCheck(benchmark::State& state) {
    ResultData result;
    result.Kaisaikai = 1234;
    for (int k = 0; k < 9; ++k)
        result.Matches[k].Mark = quint8(k % 3);
    clsTResultCheck check;
    check.SetResultData(1234, QString(), result, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(check.SetSingle(ListLength, singles()));
}
BENCHMARK(ResultCheck)->Unit(benchmark::kMillisecond);

void GradeSort(benchmark::State& state) {
    ResultData result;
    result.Kaisaikai = 1234;
    clsTResultCheck check;
    check.SetResultData(1234, QString(), result, true);
    check.SetSingle(ListLength, singles());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<qint32> list = singles();
        state.ResumeTiming();
        check.GradeSort(list, true);
    }
}
BENCHMARK(GradeSort)->Unit(benchmark::kMillisecond);

void DuplicateRemoval(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DuplicateSingles::removeDuplicates(singles()).size());
}
BENCHMARK(DuplicateRemoval)->Unit(benchmark::kMillisecond);

// Registered last so that it sees the peak of everything above.
void PeakMemory(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(singles().size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(PeakMemory)->Iterations(1);

} // namespace
