#pragma once

#include <QWidget>

class PageBar;
class QCheckBox;
class QPushButton;

// The check page (チェック): its buttons, check box and page bar, and the host areas in which
// the game panel and the result views draw. The buttons are announced as signals; the window
// decides what they do.
class CheckPage : public QWidget {
    Q_OBJECT

public:
    // Where the game panel and the result views draw; fixed for the page's life.
    // The match rows of the game panel, the result-mark table and the result grid line up.
    struct ViewHosts {
        QWidget* game;        // the nine matches with their votes
        QWidget* resultMarks; // the result marks per match
        QWidget* resultGrid;  // the singles with their hits and grades
        QWidget* counts;      // the composition counts, laid over the result grid when shown
        QWidget* gradeTable;  // singles per grade
        QWidget* confirmed;   // the confirmed prize table
        PageBar* pageBar;
    };

    explicit CheckPage(QWidget* parent = nullptr);

    const ViewHosts& viewHosts() const { return m_hosts; }
    // 「常に全ての結果を表示する」
    bool showAllResults() const;
    void setShowAllResults(bool on);
    // The two reveal buttons, enabled while some results are still hidden.
    void setRevealButtonsEnabled(bool enabled);
    // The page in the button-face colour, its panels in the inner-panel grey.
    void applyColourScheme();

Q_SIGNALS:
    void showNextClicked();
    void showAllClicked();
    void sortByHitsClicked();

private:
    QWidget* m_base;
    QPushButton* m_showNext;
    QPushButton* m_showAll;
    QCheckBox* m_showAllAlways;
    ViewHosts m_hosts{};
};
