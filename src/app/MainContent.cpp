#include "app/MainContent.h"

#include "app/CheckPage.h"
#include "app/ControlTips.h"
#include "app/HomePage.h"
#include "app/PageParts.h"
#include "app/SinglesPage.h"
#include "app/WindowGeometry.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QToolTip>
#include <array>

namespace {

constexpr int TabStripWidth = 70;
constexpr int PageLeft = 71;
// The tab strip's background band starts here and runs to the screen's right edge.
constexpr int TabBackgroundLeft = 300;

} // namespace

MainContent::MainContent(SingleList& list, QWidget* parent)
    : QWidget(parent), m_tabs(new TabStrip(this)), m_home(new HomePage(this)),
      m_singlesPage(new SinglesPage(list, this)), m_checkPage(new CheckPage(list, this)),
      m_statusBar(new StatusBar(this)) {
    setObjectName(QStringLiteral("picBase"));
    setMinimumSize(WindowGeometry::MinimumContent);
    m_tabs->setObjectName(QStringLiteral("imgMenu"));
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_tabs->placeBackground(TabBackgroundLeft, screen()->size().width());
    m_tabs->installEventFilter(this);
    ControlTips::apply(this);
    layoutParts();
}

int MainContent::controlsWidth() const {
    int width = 0;
    for (const QWidget* page : {static_cast<QWidget*>(m_home), static_cast<QWidget*>(m_singlesPage),
                                static_cast<QWidget*>(m_checkPage)})
        for (const QWidget* w : page->findChildren<QWidget*>())
            if (!w->isWindow() && w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
                width = std::max(width, w->mapTo(this, QPoint(w->width(), 0)).x());
    return width;
}

void MainContent::showOnly(int page) {
    m_tabs->setCurrent(page);
    const std::array<QWidget*, 3> pages = {m_home, m_singlesPage, m_checkPage};
    for (QWidget* p : pages)
        p->hide();
    QWidget* shown = pages.at(static_cast<std::size_t>(page));
    shown->show();
    focusFirstStop(shown);
}

// The focus never stays on a page that was hidden: it goes to the shown page's first stop.
void MainContent::focusFirstStop(QWidget* page) {
    const QWidget* holder = QApplication::focusWidget();
    if (holder != nullptr && holder->isVisible())
        return;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() &&
            w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void MainContent::applyColourScheme() {
    PageParts::setBackground(this, Qt::white);
    PageParts::setBackground(m_tabs, Qt::white);
    m_home->applyColourScheme();
    m_singlesPage->applyColourScheme();
    m_checkPage->applyColourScheme();
}

void MainContent::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutParts();
}

bool MainContent::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_tabs || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    for (int page = 0; page < TabStrip::PageCount; ++page) {
        if (m_tabs->tabRect(page).contains(help->pos())) {
            QToolTip::showText(help->globalPos(), ControlTips::tab(page), m_tabs,
                               m_tabs->tabRect(page));
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

void MainContent::layoutParts() {
    const int statusHeight = m_statusBar->height();
    const int pagesHeight = height() - statusHeight;
    m_tabs->setGeometry(0, 0, TabStripWidth, pagesHeight);
    for (QWidget* page : std::initializer_list<QWidget*>{m_home, m_singlesPage, m_checkPage})
        page->setGeometry(PageLeft, 0, width() - (PageLeft + 1), pagesHeight);
    m_statusBar->setGeometry(0, pagesHeight, width(), statusHeight);
}
