#pragma once

#include "results/clsTResultCheck.h"

#include <QObject>

class CellGrid;

// The grade table: how many singles reached each grade 1等 to 10等 and their share, the winning
// grades in blue.
class clsTResultGrade : public QObject {
    Q_OBJECT

public:
    explicit clsTResultGrade(QObject* parent = nullptr);

    // Builds the grid in the host (column 1 lngWidth wide, rows lngHeight high) and sizes the host.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    void SetValue(const std::array<qint32, clsTResultCheck::GradeCount>& lngValue,
                  qint32 lngKaisaikai);
    void Clear(qint32 lngKaisaikai);

    CellGrid* grid() const { return m_grid; }

private:
    CellGrid* m_grid = nullptr;
};
