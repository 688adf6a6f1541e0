#pragma once

#include "drawdata/VoteData.h"
#include "singles/PopularityRanks.h"
#include "singles/clsTMoney.h"
#include "widgets/CellGrid.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The summary grid under the mark area: per single of the page its estimated 1等, 2等 and 3等
// prize, its count of marks 1, 0, 2 and its count of 1st, 2nd and 3rd most voted marks.
class clsTSingleList : public QObject {
    Q_OBJECT

public:
    static constexpr int ColumnCount = 11;
    static constexpr int RowCount = 5;
    static constexpr int CaptionWidth = 112;

    explicit clsTSingleList(QObject* parent = nullptr);

    // Builds the grid in objPictureBox: the caption column and ten single columns of lngWidth,
    // rows of lngHeight (design pixels); the host takes the grid's size.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    // Fills grid column Index + 2 for single lngValue; a negative number clears the column.
    void SetData(int Index, qint32 lngValue);
    // The estimates and popularity of later SetData calls; a record with draw number 0 leaves
    // the popularity row empty.
    void SetVoteData(const VoteData& vote);

    // The texts of one single's cells, rows 1..5 in order.
    std::array<QString, RowCount> Texts(qint32 lngValue) const;

    CellGrid* grid() const { return m_grid; }

private:
    clsTMoney m_money;
    PopularityTable m_ninki{};
    bool m_ninkiValid = false;
    QPointer<CellGrid> m_grid;
    ErrorReporter m_reporter{QStringLiteral("clsTSingleList")};
};
