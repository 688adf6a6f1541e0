#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/MarkGrid.h"
#include "drawdata/ResultData.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

// Result-mark flags per mark and match ([mark][match index]): 0 none, 1 official result, 2 set
// by the user, 3 match cancelled (on all three marks of the match).
using ResultMarks = MarkGrid<quint8>;

// Checks the single list against the result marks revealed so far: hits, grade numbers
// (misses + 1) and the count of singles per grade. A match without any result mark counts as a
// hit for every single, so until all nine results are in a grade is the best the single can
// still reach. The official result is revealed all at once or match by match; while a draw has
// no official result, the marks the user sets are kept in a temporary file of the draw. It is
// the logic of the check page, and reports its failures as that page's controller, clsTResult.
class clsTResultCheck {
public:
    // Hit states of the hit table: 0 miss, 1 and 2 hit, 3 cancelled (a hit), 4 no result yet.
    static constexpr quint8 Undecided = 4;
    // Grades 1 to 3 win in every mini BIG draw.
    static constexpr int MaxGrade = ResultData::GradeCount;
    static constexpr int GradeCount = 10;

    clsTResultCheck();

    // Takes the draw's result and reveals all of it (blnShowAll) or none; the reveal counter
    // starts again at 0. Returns True when the result marks changed.
    bool SetResultData(qint32 lngKaisaikai, const QString& strKumi, const ResultData& result,
                       bool blnShowAll);
    // Reveals one more official result; True when the result marks changed.
    bool SetNextData();
    // Reveals every official result; True when the result marks changed.
    bool SetAlltData();
    // No singles, no result marks, no grades; the draw stays.
    void Clear();

    // Takes the single list and checks it, confirmation included. With more than 10 000 singles
    // a progress window shows the work; window events run every 1001 singles. A count beyond
    // the array or a number that is no single is reported ("SetSingle_Sub") and leaves the list
    // empty.
    bool SetSingle(qint32 lngSingleCount, std::span<const qint32> lngSingle);

    // A change of the result-mark table (a click of the user when blnClick). Re-checks when the
    // marks differ from the current ones, confirmation only once all nine results are revealed;
    // a click is saved to the draw's temporary file while the draw has no official result.
    // True when the marks changed.
    bool SetMarks(const ResultMarks& marks, bool blnClick);

    // Reorders lngSingle, which must hold exactly the checked count, by grade number (Sorted:
    // fewest misses first). Otherwise reports "シングル数が一致しません" and changes nothing.
    bool GradeSort(std::span<qint32> lngSingle, bool Sorted);

    bool FullResult() const { return m_revealed == 9; }
    qint32 RevealCount() const { return m_revealed; }
    bool ResultExists() const { return m_resultExists; }
    qint32 Kaisaikai() const { return m_kaisaikai; }
    const QString& Kumi() const { return m_kumi; }
    const ResultData& Result() const { return m_result; }
    const ResultMarks& Marks() const { return m_marks; }
    ResultMarks HitTable() const;

    qint32 SingleCount() const { return qint32(m_singles.size()); }
    qint32 LastPage() const { return (SingleCount() - 1) / 10; }
    qint32 Single(qint32 position) const;
    // Grade number 1..10 of the single at a position.
    quint8 Grade(qint32 position) const;
    // Singles per grade: index misses (grade number - 1).
    const std::array<qint32, GradeCount>& GradeCounts() const { return m_gradeCounts; }
    // True when the last confirmation found all nine matches decided officially or cancelled:
    // the confirmed prize table then shows the result.
    bool Confirmed() const { return m_confirmed; }

    // The grade table's cells for grade number misses + 1: the count "#,##0" and the share of
    // all singles "##0%" ("0%" without singles).
    QString GradeCountText(int misses) const { return GradeCountText(m_gradeCounts, misses); }
    QString GradeRatioText(int misses) const { return GradeRatioText(m_gradeCounts, misses); }
    static QString GradeCountText(const std::array<qint32, GradeCount>& counts, int misses);
    static QString GradeRatioText(const std::array<qint32, GradeCount>& counts, int misses);

    // SysData/Temp/miniBIG_Result_007.dat, or miniBIG_Result_007_A.dat for group A, in the
    // program folder.
    static QString TempFilePath(qint32 lngKaisaikai, const QString& strKumi);

private:
    enum class Reveal { None, Next, All };
    bool reveal(Reveal mode);
    bool applyMarks(const ResultMarks& marks, bool confirm);
    void check(bool confirm);
    ResultMarks loadResultTemp() const;
    void saveResultTemp() const;

    qint32 m_kaisaikai = 0;
    QString m_kumi;
    ResultData m_result;
    bool m_resultExists = false;
    qint32 m_revealed = 0;
    ResultMarks m_marks{};
    std::vector<qint32> m_singles;
    // How often each single number occurs in the list, and its grade number.
    std::vector<qint32> m_perNumber;
    std::vector<quint8> m_gradeOf;
    std::array<qint32, GradeCount> m_gradeCounts{};
    bool m_confirmed = false;
    ErrorReporter m_reporter;
};
