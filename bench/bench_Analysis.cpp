// The analysis of a list of one million singles: figures, what-if table, and both together as
// the analysis window computes them.
#include "BenchLists.h"
#include "analysis/BestGradeMap.h"
#include "analysis/ListAnalysis.h"
#include "analysis/ListFigures.h"
#include "analysis/SingleTally.h"
#include "analysis/WhatIfTable.h"
#include "singles/clsTMoney.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<qint32>& millionSingles() {
    static const std::vector<qint32> list = BenchLists::randomSingles(20261209);
    return list;
}

VoteData publishedVotes() {
    return BenchLists::publishedVotes(11);
}

// The evening of a draw: three results in, one by the user, the fourth match cancelled.
ResultMarks eveningMarks() {
    ResultMarks marks{};
    marks[1][0] = 1;
    marks[0][1] = 1;
    marks[2][2] = 2;
    marks[0][3] = marks[1][3] = marks[2][3] = 3;
    return marks;
}

// Tally, best-grade search and figures from the list as the window hands it over.
void AnalysisFigures(benchmark::State& state) {
    const VoteData vote = publishedVotes();
    clsTMoney estimates;
    estimates.SetVoteData(vote);
    const OutcomeModel model =
        OutcomeModel::fromDraw(vote, state.range(0) ? eveningMarks() : ResultMarks{});
    for (auto _ : state) {
        const SingleTally tally(millionSingles());
        const BestGradeMap best(tally, model);
        benchmark::DoNotOptimize(ListFigures::compute(tally, model, best, estimates));
    }
}
BENCHMARK(AnalysisFigures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void WhatIf(benchmark::State& state) {
    const OutcomeModel model =
        OutcomeModel::fromDraw(publishedVotes(), state.range(0) ? eveningMarks() : ResultMarks{});
    const SingleTally tally(millionSingles());
    const BestGradeMap best(tally, model);
    for (auto _ : state)
        benchmark::DoNotOptimize(WhatIfTable::compute(tally, model, best));
}
BENCHMARK(WhatIf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void WholeAnalysis(benchmark::State& state) {
    const VoteData vote = publishedVotes();
    clsTMoney estimates;
    estimates.SetVoteData(vote);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ListAnalysis::compute(millionSingles(), vote, eveningMarks(), estimates));
}
BENCHMARK(WholeAnalysis)->Unit(benchmark::kMillisecond);

} // namespace
