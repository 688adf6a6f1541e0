#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/clsTotoData.h"

#include <QObject>

class CellGrid;
class clsTGraphEx;
class QWidget;
struct ScheduleData;
struct VoteData;

// The check page's match list: date, league, number, home and away team from the schedule, and
// per match the vote rates of the outcomes 1, 0, 2 with a three-part bar of the vote counts.
class clsTGame : public QObject {
    Q_OBJECT

public:
    explicit clsTGame(QObject* parent = nullptr);
    ~clsTGame() override;

    // Builds the grids and bars in the host and sizes the host; blnType shows the league column.
    void Initialize(QWidget* objPictureBox, bool blnType);
    void Schedure(const ScheduleData& schedule);
    void Vote(const VoteData& vote);

    CellGrid* mainGrid() const { return m_main; }
    CellGrid* voteGrid() const { return m_vote; }
    QWidget* surface() const { return m_surface; }
    clsTGraphEx* graphs() const { return m_graphs; }

Q_SIGNALS:
    // A click on the vote rates or on a bar.
    void VoteClick();

private:
    CellGrid* m_main = nullptr;
    QWidget* m_surface = nullptr;
    CellGrid* m_vote = nullptr;
    clsTGraphEx* m_graphs = nullptr;
    clsTotoData m_totoData;
    bool m_ready = false;
    ErrorReporter m_reporter;
};
