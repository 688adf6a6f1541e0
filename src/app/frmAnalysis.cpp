#include "app/frmAnalysis.h"

#include "analysis/AnalysisTexts.h"
#include "app/ControlTips.h"
#include "base/NumberFormat.h"
#include "base/RuntimeError.h"
#include "drawdata/MarkGrid.h"
#include "singles/SingleList.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor BestOutcomeColour(0xC8, 0xF0, 0xC8);

QString outcomeCaption(int mark) {
    switch (mark) {
    case 1:
        return QStringLiteral("ホーム勝ち (1)");
    case 0:
        return QStringLiteral("その他 (0)");
    default:
        return QStringLiteral("アウェイ勝ち (2)");
    }
}

QTableWidget* newTable(QWidget* parent, const QStringList& headers, const QString& name) {
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(22);
    return table;
}

// A table of a few rows shows them all, without a scroll bar.
void fitRows(QTableWidget* table, int rows) {
    table->setRowCount(rows);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() +
                          rows * table->verticalHeader()->defaultSectionSize() +
                          2 * table->frameWidth());
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    if (table->rowCount() <= row)
        table->setRowCount(row + 1);
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells.at(c));
        item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                      : Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

QChartView* newChartView(QWidget* parent, const QString& name) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(320, 240);
    view->chart()->legend()->setAlignment(Qt::AlignBottom);
    return view;
}

} // namespace

// What the worker hands back: the analysis, or the reason there is none.
struct frmAnalysis::Outcome {
    std::unique_ptr<ListAnalysis> analysis;
    ListReturns returns;
    QString error;
};

frmAnalysis::frmAnalysis(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(QStringLiteral("分析"));
    resize(980, 760);

    lblModel = new QLabel(AnalysisTexts::modelSentence(), this);
    lblModel->setObjectName(QStringLiteral("lblModel"));
    lblModel->setWordWrap(true);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));

    grdCoverage = newTable(
        this, {QStringLiteral("最高等級"), QStringLiteral("結果の組合せ"), QStringLiteral("確率")},
        QStringLiteral("grdCoverage"));
    grdExpected = newTable(this,
                           {QStringLiteral("等級"), QStringLiteral("当せん口数の期待値"),
                            QStringLiteral("払戻金の期待値")},
                           QStringLiteral("grdExpected"));
    grdWhatIf = newTable(this,
                         {QStringLiteral("試合"), QStringLiteral("結果"), QStringLiteral("1等可能"),
                          QStringLiteral("2等以上可能"), QStringLiteral("3等以上可能"),
                          QStringLiteral("3等以上の確率")},
                         QStringLiteral("grdWhatIf"));
    grdReturns = newTable(this, {QStringLiteral("等級"), QStringLiteral("払戻見込み")},
                          QStringLiteral("grdReturns"));
    lblReturns = new QLabel(this);
    lblReturns->setObjectName(QStringLiteral("lblReturns"));
    lblReturns->setWordWrap(true);
    fitRows(grdCoverage, 4);
    fitRows(grdExpected, 6);
    fitRows(grdReturns, 6);
    chtGrades = newChartView(this, QStringLiteral("chtGrades"));
    chtReturn = newChartView(this, QStringLiteral("chtReturn"));

    auto* tables = new QVBoxLayout;
    tables->addWidget(
        new QLabel(QStringLiteral("リストの最高等級（残りの結果すべてについて）"), this));
    tables->addWidget(grdCoverage);
    tables->addWidget(new QLabel(QStringLiteral("期待値（推定金額による）"), this));
    tables->addWidget(grdExpected);
    tables->addWidget(lblReturns);
    tables->addWidget(grdReturns);
    tables->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(tables, 1);
    top->addWidget(chtGrades, 1);
    top->addWidget(chtReturn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblModel);
    layout->addWidget(lblStatus);
    layout->addLayout(top, 3);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "まだ結果の出ていない試合がその結果になったら（緑：シングルが最も多く残る結果）"),
        this));
    layout->addWidget(grdWhatIf, 2);

    // Esc closes the window, as it closes the program's dialogs.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    ControlTips::apply(this);
}

frmAnalysis::~frmAnalysis() {
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void frmAnalysis::SetSingle(const std::vector<qint32>& singles) {
    m_singles = singles;
    inputChanged();
}

void frmAnalysis::SetDrawData(qint32 lngKaisaikai, const ScheduleData& schedule,
                              const VoteData& vote) {
    m_kaisaikai = lngKaisaikai;
    m_schedule = schedule;
    m_vote = vote;
    // The estimates of the singles page; a vote record it cannot use leaves them at 0.
    m_estimates.SetVoteData(vote);
    readStoredResults();
    inputChanged();
}

void frmAnalysis::SetResultMarks(const ResultMarks& marks) {
    if (marks == m_marks && !m_stale)
        return;
    m_marks = marks;
    inputChanged();
}

void frmAnalysis::FollowList(const SingleList& list) {
    m_list = &list;
    const auto follow = [this] {
        if (isVisible())
            SetSingle(m_list->singles());
    };
    connect(&list, &SingleList::singlesReplaced, this, follow);
    connect(&list, &SingleList::singleChanged, this, follow);
}

void frmAnalysis::showEvent(QShowEvent* event) {
    // A hidden window was not kept up to date: the list may have changed since.
    if (m_list != nullptr && !event->spontaneous())
        SetSingle(m_list->singles());
    QWidget::showEvent(event);
    if (m_stale && !m_worker)
        startComputation();
}

// Only one computation runs at a time; changes that come while it runs are taken up by the next
// one, so a burst of edits costs two computations, not one each.
void frmAnalysis::inputChanged() {
    m_stale = true;
    if (isVisible() && !m_worker)
        startComputation();
}

void frmAnalysis::startComputation() {
    m_stale = false;
    lblStatus->setText(QStringLiteral("計算中..."));
    auto outcome = std::make_shared<Outcome>();
    m_outcome = outcome;
    m_worker = QThread::create([outcome, singles = m_singles, vote = m_vote, marks = m_marks,
                                estimates = m_estimates, past = m_pastReturns, own = m_ownResult] {
        try {
            outcome->analysis = std::make_unique<ListAnalysis>(
                ListAnalysis::compute(singles, vote, marks, estimates));
            outcome->returns =
                ListReturns::compute(SingleTally(singles), outcome->analysis->model, past, own);
        } catch (const RuntimeError& e) {
            outcome->error = e.description();
        } catch (const std::bad_alloc&) {
            outcome->error = QStringLiteral("メモリが足りません");
        }
    });
    connect(m_worker, &QThread::finished, this, &frmAnalysis::computationFinished);
    m_worker->start(QThread::LowPriority);
}

void frmAnalysis::computationFinished() {
    m_worker->deleteLater();
    m_worker = nullptr;
    const std::shared_ptr<Outcome> outcome = std::move(m_outcome);
    if (m_stale && isVisible()) {
        startComputation();
        return;
    }
    if (!outcome->analysis) {
        lblStatus->setText(QStringLiteral("分析できませんでした：") + outcome->error);
        return;
    }
    m_shown = std::move(outcome->analysis);
    showAnalysis(*m_shown);
    showReturns(outcome->returns, m_shown->figures.singleCount);
    Q_EMIT AnalysisShown();
}

void frmAnalysis::showAnalysis(const ListAnalysis& analysis) {
    const ListFigures& f = analysis.figures;
    QString status = m_kaisaikai > 0 ? QStringLiteral("第%1回　").arg(m_kaisaikai) : QString();
    status += QStringLiteral("シングル %1口（異なるシングル %2）　残りの結果 %3通り")
                  .arg(AnalysisTexts::count(f.singleCount), AnalysisTexts::count(f.distinctSingles),
                       AnalysisTexts::count(f.possibleOutcomes));
    if (m_vote.Kaisaikai == 0)
        status += QStringLiteral("　投票状況がないため推定金額はありません");
    lblStatus->setText(status);
    showCoverage(f);
    showExpected(f);
    showCharts(f);
    showWhatIf(analysis);
}

void frmAnalysis::showCoverage(const ListFigures& f) {
    const QStringList captions{QStringLiteral("1等"), QStringLiteral("2等以上"),
                               QStringLiteral("3等以上")};
    for (int g = 1; g <= 3; ++g)
        setRow(grdCoverage, g - 1,
               {captions.at(g - 1), AnalysisTexts::count(f.outcomesAtLeast(g)),
                AnalysisTexts::chance(f.chanceAtLeast(g))});
    setRow(grdCoverage, 3,
           {QStringLiteral("当せんなし"),
            AnalysisTexts::count(f.outcomesByBestGrade[ListFigures::Nothing]),
            AnalysisTexts::chance(f.nothingChance())});
}

void frmAnalysis::showExpected(const ListFigures& f) {
    for (int g = 0; g < 3; ++g)
        setRow(grdExpected, g,
               {QStringLiteral("%1等").arg(g + 1),
                AnalysisTexts::expectedCount(f.expectedWinners[g]),
                AnalysisTexts::yen(f.expectedReturn[g], f.returnBeyondRange)});
    setRow(grdExpected, 3,
           {QStringLiteral("合計"),
            AnalysisTexts::expectedCount(f.expectedWinners[0] + f.expectedWinners[1] +
                                         f.expectedWinners[2]),
            AnalysisTexts::yen(f.expectedTotal, f.returnBeyondRange)});
    setRow(grdExpected, 4, {QStringLiteral("購入金額"), QString(), AnalysisTexts::yen(f.cost)});
    QString balance;
    if (!f.returnBeyondRange)
        balance = AnalysisTexts::yen(f.expectedTotal - f.cost);
    setRow(grdExpected, 5, {QStringLiteral("期待収支"), QString(), balance});
}

void frmAnalysis::showCharts(const ListFigures& f) {
    QChart* grades = chtGrades->chart();
    grades->removeAllSeries();
    // A removed axis is ours again.
    for (QAbstractAxis* axis : grades->axes()) {
        grades->removeAxis(axis);
        delete axis;
    }
    auto* chances = new QBarSet(QStringLiteral("確率 (%)"));
    for (int i = 0; i < 4; ++i)
        *chances << f.chanceByBestGrade[i] * 100;
    chances->setLabelColor(Qt::black);
    auto* gradeSeries = new QBarSeries;
    gradeSeries->append(chances);
    gradeSeries->setLabelsVisible(true);
    gradeSeries->setLabelsPrecision(4);
    gradeSeries->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    grades->addSeries(gradeSeries);
    grades->setTitle(QStringLiteral("最高等級の確率"));
    auto* gradeAxis = new QBarCategoryAxis;
    gradeAxis->append({QStringLiteral("1等"), QStringLiteral("2等"), QStringLiteral("3等"),
                       QStringLiteral("なし")});
    auto* percentAxis = new QValueAxis;
    percentAxis->setRange(0, 100);
    percentAxis->setLabelFormat(QStringLiteral("%.0f%%"));
    grades->addAxis(gradeAxis, Qt::AlignBottom);
    grades->addAxis(percentAxis, Qt::AlignLeft);
    gradeSeries->attachAxis(gradeAxis);
    gradeSeries->attachAxis(percentAxis);
    grades->legend()->setVisible(false);

    QChart* money = chtReturn->chart();
    money->removeAllSeries();
    // A removed axis is ours again.
    for (QAbstractAxis* axis : money->axes()) {
        money->removeAxis(axis);
        delete axis;
    }
    auto* returnSeries = new QStackedBarSeries;
    double top = f.cost.toDouble();
    for (int g = 0; g < 3; ++g) {
        auto* set = new QBarSet(QStringLiteral("%1等").arg(g + 1));
        *set << f.expectedReturn[g].toDouble() << 0;
        returnSeries->append(set);
    }
    auto* cost = new QBarSet(QStringLiteral("購入金額"));
    *cost << 0 << f.cost.toDouble();
    returnSeries->append(cost);
    top = std::max(top, f.expectedTotal.toDouble());
    money->addSeries(returnSeries);
    money->setTitle(QStringLiteral("払戻金の期待値と購入金額"));
    auto* moneyAxis = new QBarCategoryAxis;
    moneyAxis->append({QStringLiteral("期待値"), QStringLiteral("購入金額")});
    auto* yenAxis = new QValueAxis;
    // An empty list still gets a scale of whole yen, not 0 to 1 in rounded labels.
    yenAxis->setRange(0, top > 0 ? top * 1.1 : 1000);
    yenAxis->applyNiceNumbers();
    // The label format takes ASCII only; the unit goes into the title.
    yenAxis->setLabelFormat(QStringLiteral("%.0f"));
    yenAxis->setTitleText(QStringLiteral("円"));
    money->addAxis(moneyAxis, Qt::AlignBottom);
    money->addAxis(yenAxis, Qt::AlignLeft);
    returnSeries->attachAxis(moneyAxis);
    returnSeries->attachAxis(yenAxis);
}

QString frmAnalysis::matchCaption(int k) const {
    const MatchInfo& match = m_schedule.Matches[std::size_t(k)];
    QString caption = QStringLiteral("第%1試合").arg(k + 1);
    if (!match.Home.isEmpty() || !match.Away.isEmpty())
        caption += u' ' + match.Home + QStringLiteral("－") + match.Away;
    return caption;
}

void frmAnalysis::showWhatIf(const ListAnalysis& analysis) {
    const WhatIfTable& w = analysis.whatIf;
    grdWhatIf->setRowCount(0);
    const auto cells = [](const QString& match, const QString& outcome,
                          const WhatIfTable::Reach& reach, double chance) {
        return QStringList{match,
                           outcome,
                           AnalysisTexts::count(reach[0]),
                           AnalysisTexts::count(reach[1]),
                           AnalysisTexts::count(reach[2]),
                           AnalysisTexts::chance(chance)};
    };
    setRow(grdWhatIf, 0, cells(QStringLiteral("現在"), QString(), w.reachNow, w.winChanceNow));
    int row = 1;
    for (const WhatIfTable::Row& r : w.rows) {
        for (const int m : ScreenMarkOrder) {
            setRow(grdWhatIf, row,
                   cells(m == ScreenMarkOrder[0] ? matchCaption(r.match) : QString(),
                         outcomeCaption(m), r.reach[std::size_t(m)], r.winChance[std::size_t(m)]));
            if (m == r.bestOutcome) {
                for (int c = 1; c < grdWhatIf->columnCount(); ++c) {
                    QTableWidgetItem* item = grdWhatIf->item(row, c);
                    item->setBackground(BestOutcomeColour);
                    QFont font = item->font();
                    font.setBold(true);
                    item->setFont(font);
                }
            }
            ++row;
        }
    }
}

// The stored results on the user-interface thread (read quietly, each file once until it
// changes); the worker gets the averages and the draw's own result.
void frmAnalysis::readStoredResults() {
    std::vector<ResultData> results;
    for (const qint32 draw : StoredDraws::storedResultDraws())
        if (const auto& result = m_storedDraws.result(draw); result.record)
            results.push_back(*result.record);
    m_pastReturns = ResultReturns::fromResults(results);
    const auto& own = m_storedDraws.result(m_kaisaikai);
    m_ownResult = own.record ? *own.record : ResultData();
}

void frmAnalysis::showReturns(const ListReturns& returns, qint64 singles) {
    const auto yen = [](double value) -> QString {
        return NumberFormat::format(value, QStringLiteral("#,##0")) + u'円';
    };
    const ResultReturns& past = m_pastReturns;
    grdReturns->clearContents();
    if (returns.basis == ListReturns::Basis::None) {
        lblReturns->setText(
            past.leftOut.empty()
                ? QStringLiteral("保存されたくじ結果がないため、払戻見込みはありません。")
                : QStringLiteral("保存されたくじ結果に使える回がないため（中止、または払戻金が"
                                 "売上金額と繰越金を超える回だけ）、払戻見込みはありません。"));
        return;
    }
    if (returns.basis == ListReturns::Basis::Confirmed) {
        lblReturns->setText(returns.refunded ? QStringLiteral("この回は中止です（1口200円を返還）")
                                             : QStringLiteral("この回の確定した当せん金"));
    } else {
        QStringList draws;
        for (const qint32 draw : past.draws.mid(0, 10))
            draws.append(QStringLiteral("第%1回").arg(draw));
        QString basis = draws.join(QStringLiteral("、"));
        if (past.draws.size() > 10)
            basis += QStringLiteral(" ほか%1回").arg(past.draws.size() - 10);
        lblReturns->setText(QStringLiteral("投票率どおりに試合が決まる場合の払戻見込み"
                                           "（保存されたくじ結果 %1回分による：%2）")
                                .arg(past.draws.size())
                                .arg(basis));
    }
    for (int g = 0; g < 3; ++g)
        setRow(grdReturns, g,
               {QStringLiteral("%1等").arg(g + 1), yen(returns.byGrade[std::size_t(g)])});
    setRow(grdReturns, 3, {QStringLiteral("合計"), yen(returns.total)});
    setRow(grdReturns, 4,
           {QStringLiteral("平均的な1口の払戻見込み"),
            past.usable() ? yen(past.averageSingle()) : QString()});
    setRow(
        grdReturns, 5,
        {QStringLiteral("購入金額"), yen(double(singles) * double(ListFigures::SinglePriceYen))});
}
