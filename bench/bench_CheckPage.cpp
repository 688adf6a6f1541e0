// The check page with one million singles, through the real main window on the offscreen
// platform, the Qt progress window included: the switch to the page, a reveal, a click in the
// result-mark table and a page turn, each with the repaint of what it changed.
#include "BenchLists.h"
#include "app/CheckPage.h"
#include "app/QtPlatform.h"
#include "app/frmMain.h"
#include "drawdata/ResultData.h"
#include "views/clsTMultiResult.h"
#include "views/clsTResult.h"
#include "views/clsTResultGrid.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using BenchLists::ListLength;

// The Qt platform with a program folder of its own, holding the shipped data files, and
// messages kept out of the way instead of waiting for a click.
class BenchPlatform final : public QtPlatform {
public:
    BenchPlatform() {
        QDir().mkpath(m_folder.path() + QStringLiteral("/SysData/Temp"));
        const QDir shipped(QStringLiteral(KELVOR_SHIPPED_DATA));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name),
                        m_folder.path() + QStringLiteral("/SysData/") + name);
        install(this);
    }
    ~BenchPlatform() override { install(nullptr); }
    QString programFolder() const override { return m_folder.path(); }
    void showMessage(const QString& text, const QString&, MessageIcon) override {
        messages << text;
    }
    bool askYesNo(const QString&, const QString&, MessageIcon, bool defaultYes) override {
        return defaultYes;
    }
    QStringList messages;

private:
    QTemporaryDir m_folder;
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "kelvor-bench-check";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::vector<qint32> millionSingles() {
    return BenchLists::randomSingles(20261209);
}

ResultData someResult() {
    ResultData result;
    result.Kaisaikai = 1234;
    for (int k = 0; k < 9; ++k)
        result.Matches[std::size_t(k)].Mark = quint8((k * 5 + 1) % 3);
    result.Prize[0] = Money::fromYen(1000000);
    result.Winners[0] = Money::fromYen(2);
    return result;
}

// The window on the check page with the list.
struct CheckPageBench {
    QApplication& app = application();
    BenchPlatform platform;
    frmMain window;

    CheckPageBench() {
        window.resize(1100, 760);
        window.show();
        window.setSingleList(millionSingles());
    }
    clsTResult* view() const {
        return window.findChild<CheckPage*>(QStringLiteral("picMain_2"))->resultView();
    }
    void press(QWidget* target, const QPoint& at) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), target->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at),
                            target->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }
    void repaintViews() {
        view()->resultGrid()->grid()->repaint();
        view()->multiResult()->grid()->repaint();
    }
};

// Every visit of the page decodes and checks the whole list again.
void BM_SwitchToCheckPage(benchmark::State& state) {
    CheckPageBench bench;
    bench.window.ShowPage(2);
    for (auto _ : state) {
        bench.window.ShowPage(2);
        bench.repaintViews();
    }
}

void BM_RevealNext(benchmark::State& state) {
    CheckPageBench bench;
    bench.window.ShowPage(2);
    const ResultData result = someResult();
    for (auto _ : state) {
        state.PauseTiming();
        bench.view()->SetResultData(1234, QString(), result, false);
        state.ResumeTiming();
        bench.view()->SetNextData();
        bench.repaintViews();
    }
}

void BM_ResultMarkClick(benchmark::State& state) {
    CheckPageBench bench;
    bench.window.ShowPage(2);
    // A draw without its official result: every click is kept in the draw's temporary file.
    bench.view()->SetResultData(1234, QString(), ResultData(), false);
    CellGrid* marks = bench.view()->multiResult()->grid();
    const QPoint cell = marks->cellRect(2, 4).center();
    for (auto _ : state) {
        bench.press(marks, cell); // marks or clears match 3, saved to the draw's temporary file
        bench.repaintViews();
    }
}

void BM_PageTurn(benchmark::State& state) {
    CheckPageBench bench;
    bench.window.ShowPage(2);
    qint32 page = 0;
    for (auto _ : state) {
        page = page == 0 ? 1 : 0;
        bench.view()->MovePage(page);
        bench.view()->resultGrid()->grid()->repaint();
    }
}

} // namespace

BENCHMARK(BM_SwitchToCheckPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RevealNext)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultMarkClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMicrosecond);
