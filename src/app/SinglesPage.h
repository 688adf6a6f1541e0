#pragma once

#include <QPoint>
#include <QWidget>

class clsTSingle;
class clsTSingleGame;
class PageBar;
class SingleList;
struct ScheduleData;
struct VoteData;

// The singles page (シングル): its comment, buttons and page bar, and its views (the match
// list, the marks, the composition counts and the summary), which show the single list and
// write the user's edits to it. The buttons are announced as signals; the window decides what
// they do.
class SinglesPage : public QWidget {
    Q_OBJECT

public:
    SinglesPage(SingleList& list, QWidget* parent = nullptr);

    // The list from its first page, with the draw's matches and votes.
    void showDraw(const ScheduleData& schedule, const VoteData& vote);
    // The keyboard works the singles at once.
    void focusMarks();
    // Counts or percentages in the counts panel.
    void setPercent(bool on);
    // The Edit menu's commands on the list as shown.
    void selectAll(bool on);
    void addSingle();
    // strMarks: nine characters 0, 1 or 2, as 数値で追加 gives them.
    void addMarks(const QString& strMarks);
    void deleteSelected();
    // The page in the button-face colour, its panels in the inner-panel grey.
    void applyColourScheme();

    clsTSingle* singleView() const { return m_single; }
    clsTSingleGame* matchList() const { return m_matchList; }

Q_SIGNALS:
    void addClicked();
    void addByMarksClicked();
    // Where the sort pop-up goes (global): at the mouse pointer after a click, under the button
    // when the keyboard pressed it.
    void sortClicked(QPoint menuPlace);
    void deleteClicked();

private:
    void createViews(QWidget* matchList, QWidget* marks, QWidget* counts, QWidget* summary);
    void followList();

    SingleList& m_singleList;
    QWidget* m_base;
    QWidget* m_comment;
    PageBar* m_pageBar;
    clsTSingle* m_single = nullptr;
    clsTSingleGame* m_matchList = nullptr;
};
