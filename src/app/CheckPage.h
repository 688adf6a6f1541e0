#pragma once

#include <QWidget>

class PageBar;
class QCheckBox;
class QPushButton;

// The check page (チェック): its buttons, check box and page bar, and the host areas in which
// the game panel and the result views draw.
class CheckPage : public QWidget {
    Q_OBJECT

public:
    explicit CheckPage(QWidget* parent = nullptr);

    QWidget* picResultBase;
    QWidget* picGame;
    QWidget* picResultView;
    QWidget* picResultList;
    QPushButton* cmdResultViewNext;
    QPushButton* cmdResultViewAll;
    QPushButton* cmdSortResult;
    QCheckBox* chkResultAll;
    PageBar* pageBar;
};
