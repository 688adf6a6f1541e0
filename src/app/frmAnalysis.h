#pragma once

#include "analysis/ListAnalysis.h"
#include "analysis/ListReturns.h"
#include "analysis/StoredDraws.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "results/clsTResultCheck.h"
#include "singles/clsTMoney.h"

#include <QWidget>
#include <memory>
#include <vector>

class QChartView;
class SingleList;
class QLabel;
class QTableWidget;
class QThread;

// The analysis window (分析): what the current single list is worth under the vote rates, as a
// table of figures, two bar charts and the what-if table of the matches still open. It is not
// modal and follows the list, the vote record and the result marks; the work runs on a thread
// of its own, so the program never waits for it.
class frmAnalysis : public QWidget {
    Q_OBJECT

public:
    explicit frmAnalysis(QWidget* owner);
    ~frmAnalysis() override;

    void SetSingle(const std::vector<qint32>& singles);
    // From now on the window shows this list: every change while it is open, the list as it is
    // when it is shown again.
    void FollowList(const SingleList& list);
    void SetDrawData(qint32 lngKaisaikai, const ScheduleData& schedule, const VoteData& vote);
    void SetResultMarks(const ResultMarks& marks);

    // The analysis on screen; null before the first one.
    const ListAnalysis* shownAnalysis() const { return m_shown.get(); }
    bool isComputing() const { return m_worker != nullptr; }

    QLabel* lblModel;
    QLabel* lblStatus;
    QTableWidget* grdCoverage;
    QTableWidget* grdExpected;
    QTableWidget* grdWhatIf;
    // Returns from mini BIG's own stored results.
    QLabel* lblReturns;
    QTableWidget* grdReturns;
    QChartView* chtGrades;
    QChartView* chtReturn;

Q_SIGNALS:
    // A fresh analysis is on screen.
    void AnalysisShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void inputChanged();
    void startComputation();
    void computationFinished();
    void showAnalysis(const ListAnalysis& analysis);
    void showCoverage(const ListFigures& figures);
    void showExpected(const ListFigures& figures);
    void showWhatIf(const ListAnalysis& analysis);
    void showCharts(const ListFigures& figures);
    void showReturns(const ListReturns& returns, qint64 singles);
    void readStoredResults();
    QString matchCaption(int k) const;

    const SingleList* m_list = nullptr;
    std::vector<qint32> m_singles;
    qint32 m_kaisaikai = 0;
    ScheduleData m_schedule;
    VoteData m_vote;
    ResultMarks m_marks{};
    clsTMoney m_estimates;
    StoredDraws m_storedDraws;
    ResultReturns m_pastReturns;
    ResultData m_ownResult;

    // Work in progress: its thread and where it leaves its answer.
    struct Outcome;
    QThread* m_worker = nullptr;
    std::shared_ptr<Outcome> m_outcome;
    bool m_stale = true;
    std::unique_ptr<ListAnalysis> m_shown;
};
