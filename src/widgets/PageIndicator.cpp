#include "widgets/PageIndicator.h"

void PageIndicator::Turner::bind(PageTurnImage* turnImage, PageTurnImage::Direction direction) {
    image = turnImage;
    enabled = turnImage->pixmap();
    enabledTip = turnImage->toolTip();
    disabled = PageTurnImage::picture(direction, false);
}

void PageIndicator::Turner::show(bool canTurn) const {
    if (!image)
        return;
    image->setPixmap(canTurn ? enabled : disabled);
    image->setCanTurn(canTurn);
    image->setToolTip(canTurn ? enabledTip : image->disabledToolTip());
}

void PageIndicator::setPrevious(PageTurnImage* image) {
    m_previous.bind(image, PageTurnImage::Previous);
}

void PageIndicator::setNext(PageTurnImage* image) {
    m_next.bind(image, PageTurnImage::Next);
}

void PageIndicator::show(int page, int lastPage) const {
    if (m_pageLabel)
        m_pageLabel->setText(QString::number(page + 1) + u'／' + QString::number(lastPage + 1));
    m_previous.show(page != 0);
    m_next.show(page != lastPage);
}
