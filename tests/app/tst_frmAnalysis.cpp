#include "analysis/AnalysisTexts.h"
#include "app/frmAnalysis.h"
#include "drawdata/clsXmlResult.h"
#include "support/FakePlatform.h"
#include "support/TestMain.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>

namespace {

VoteData publishedVotes() {
    VoteData vote;
    vote.Kaisaikai = 41;
    for (int k = 0; k < 9; ++k)
        for (int m = 0; m < 3; ++m)
            vote.Matches[k].Outcomes[m].Votes = Money::fromYen(1000 + 700 * m + 300 * k);
    return vote;
}

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class tst_frmAnalysis : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_platform = std::make_unique<FakePlatform>();
        m_owner = std::make_unique<QWidget>();
        m_window = new frmAnalysis(m_owner.get());
    }
    void cleanup() {
        m_owner.reset();
        m_platform.reset();
    }

    // A separate, non-modal window that computes only once it is shown, then shows what the
    // analysis found.
    void showsTheFiguresOfTheList() {
        QSignalSpy shown(m_window, &frmAnalysis::AnalysisShown);
        m_window->SetDrawData(41, ScheduleData(), publishedVotes());
        m_window->SetSingle({0, 0, 14383, 9841});
        QVERIFY(!m_window->isComputing());
        m_window->show();
        QVERIFY(m_window->isWindow());
        QCOMPARE(m_window->windowModality(), Qt::NonModal);
        QVERIFY(shown.wait(5000));
        const ListAnalysis* analysis = m_window->shownAnalysis();
        QVERIFY(analysis);
        const ListFigures& f = analysis->figures;
        QCOMPARE(f.singleCount, qint64(4));
        QCOMPARE(cell(m_window->grdCoverage, 2, 1), AnalysisTexts::count(f.outcomesAtLeast(3)));
        QCOMPARE(cell(m_window->grdCoverage, 3, 2), AnalysisTexts::chance(f.nothingChance()));
        QCOMPARE(cell(m_window->grdExpected, 3, 2), AnalysisTexts::yen(f.expectedTotal));
        QCOMPARE(cell(m_window->grdExpected, 4, 2), QStringLiteral("800円"));
        QVERIFY(m_window->lblModel->text().contains(QStringLiteral("予想ではありません")));
        // Nine open matches of three outcomes, after the row of the present.
        QCOMPARE(m_window->grdWhatIf->rowCount(), 1 + 27);
        const auto* series =
            qobject_cast<QBarSeries*>(m_window->chtGrades->chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->barSets().value(0)->count(), 4);
        QCOMPARE(series->barSets().value(0)->at(3), f.nothingChance() * 100);
    }

    // The returns rest on the stored results: no figure without one, then the average 口 and the
    // draws it rests on.
    void returnsFromStoredResults() {
        QSignalSpy shown(m_window, &frmAnalysis::AnalysisShown);
        m_window->SetDrawData(41, ScheduleData(), publishedVotes());
        m_window->SetSingle({0, 9841});
        m_window->show();
        QVERIFY(shown.wait(5000));
        QVERIFY(
            m_window->lblReturns->text().startsWith(QStringLiteral("保存されたくじ結果がない")));
        QCOMPARE(cell(m_window->grdReturns, 3, 1), QString());

        ResultData past;
        past.Kaisaikai = 40;
        past.Prize = {Money::fromYen(400000), Money::fromYen(5000), Money::fromYen(500)};
        past.Winners = {Money::fromYen(1), Money::fromYen(20), Money::fromYen(150)};
        past.Votes = Money::fromYen(10000);
        past.Sales = Money::fromYen(2000000);
        clsXmlResult xml;
        xml.SetData(past);
        QVERIFY(xml.XmlSave(xml.GetFileName(40, QString())));
        m_window->SetDrawData(41, ScheduleData(), publishedVotes());
        QVERIFY(shown.wait(5000));
        QVERIFY(m_window->lblReturns->text().contains(QStringLiteral("第40回")));
        // 40 + 10 + 7.5 yen a 口.
        QCOMPARE(cell(m_window->grdReturns, 4, 1), QStringLiteral("58円"));
        QCOMPARE(cell(m_window->grdReturns, 5, 1), QStringLiteral("400円"));
    }

    // Result marks take decided matches out of the what-if table, and the outcome that keeps
    // the most singles alive is marked.
    void followsTheResultMarks() {
        QSignalSpy shown(m_window, &frmAnalysis::AnalysisShown);
        m_window->SetDrawData(41, ScheduleData(), publishedVotes());
        m_window->SetSingle({9841, 9841, 0});
        m_window->show();
        QVERIFY(shown.wait(5000));
        ResultMarks marks{};
        marks[0][0] = 2;
        marks[0][1] = marks[1][1] = marks[2][1] = 3;
        m_window->SetResultMarks(marks);
        QVERIFY(shown.wait(5000));
        QCOMPARE(m_window->shownAnalysis()->figures.possibleOutcomes, 2187);
        QCOMPARE(m_window->grdWhatIf->rowCount(), 1 + 21);
        // Match 3: a home win or a draw keeps all three able to win, but only a draw keeps the
        // blank single able to reach 1等.
        QVERIFY(cell(m_window->grdWhatIf, 1, 0).startsWith(QStringLiteral("第3試合")));
        QCOMPARE(cell(m_window->grdWhatIf, 1, 1), QStringLiteral("ホーム勝ち (1)"));
        QCOMPARE(cell(m_window->grdWhatIf, 1, 4), QStringLiteral("3"));
        QVERIFY(!m_window->grdWhatIf->item(1, 2)->font().bold());
        QVERIFY(m_window->grdWhatIf->item(2, 2)->font().bold());
    }

    // A burst of changes while a computation runs ends in the last list, without one
    // computation per change.
    void burstOfChangesEndsInTheLastList() {
        QSignalSpy shown(m_window, &frmAnalysis::AnalysisShown);
        m_window->show();
        std::vector<qint32> list(200000);
        for (int i = 0; i < 10; ++i) {
            list.assign(std::size_t(20000 * (i + 1)), qint32(i));
            m_window->SetSingle(list);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isComputing() && m_window->shownAnalysis() &&
                                     m_window->shownAnalysis()->figures.singleCount == 200000,
                                 10000);
        QVERIFY(shown.count() <= 3);
        QCOMPARE(m_window->shownAnalysis()->figures.distinctSingles, 1);
    }

    // The owner may go while the work runs.
    void closingWhileComputingIsSafe() {
        m_window->show();
        m_window->SetSingle(std::vector<qint32>(300000, 5));
        QVERIFY(m_window->isComputing());
        m_owner.reset();
    }

private:
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_owner;
    frmAnalysis* m_window = nullptr;
};

KELVOR_TEST_MAIN(tst_frmAnalysis)
#include "tst_frmAnalysis.moc"
