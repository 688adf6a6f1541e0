// The singles page of the real main window over a list of one million singles, on the offscreen
// platform: each figure includes the repaint that the change causes.
#include "BenchLists.h"
#include "app/MainMenus.h"
#include "singles/MarkAreaLayout.h"
#include "support/MainWindowFixture.h"
#include "views/MarkAreaWidget.h"
#include "views/clsTSingle.h"
#include "widgets/PageTurnImage.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using BenchLists::ListLength;

std::vector<qint32> millionSingles() {
    return BenchLists::randomSingles(20261209);
}

// One started window for all benchmarks, holding the million singles.
MainWindowFixture& window() {
    static MainWindowFixture* fixture = [] {
        auto* f = new MainWindowFixture;
        if (!f->start())
            qFatal("The main window did not start");
        f->window->setSingleList(millionSingles());
        f->window->menus().viewPage[1]->trigger();
        QApplication::processEvents();
        return f;
    }();
    return *fixture;
}

MarkAreaWidget* area() {
    return namedChild<MarkAreaWidget>(window().window.get(), QStringLiteral("picSingleMarks"));
}

template <typename F> void timed(benchmark::State& state, F&& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    QApplication::processEvents();
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

void BM_SwitchToSinglesPage(benchmark::State& state) {
    const MainMenus& menus = window().window->menus();
    for (auto _ : state) {
        menus.viewPage[0]->trigger();
        QApplication::processEvents();
        timed(state, [&] { menus.viewPage[1]->trigger(); });
    }
}
BENCHMARK(BM_SwitchToSinglesPage)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PageTurn(benchmark::State& state) {
    MainWindowFixture& f = window();
    auto* next = namedChild<PageTurnImage>(f.window.get(), QStringLiteral("imgSingleNext"));
    auto* previous = namedChild<PageTurnImage>(f.window.get(), QStringLiteral("imgSinglePrevious"));
    bool forward = true;
    for (auto _ : state) {
        timed(state, [&] { QTest::mouseClick(forward ? next : previous, Qt::LeftButton); });
        forward = !forward;
    }
}
BENCHMARK(BM_PageTurn)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_MarkChange(benchmark::State& state) {
    window().singlesPage()->singleView()->MovePage(500);
    MarkAreaWidget* marks = area();
    int mark = 1;
    for (auto _ : state) {
        timed(state, [&] {
            QTest::mouseClick(marks, Qt::LeftButton, {},
                              MarkAreaLayout::cellRect(4, mark, 6).center());
        });
        mark = mark == 1 ? 2 : 1;
    }
}
BENCHMARK(BM_MarkChange)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Add(benchmark::State& state) {
    QAction* add = window().window->menus().singleAdd;
    for (auto _ : state)
        timed(state, [&] { add->trigger(); });
}
BENCHMARK(BM_Add)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DeleteTenSelected(benchmark::State& state) {
    MainWindowFixture& f = window();
    clsTSingle* view = f.singlesPage()->singleView();
    MarkAreaWidget* marks = area();
    for (auto _ : state) {
        view->MovePage(1234);
        for (int column = 0; column < 10; ++column)
            QTest::mouseClick(marks, Qt::LeftButton, {},
                              MarkAreaLayout::numberRect(column).center());
        f.platform.answers = {true};
        timed(state, [&] { f.window->menus().singleDelete->trigger(); });
        if (f.window->singles().size() < std::size_t(ListLength) - 1000)
            f.window->setSingleList(millionSingles());
    }
}
BENCHMARK(BM_DeleteTenSelected)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
