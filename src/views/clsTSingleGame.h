#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/ScheduleData.h"
#include "widgets/CellGrid.h"

#include <QObject>
#include <QPointer>

class QWidget;

// The match list left of the mark area: date, number, home and away team of the nine matches,
// one row per match in line with the rows of marks.
class clsTSingleGame : public QObject {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 4;
    static constexpr int RowCount = 10;
    static constexpr int ColumnWidth = 50;
    static constexpr int NumberWidth = 20;
    static constexpr int HeaderHeight = 20;

    explicit clsTSingleGame(QObject* parent = nullptr);

    // Builds the grid in objPictureBox with match rows lngHeight high, fills the headers and the
    // numbers 1..9; the host takes the grid's size.
    void Initialize(QWidget* objPictureBox, int lngHeight);
    // Dates ("mm/dd", empty for no date) and team names of the schedule's matches. Before
    // Initialize it reports "Initialize Err" and changes nothing.
    void SetScheduleData(const ScheduleData& schedule);

    CellGrid* grid() const { return m_grid; }

private:
    QPointer<CellGrid> m_grid;
    ErrorReporter m_reporter{QStringLiteral("clsTSingleGame")};
};
