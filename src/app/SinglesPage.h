#pragma once

#include <QWidget>

class PageBar;

// The singles page (シングル): its comment, buttons and page bar, and the host areas in which
// the single view draws the match list, the marks, the composition counts and the summary.
// The buttons are announced as signals; the window decides what they do.
class SinglesPage : public QWidget {
    Q_OBJECT

public:
    // Where the single view and its parts draw; fixed for the page's life.
    struct ViewHosts {
        QWidget* matchList; // the nine matches beside the marks
        QWidget* marks;     // ten singles of the current view page
        QWidget* counts;    // composition counts per match
        QWidget* summary;   // estimates and popularity of the shown singles
        PageBar* pageBar;
    };

    explicit SinglesPage(QWidget* parent = nullptr);

    const ViewHosts& viewHosts() const { return m_hosts; }
    // The page in the button-face colour, its panels in the inner-panel grey.
    void applyColourScheme();

Q_SIGNALS:
    void addClicked();
    void addByMarksClicked();
    void sortClicked();
    void deleteClicked();

private:
    QWidget* m_base;
    QWidget* m_comment;
    ViewHosts m_hosts{};
};
