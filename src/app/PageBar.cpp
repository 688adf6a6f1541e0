#include "app/PageBar.h"

#include "widgets/PageTurnImage.h"

#include <QLabel>

PageBar::PageBar(const QString& prefix, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pic") + prefix + QStringLiteral("PageBar"));
    setAutoFillBackground(true);
    auto* pageCaption = new QLabel(QStringLiteral("シングルページ："), this);
    pageCaption->setGeometry(10, 5, 110, 22);
    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lbl") + prefix + QStringLiteral("Page"));
    lblPage->setGeometry(120, 5, 90, 22);
    imgPrevious = new PageTurnImage(PageTurnImage::Previous, this);
    imgPrevious->setObjectName(QStringLiteral("img") + prefix + QStringLiteral("Previous"));
    imgPrevious->move(214, 6);
    imgNext = new PageTurnImage(PageTurnImage::Next, this);
    imgNext->setObjectName(QStringLiteral("img") + prefix + QStringLiteral("Next"));
    imgNext->move(242, 6);
    auto* countCaption = new QLabel(QStringLiteral("シングル総数："), this);
    countCaption->setGeometry(300, 5, 100, 22);
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lbl") + prefix + QStringLiteral("Count"));
    lblCount->setGeometry(400, 5, 120, 22);
}
