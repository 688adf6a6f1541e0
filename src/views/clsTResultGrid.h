#pragma once

#include "results/clsTResultCheck.h"
#include "singles/SingleCodec.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <vector>

class CellGrid;

// The single columns of the check page: ten singles of a page side by side, each as its nine
// marks coloured by the result (blue hit, red miss, yellow cancelled, white no result yet) over
// its grade number (green when it wins). Every cell tells its state in a tool tip.
class clsTResultGrid : public QObject {
    Q_OBJECT

public:
    static constexpr int Columns = 10;

    explicit clsTResultGrid(QObject* parent = nullptr);

    // Builds the grid in the host (cells lngWidth x lngHeight design pixels) and sizes the host.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    // Cells of this background colour show the picture.
    void SetColorImage(const QColor& color, const QIcon& picture);

    // What the tool tips name: the teams of each match and the result marks of the table.
    void SetMatches(const std::array<QString, MatchCount>& home,
                    const std::array<QString, MatchCount>& away, const ResultMarks& marks);

    // Page column c (0..9) shows the single at list position lngPosition.
    void SetColumn(int c, qint32 lngPosition, const SingleCodec::Marks& marks, quint8 grade,
                   const ResultMarks& hit);
    // Page column c shows nothing.
    void ClearColumn(int c);

    CellGrid* grid() const { return m_grid; }

private:
    void setCellColor(int column, int row, const QColor& color);
    QString markTip(int match, quint8 mark, quint8 hitState) const;

    CellGrid* m_grid = nullptr;
    std::vector<std::pair<QColor, QIcon>> m_pictures;
    std::array<QString, MatchCount> m_home;
    std::array<QString, MatchCount> m_away;
    ResultMarks m_marks{};
};
