#pragma once

#include <QWidget>

class PageBar;
class QLabel;
class QPushButton;

// The singles page (シングル): its comment, buttons and page bar, and the host areas in which
// the single view draws the match list, the marks, the composition counts and the summary.
class SinglesPage : public QWidget {
    Q_OBJECT

public:
    explicit SinglesPage(QWidget* parent = nullptr);

    QWidget* picSingleBase;
    QWidget* picSGame;
    QWidget* picSingle;
    QWidget* picCount;
    QWidget* picSList;
    QLabel* lblComment;
    QPushButton* cmdSingleAdd2;
    QPushButton* cmdSort;
    QPushButton* cmdSingleAdd;
    QPushButton* cmdSingleDel;
    PageBar* pageBar;
};
