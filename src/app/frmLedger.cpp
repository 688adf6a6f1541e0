#include "app/frmLedger.h"

#include "analysis/LedgerExport.h"
#include "analysis/LedgerTexts.h"
#include "app/DesktopAccess.h"
#include "app/ResultBulkFetch.h"
#include "app/frmMain.h"
#include "base/AtomicFileWriter.h"
#include "base/ErrorReporter.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>
#include <map>

namespace {

const QColor DeadlineColour(0xFF, 0xC8, 0xC8);
const QColor OtherDrawColour(0xEE, 0xF4, 0xFF);
const QString WindowTitle = QStringLiteral("収支");

QString yen(Money value) {
    return NumberFormat::format(value.wholeYen(), QStringLiteral("#,##0")) + u'円';
}

QString count(qint64 value) {
    return NumberFormat::format(value, QStringLiteral("#,##0"));
}

QStringList cells(const LedgerRow& row) {
    const bool settled = row.settled();
    const auto grade = [&](int g) {
        return settled ? count(row.grades[std::size_t(g)]) : QString();
    };
    QString note = row.note;
    if (row.excluded)
        note = QStringLiteral("集計から除外") + (note.isEmpty() ? QString() : u' ' + note);
    if (row.counted() && !row.payoutDeadline.isNull() && row.daysToDeadline < 0)
        note = QStringLiteral("払戻期限切れ") + (note.isEmpty() ? QString() : u' ' + note);
    return {row.kaisaikai > 0 ? QStringLiteral("第%1回").arg(row.kaisaikai)
                              : QStringLiteral("回不明"),
            LedgerTexts::date(row.saleEnd),
            row.fileName,
            row.state == LedgerRow::State::Unreadable ? QString() : count(row.singles),
            row.state == LedgerRow::State::Unreadable ? QString() : yen(row.cost),
            grade(0),
            grade(1),
            grade(2),
            settled ? yen(row.winnings) : QString(),
            settled ? yen(row.net) : QString(),
            settled && row.counted() ? yen(row.runningTotal) : QString(),
            LedgerTexts::state(row),
            LedgerTexts::date(row.payoutDeadline),
            note};
}

} // namespace

frmLedger::frmLedger(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmLedger"));
    setWindowTitle(WindowTitle);
    resize(1100, 760);

    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblWarning->setStyleSheet(QStringLiteral("color: #C00000; font-weight: bold;"));
    lblWarning->hide();

    grdLedger = new QTableWidget(0, int(LedgerExport::header().size()), this);
    grdLedger->setObjectName(QStringLiteral("grdLedger"));
    grdLedger->setHorizontalHeaderLabels(LedgerExport::header());
    grdLedger->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLedger->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLedger->setSelectionMode(QAbstractItemView::SingleSelection);
    grdLedger->verticalHeader()->setVisible(false);
    grdLedger->verticalHeader()->setDefaultSectionSize(22);
    grdLedger->horizontalHeader()->setStretchLastSection(true);
    grdLedger->setToolTip(QStringLiteral("ダブルクリックでその回とリストをメイン画面に開きます"));

    lblTotals = new QLabel(this);
    lblTotals->setObjectName(QStringLiteral("lblTotals"));
    lblTotals->setWordWrap(true);

    chtNet = new QChartView(new QChart, this);
    chtNet->setObjectName(QStringLiteral("chtNet"));
    chtNet->setRenderHint(QPainter::Antialiasing);
    chtNet->setMinimumHeight(220);
    chtNet->chart()->legend()->setAlignment(Qt::AlignBottom);

    const auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    cmdAddFolder = button(QStringLiteral("フォルダを追加..."), QStringLiteral("cmdAddFolder"));
    cmdRemoveFolder =
        button(QStringLiteral("追加したフォルダを外す..."), QStringLiteral("cmdRemoveFolder"));
    cmdExclude = button(QStringLiteral("集計から除外／戻す"), QStringLiteral("cmdExclude"));
    cmdFetch = button(QStringLiteral("結果をまとめて取得"), QStringLiteral("cmdFetch"));
    cmdExport = button(QStringLiteral("CSVに書き出し..."), QStringLiteral("cmdExport"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAddFolder, cmdRemoveFolder, cmdExclude, cmdFetch, cmdExport})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(grdLedger);
    splitter->addWidget(chtNet);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWarning);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(lblTotals);

    m_watcher = new QFileSystemWatcher(this);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(300);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_refreshTimer,
            qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_refreshTimer,
            qOverload<>(&QTimer::start));
    connect(m_refreshTimer, &QTimer::timeout, this, &frmLedger::Refresh);
    connect(cmdAddFolder, &QPushButton::clicked, this, &frmLedger::addFolder);
    connect(cmdRemoveFolder, &QPushButton::clicked, this, &frmLedger::removeFolder);
    connect(cmdExclude, &QPushButton::clicked, this, &frmLedger::toggleExcluded);
    connect(cmdFetch, &QPushButton::clicked, this, &frmLedger::fetchResults);
    connect(cmdExport, &QPushButton::clicked, this, &frmLedger::exportCsv);
    connect(grdLedger, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { rowActivated(row); });
    // Esc closes the window, as it closes the program's dialogs.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    m_settings = LedgerSettings::Load();
    Refresh();
}

void frmLedger::ShowFor(frmMain& main) {
    auto* window = main.findChild<frmLedger*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new frmLedger(&main);
        connect(window, &frmLedger::OpenDraw, &main, [&main](qint32, const QString& path) {
            main.openList(path);
            main.raise();
            main.activateWindow();
        });
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QStringList frmLedger::folders() const {
    return QStringList{Platform::current().userDataFolder()} + m_settings.folders;
}

void frmLedger::Refresh() {
    const WaitCursor wait;
    m_ledger = m_builder.build({folders(), m_settings.excluded, Platform::current().now().date()});
    watchFolders();
    showRows();
    showChart();
}

void frmLedger::watchFolders() {
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    const clsFileSystemObject fso;
    QStringList paths = folders();
    for (const QString& document :
         {clsXmlResult().GetFileName(1, {}), clsXmlSchedule().GetFileName(1, {})})
        paths.append(QFileInfo(fso.GetFullPath(document)).absolutePath());
    for (const LedgerRow& row : m_ledger.rows)
        paths.append(row.path);
    QStringList existing;
    for (const QString& path : paths)
        if (QFileInfo::exists(path) && !existing.contains(path))
            existing.append(path);
    if (!existing.isEmpty())
        m_watcher->addPaths(existing);
}

void frmLedger::showRows() {
    const QString warning = LedgerTexts::deadlineWarning(m_ledger);
    lblWarning->setText(warning);
    lblWarning->setVisible(!warning.isEmpty());

    grdLedger->setRowCount(int(m_ledger.rows.size()));
    bool shaded = false;
    qint32 previousDraw = -1;
    for (int r = 0; r < int(m_ledger.rows.size()); ++r) {
        const LedgerRow& row = m_ledger.rows[std::size_t(r)];
        // The files of one draw share a background, the next draw the other one.
        if (row.kaisaikai != previousDraw)
            shaded = !shaded;
        previousDraw = row.kaisaikai;
        const QStringList texts = cells(row);
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts.at(c));
            const bool number = (c >= 3 && c <= 10);
            item->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter);
            if (shaded)
                item->setBackground(OtherDrawColour);
            if (row.excluded || !row.counted())
                item->setForeground(Qt::gray);
            if (c == 12 && row.deadlineNear())
                item->setBackground(DeadlineColour);
            if (c == 2)
                item->setToolTip(row.path);
            grdLedger->setItem(r, c, item);
        }
    }
    grdLedger->resizeColumnsToContents();

    const LedgerTotals& t = m_ledger.totals;
    lblTotals->setText(
        QStringLiteral("合計　ファイル %1　シングル %2口　購入金額 %3　当せん %4／%5／%6口　"
                       "当せん金・返還 %7　収支 %8（結果の出た回）　結果待ちの購入金額 %9")
            .arg(count(t.files), count(t.singles), yen(t.cost), count(t.grades[0]),
                 count(t.grades[1]), count(t.grades[2]), yen(t.winnings), yen(t.net),
                 yen(t.waitingCost)));
}

void frmLedger::showChart() {
    QChart* chart = chtNet->chart();
    chart->removeAllSeries();
    // A removed axis is ours again.
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    // Draws in ascending order with their net and the running total after them.
    std::map<qint32, std::pair<Money, Money>> draws;
    for (const LedgerRow& row : m_ledger.rows) {
        if (!row.counted() || !row.settled())
            continue;
        auto& [net, running] = draws[row.kaisaikai];
        net += row.net;
        running = row.runningTotal;
    }
    auto* nets = new QBarSet(QStringLiteral("回ごとの収支"));
    auto* totals = new QLineSeries;
    totals->setName(QStringLiteral("累計"));
    QStringList categories;
    double low = 0;
    double high = 0;
    int index = 0;
    for (const auto& [draw, amounts] : draws) {
        categories.append(QString::number(draw));
        const double net = amounts.first.toDouble();
        const double running = amounts.second.toDouble();
        *nets << net;
        totals->append(index++, running);
        low = std::min({low, net, running});
        high = std::max({high, net, running});
    }
    auto* bars = new QBarSeries;
    bars->append(nets);
    chart->addSeries(bars);
    chart->addSeries(totals);
    chart->setTitle(QStringLiteral("回ごとの収支と累計（結果の出た回）"));
    auto* drawAxis = new QBarCategoryAxis;
    drawAxis->append(categories);
    drawAxis->setTitleText(QStringLiteral("開催回"));
    auto* yenAxis = new QValueAxis;
    yenAxis->setRange(low, high > low ? high : low + 1000);
    yenAxis->applyNiceNumbers();
    // The label format takes ASCII only; the unit goes into the title.
    yenAxis->setLabelFormat(QStringLiteral("%.0f"));
    yenAxis->setTitleText(QStringLiteral("円"));
    chart->addAxis(drawAxis, Qt::AlignBottom);
    chart->addAxis(yenAxis, Qt::AlignLeft);
    bars->attachAxis(drawAxis);
    bars->attachAxis(yenAxis);
    totals->attachAxis(drawAxis);
    totals->attachAxis(yenAxis);
}

const LedgerRow* frmLedger::selectedRow() const {
    const int row = grdLedger->currentRow();
    if (row < 0 || row >= int(m_ledger.rows.size()))
        return nullptr;
    return &m_ledger.rows[std::size_t(row)];
}

void frmLedger::rowActivated(int row) {
    if (row < 0 || row >= int(m_ledger.rows.size()))
        return;
    const LedgerRow& r = m_ledger.rows[std::size_t(row)];
    if (r.kaisaikai > 0 && r.state != LedgerRow::State::Unreadable)
        Q_EMIT OpenDraw(r.kaisaikai, r.path);
}

void frmLedger::saveSettings() {
    try {
        m_settings.Save();
    } catch (const RuntimeError& e) {
        ErrorReporter(QStringLiteral("frmLedger")).runtimeError(QStringLiteral("SaveSettings"), e);
    }
}

void frmLedger::addFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("収支に加えるフォルダ"), Platform::current().userDataFolder());
    if (folder.isEmpty() || m_settings.folders.contains(folder))
        return;
    m_settings.folders.append(folder);
    saveSettings();
    Refresh();
}

void frmLedger::removeFolder() {
    if (m_settings.folders.isEmpty()) {
        Platform::current().showMessage(QStringLiteral("追加したフォルダはありません。"),
                                        WindowTitle, MessageIcon::Information);
        return;
    }
    bool chosen = false;
    const QString folder =
        QInputDialog::getItem(this, WindowTitle, QStringLiteral("収支から外すフォルダ"),
                              m_settings.folders, 0, false, &chosen);
    if (!chosen)
        return;
    m_settings.folders.removeAll(folder);
    saveSettings();
    Refresh();
}

void frmLedger::toggleExcluded() {
    const LedgerRow* row = selectedRow();
    if (!row)
        return;
    if (!m_settings.excluded.remove(row->path))
        m_settings.excluded.insert(row->path);
    const int current = grdLedger->currentRow();
    saveSettings();
    Refresh();
    grdLedger->selectRow(current);
}

void frmLedger::fetchResults() {
    const QList<qint32> draws = m_ledger.drawsToFetch(Platform::current().now().date());
    if (draws.isEmpty()) {
        Platform::current().showMessage(QStringLiteral("取得する結果はありません。"), WindowTitle,
                                        MessageIcon::Information);
        return;
    }
    cmdFetch->setEnabled(false);
    const ResultBulkFetch::Summary summary = ResultBulkFetch::run(draws, this);
    cmdFetch->setEnabled(true);
    Refresh();
    Platform::current().showMessage(ResultBulkFetch::summaryText(summary), WindowTitle,
                                    summary.failed.isEmpty() ? MessageIcon::Information
                                                             : MessageIcon::Warning);
}

void frmLedger::exportCsv() {
    const QString path = DesktopAccess::current().saveFileName(
        this, QStringLiteral("収支をCSVに書き出し"), QStringLiteral("CSVファイル(*.csv)"),
        Platform::current().userDataFolder(), QStringLiteral("収支.csv"));
    if (path.isEmpty())
        return;
    try {
        AtomicFileWriter file(path);
        file.open();
        file.write(LedgerExport::csv(m_ledger));
        file.commit();
    } catch (const RuntimeError& e) {
        ErrorReporter(QStringLiteral("frmLedger")).runtimeError(QStringLiteral("ExportCsv"), e);
    }
}
