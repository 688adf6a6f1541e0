#pragma once

#include <QWidget>

class PageTurnImage;
class QLabel;

// The bar under a paged view: "シングルページ：" with the page label and the two page-turn
// images, and "シングル総数：" with the count label. The view that pages fills the labels and
// answers the images.
class PageBar : public QWidget {
    Q_OBJECT

public:
    // Object names are prefix + "PageBar", "lbl" + prefix + "Page" and so on.
    PageBar(const QString& prefix, QWidget* parent);

    QLabel* pageLabel() const { return m_page; }
    PageTurnImage* previousImage() const { return m_previous; }
    PageTurnImage* nextImage() const { return m_next; }
    QLabel* countLabel() const { return m_count; }

private:
    QLabel* m_page;
    PageTurnImage* m_previous;
    PageTurnImage* m_next;
    QLabel* m_count;
};
