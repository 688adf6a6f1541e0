#pragma once

#include <QWidget>

class clsTGame;
class clsTResult;
class clsTResultCheck;
class PageBar;
class QCheckBox;
class QMenu;
class QPushButton;
class SingleList;
struct ResultData;
struct ScheduleData;
struct VoteData;

// The check page (チェック): its buttons, check box and page bar, and its views (the game panel,
// the result-mark table, the result grid, the grade table and the confirmed prizes), which check
// the single list against the result marks. The buttons are announced as signals; the window
// decides what they do.
class CheckPage : public QWidget {
    Q_OBJECT

public:
    CheckPage(SingleList& list, QWidget* parent = nullptr);

    // The draw's matches, votes and result, and the list checked against it.
    void showDraw(qint32 kaisaikai, const QString& kumi, const ScheduleData& schedule,
                  const VoteData& vote, const ResultData& result);
    // The next hidden result, or all of them.
    void showNextResult();
    void showAllResults();
    // The list in the order of its grades; false when there is nothing to sort.
    bool sortByHits(bool ascending);
    // Counts or percentages in the counts panel.
    void setPercent(bool on);

    // 「常に全ての結果を表示する」
    bool showAllAlways() const;
    void setShowAllAlways(bool on);
    // The page in the button-face colour, its panels in the inner-panel grey.
    void applyColourScheme();

    // The checking state: hits, grades, counts and the result marks.
    const clsTResultCheck& resultCheck() const;
    clsTResult* resultView() const { return m_result; }
    clsTGame* gamePanel() const { return m_game; }
    // The result-mark table's pop-up menu, whose only item is 「中止」.
    QMenu* resultMarkPopup() const { return m_popup7; }

Q_SIGNALS:
    void showNextClicked();
    void showAllClicked();
    void sortByHitsClicked();
    // The result marks or the list changed and every single was checked again.
    void Checked();

private:
    struct ViewHosts;
    void createViews(const ViewHosts& hosts);
    void followList();
    void checkSingles();
    // The two reveal buttons, enabled while some results of a downloaded result are hidden.
    void applyRevealRule();

    SingleList& m_singleList;
    QWidget* m_base;
    QPushButton* m_showNext;
    QPushButton* m_showAll;
    QCheckBox* m_showAllAlways;
    PageBar* m_pageBar;
    clsTGame* m_game = nullptr;
    clsTResult* m_result = nullptr;
    QMenu* m_popup7 = nullptr;
    bool m_resultLoaded = false;
};
