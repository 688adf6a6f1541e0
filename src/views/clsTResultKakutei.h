#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ResultData.h"
#include "results/clsTResultCheck.h"

#include <QObject>

class CellGrid;

// The confirmed prize table (確定): per grade the draw's prize, official number of winning 口 and
// carry-over next to the user's winning singles and winnings, with totals. A table with nothing
// to show (cleared, or the result not yet confirmed) has no figures at all.
class clsTResultKakutei : public QObject {
    Q_OBJECT

public:
    explicit clsTResultKakutei(QObject* parent = nullptr);

    // Builds the grid in the host (column 1 lngWidth wide, rows lngHeight high) and sizes the host.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    void SetResultData(const ResultData& result);
    void SetValue(const std::array<qint32, clsTResultCheck::GradeCount>& lngValue);
    void Clear();

    CellGrid* grid() const { return m_grid; }

private:
    void redraw();

    CellGrid* m_grid = nullptr;
    ResultData m_result;
    std::array<qint32, clsTResultCheck::GradeCount> m_counts{};
    ErrorReporter m_reporter;
};
