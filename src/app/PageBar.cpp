#include "app/PageBar.h"

#include "app/ControlTips.h"
#include "app/PageParts.h"
#include "widgets/PageTurnImage.h"

#include <QLabel>

PageBar::PageBar(const QString& prefix, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pic") + prefix + QStringLiteral("PageBar"));
    setAutoFillBackground(true);
    PageParts::label(this, QStringLiteral("シングルページ："), QRect(10, 5, 110, 22), QString());
    m_page = PageParts::label(this, QString(), QRect(120, 5, 90, 22),
                              QStringLiteral("lbl") + prefix + QStringLiteral("Page"));
    m_previous = new PageTurnImage(PageTurnImage::Previous, this);
    m_previous->setObjectName(QStringLiteral("img") + prefix + QStringLiteral("Previous"));
    m_previous->move(214, 6);
    m_next = new PageTurnImage(PageTurnImage::Next, this);
    m_next->setObjectName(QStringLiteral("img") + prefix + QStringLiteral("Next"));
    m_next->move(242, 6);
    // Set before a view binds the turners, which then switch between the two tips.
    for (PageTurnImage* turner : {m_previous, m_next}) {
        const bool next = turner == m_next;
        turner->setToolTip(ControlTips::pageTurn(next, true));
        turner->setDisabledToolTip(ControlTips::pageTurn(next, false));
    }
    PageParts::label(this, QStringLiteral("シングル総数："), QRect(300, 5, 100, 22), QString());
    m_count = PageParts::label(this, QString(), QRect(400, 5, 120, 22),
                               QStringLiteral("lbl") + prefix + QStringLiteral("Count"));
}
