#include "app/ResultBulkFetch.h"

#include "base/QuietPrompts.h"
#include "documents/clsResult.h"
#include "web/ConnectionWindow.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

namespace {

// Stands in front of the installed connection window for a run and remembers whether the user
// asked to stop, which the window itself forgets when the transfer ends.
class StopLatch final : public ConnectionWindow {
public:
    explicit StopLatch(ConnectionWindow* window) : m_window(window) {
        ConnectionWindow::install(this);
    }
    ~StopLatch() override { ConnectionWindow::install(m_window); }
    StopLatch(const StopLatch&) = delete;
    StopLatch& operator=(const StopLatch&) = delete;

    bool stopped() const { return m_stopped; }

    void showFor(QObject* owner) override { m_window->showFor(owner); }
    void addItem(const QString& item) override { m_window->addItem(item); }
    void extendLastItem(const QString& text) override { m_window->extendLastItem(text); }
    void unload(QObject* owner) override { m_window->unload(owner); }
    void transferRunning() override { m_window->transferRunning(); }
    bool stopRequested() const override {
        m_stopped = m_stopped || m_window->stopRequested();
        return m_stopped;
    }
    void transferEnded() override { m_window->transferEnded(); }

private:
    ConnectionWindow* m_window;
    mutable bool m_stopped = false;
};

// The pause before the next request; the connection window stays responsive, and 中止 ends it.
void pause(const QElapsedTimer& sinceLastStart, StopLatch* latch) {
    while (sinceLastStart.elapsed() < ResultBulkFetch::PauseMilliseconds) {
        if (latch) {
            latch->transferRunning();
            if (latch->stopRequested())
                return;
        }
        QThread::msleep(50);
    }
}

QString drawList(const QList<qint32>& draws) {
    QStringList names;
    for (const qint32 draw : draws)
        names.append(QStringLiteral("第%1回").arg(draw));
    return names.join(QStringLiteral("、"));
}

} // namespace

ResultBulkFetch::Summary ResultBulkFetch::run(const QList<qint32>& draws, QObject* owner) {
    Summary summary;
    ConnectionWindow* window = ConnectionWindow::current();
    std::unique_ptr<StopLatch> latch;
    if (window)
        latch = std::make_unique<StopLatch>(window);
    clsResult result;
    result.Initialize(owner);
    result.SetProgressClose(false);
    QElapsedTimer sinceLastStart;
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const qint32 draw = draws.at(i);
        if (i > 0)
            pause(sinceLastStart, latch.get());
        if (latch && latch->stopped()) {
            summary.notTried = draws.mid(i);
            break;
        }
        sinceLastStart.start();
        const QuietPrompts quiet;
        const bool complete = result.GetResult(draw, QString(), clsResult::Download, false);
        if (complete && result.CheckResultFile(draw, QString()))
            summary.stored.append(draw);
        else if (result.Unpublished())
            summary.unpublished.append(draw);
        else if (latch && latch->stopped())
            summary.failed.append({draw, QStringLiteral("中止しました")});
        else if (!quiet.messages().isEmpty())
            summary.failed.append({draw, quiet.messages().constFirst()});
        else if (complete)
            summary.failed.append({draw, QStringLiteral("保存できませんでした")});
        else
            summary.failed.append({draw, QStringLiteral("結果を読み取れませんでした")});
    }
    if (window)
        window->transferEnded();
    result.SetProgressClose(true);
    return summary;
}

QString ResultBulkFetch::summaryText(const Summary& summary) {
    QStringList lines;
    if (!summary.stored.isEmpty())
        lines.append(QStringLiteral("保存しました：") + drawList(summary.stored));
    if (!summary.unpublished.isEmpty())
        lines.append(QStringLiteral("まだ発表されていません：") + drawList(summary.unpublished));
    for (const auto& [draw, reason] : summary.failed)
        lines.append(
            QStringLiteral("取得できませんでした：第%1回（%2）")
                .arg(draw)
                .arg(QString(reason).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    if (!summary.notTried.isEmpty())
        lines.append(QStringLiteral("中止したため取得していません：") + drawList(summary.notTried));
    if (lines.isEmpty())
        return QStringLiteral("取得する結果はありません。");
    return lines.join(QStringLiteral("\r\n"));
}
