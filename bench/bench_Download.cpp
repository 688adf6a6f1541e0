// A download of a page near the size cap through the real connection window, from a loopback
// server, on the offscreen platform: the figure includes the window's log and repaints.
#include "app/frmWinInet.h"
#include "support/FakePlatform.h"
#include "support/LoopbackHttpServer.h"
#include "web/clsWinInet.h"

#include <QCoreApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void DownloadThroughTheWindow(benchmark::State& state) {
    const qsizetype bytes = qsizetype(state.range(0)) * 1024 * 1024;
    FakePlatform platform;
    // As the program's platform does: the window's keep-alive lets every window repaint.
    platform.onProcessEvents = [] { QCoreApplication::processEvents(); };
    LoopbackHttpServer server;
    if (!server.start()) {
        state.SkipWithError("no loopback port");
        return;
    }
    server.setRoute(QStringLiteral("/page"), 200, QByteArray(bytes, 'b'));
    QWidget owner;
    owner.show();
    frmWinInet window;
    ConnectionWindow::install(&window);
    clsWinInet client;
    const QString url = server.baseUrl() + QStringLiteral("/page");
    for (auto _ : state) {
        QByteArray body;
        benchmark::DoNotOptimize(client.GetHttpData(url, body, QString(), &owner));
    }
    ConnectionWindow::install(nullptr);
    state.SetBytesProcessed(qint64(state.iterations()) * bytes);
}
BENCHMARK(DownloadThroughTheWindow)
    ->Arg(1)
    ->Arg(31)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

} // namespace
