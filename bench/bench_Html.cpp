// Reading a downloaded page as the official-site readers do: tokenizing it and taking its body
// lines. Pages of every size up to the download cap must read at 10 MB/s or better; the
// counters give the throughput and the process's resident peak.
#include "web/PageLines.h"
#include "web/clsHtmlGet.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

// The kinds of page: 0 tiny tags alone, 1 a line of one character after every tag, 2 a table
// page of the site's kind, 3 one long text full of runs of blanks and entities.
QByteArray pageOf(int kind, qsizetype bytes) {
    QByteArray unit;
    if (kind == 0)
        unit = "<b>";
    else if (kind == 1)
        unit = "<p>x";
    else if (kind == 3)
        unit = "a  &amp;#169;\n";
    else
        unit = "<tr><td>03/06</td><td>14:00</td><td>3</td><td>Kashima</td>"
               "<td>10,333(44.17%)</td><td>5,021(21.46%)</td><td>8,039(34.37%)</td>"
               "<td>Shimizu</td></tr>\n";
    QByteArray page = kind == 3 ? "<html><body><p>" : "<html><body>";
    page.reserve(bytes + unit.size());
    while (page.size() + unit.size() + 4 <= bytes)
        page += unit;
    return page + "</p>";
}

QString pageFile(int kind, qsizetype bytes) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page_%1_%2.html").arg(kind).arg(bytes));
    if (!QFile::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(pageOf(kind, bytes));
    }
    return path;
}

void HtmlPageLines(benchmark::State& state) {
    const int kind = int(state.range(0));
    const qsizetype bytes = qsizetype(state.range(1)) * 1024 * 1024;
    const QString path = pageFile(kind, bytes);
    for (auto _ : state) {
        clsHtmlGet page;
        page.GetFile(path);
        const PageLines lines = page.GetPageLines();
        benchmark::DoNotOptimize(lines.count());
    }
    state.SetBytesProcessed(qint64(state.iterations()) * bytes);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(HtmlPageLines)
    ->ArgsProduct({{0, 1, 2, 3}, {1, 10, 31}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
