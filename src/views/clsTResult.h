#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"
#include "results/clsTResultCheck.h"
#include "singles/CountCells.h"
#include "singles/clsTSingleFrame.h"
#include "widgets/PageIndicator.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <span>

class clsTCount;
class clsTMultiResult;
class clsTResultGrade;
class clsTResultGrid;
class clsTResultKakutei;
class PageTurnImage;
class QLabel;
class QMenu;

// The check page's controller: checks the single list against the result marks through its
// clsTResultCheck and shows it ten singles a page (result grid), with the grade table, the
// result-mark table and the confirmed prize table. The official result is revealed all at once
// or match by match; the user can mark results by hand in the result-mark table.
class clsTResult : public QObject {
    Q_OBJECT

public:
    explicit clsTResult(QObject* parent = nullptr);
    ~clsTResult() override;

    void Initialize(QWidget* objPictureBox, QWidget* picGrade, QWidget* picMulti, QWidget* picCount,
                    QWidget* picKakutei, QWidget* picSuitei);
    void setSingleCountLabel(QLabel* label);
    void setPageLabel(QLabel* label);
    void setMovePreviousImage(PageTurnImage* image);
    void setMoveNextImage(PageTurnImage* image);
    void setMovePreviousImageDisable(const QPixmap& picture) {
        m_turners.setPreviousDisabled(picture);
    }
    void setMoveNextImageDisable(const QPixmap& picture) { m_turners.setNextDisabled(picture); }
    // The pop-up menu of the result-mark table ("中止").
    void setPopupMenu(QMenu* menu);

    // The counts panel: percentages instead of counts, and whether it is shown (over the grid).
    void setPercent(bool blnValue);
    void setCountVisible(bool blnValue);
    bool CountVisible() const;

    bool FullResult() const { return m_check.FullResult(); }
    void SetSingleFrame(const SingleFrame& lngValue, const CountFlags& blnVisible);
    void SetResultData(qint32 lngKaisaikai, const QString& strKumi, const ResultData& result,
                       bool blnShowAll);
    void SetNextData();
    void SetAlltData();
    void Clear();
    void SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle);
    bool GradeSort(std::span<qint32> lngSingle, bool Sorted);
    void SetPopup(int Index);

    // The teams that the tool tips of the result grid name when the result has none.
    void SetScheduleData(const ScheduleData& schedule);

    void MovePage(qint32 lngPage);
    qint32 CurrentPage() const { return m_page; }
    qint32 LastPage() const { return m_check.LastPage() < 0 ? 0 : m_check.LastPage(); }

    // The checking state: hits, grades, counts and the result marks.
    const clsTResultCheck& Check() const { return m_check; }
    clsTResultGrid* resultGrid() const { return m_grid; }
    clsTResultGrade* gradeTable() const { return m_grade; }
    clsTMultiResult* multiResult() const { return m_multi; }
    clsTResultKakutei* kakutei() const { return m_kakutei; }
    clsTCount* counts() const { return m_count; }

Q_SIGNALS:
    // The result marks or the single list changed and every single was checked again.
    void Checked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onMultiChange(bool click);
    // Shows the table of the check in the result-mark table, then the grades.
    void showReveal();
    void showCheck(bool confirm);
    void showPage();
    void updateMatchNames();
    bool onGridKey(int key);

    clsTResultCheck m_check;
    clsTCount* m_count = nullptr;
    clsTResultGrid* m_grid = nullptr;
    clsTResultGrade* m_grade = nullptr;
    clsTMultiResult* m_multi = nullptr;
    clsTResultKakutei* m_kakutei = nullptr;
    QPointer<QLabel> m_countLabel;
    PageIndicator m_turners;
    ScheduleData m_schedule;
    qint32 m_page = 0;
    bool m_revealing = false;
    bool m_initialized = false;
    ErrorReporter m_reporter;
};
