#pragma once

#include <QWidget>

class PageTurnImage;
class QLabel;

// The bar under a paged view: "シングルページ：" with the page label and the two page-turn
// images, and "シングル総数：" with the count label.
class PageBar : public QWidget {
    Q_OBJECT

public:
    // Object names are prefix + "PageBar", "lbl" + prefix + "Page" and so on.
    PageBar(const QString& prefix, QWidget* parent);

    QLabel* lblPage;
    PageTurnImage* imgPrevious;
    PageTurnImage* imgNext;
    QLabel* lblCount;
};
