#pragma once

#include "widgets/PageTurnImage.h"

#include <QLabel>
#include <QPixmap>
#include <QPointer>

// The page label "2／5" and the previous and next images of a paged view. While there is a page
// to turn to, an image shows the picture it had when it was bound and the hand pointer; otherwise
// its disabled picture (the program's own disabled arrow unless a view gives another one). The tool
// tip follows likewise: the one it had when bound, or its disabled tip.
class PageIndicator {
public:
    void setPageLabel(QLabel* label) { m_pageLabel = label; }
    void setPrevious(PageTurnImage* image);
    void setNext(PageTurnImage* image);
    void setPreviousDisabled(const QPixmap& picture) { m_previous.disabled = picture; }
    void setNextDisabled(const QPixmap& picture) { m_next.disabled = picture; }

    // page and lastPage count from 0.
    void show(int page, int lastPage) const;

private:
    struct Turner {
        QPointer<PageTurnImage> image;
        QPixmap enabled;
        QPixmap disabled;
        QString enabledTip;
        void bind(PageTurnImage* turnImage, PageTurnImage::Direction direction);
        void show(bool canTurn) const;
    };

    QPointer<QLabel> m_pageLabel;
    Turner m_previous;
    Turner m_next;
};
