#include "app/SinglesPage.h"

#include "app/PageBar.h"
#include "app/PageParts.h"
#include "singles/MarkAreaLayout.h"
#include "singles/SingleList.h"
#include "views/clsTSingle.h"
#include "views/clsTSingleDraw.h"
#include "views/clsTSingleGame.h"
#include "widgets/PageTurnImage.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPushButton>

using namespace PageParts;

SinglesPage::SinglesPage(SingleList& list, QWidget* parent) : QWidget(parent), m_singleList(list) {
    setObjectName(QStringLiteral("picMain_1"));
    m_comment = label(this,
                      QStringLiteral("　推定金額とは、もしtotoであった場合の推定金額を計算して"
                                     "います。（投票率が存在しない試合は各1/3で計算)"),
                      QRect(8, 6, 900, 22), QStringLiteral("lblComment"));
    m_comment->setAutoFillBackground(true);

    m_base = hostArea(this, QStringLiteral("picSingleBase"), QRect(8, 32, 916, 556));
    m_base->setAutoFillBackground(true);
    // The match list and the counts begin one header above the first row of marks, so that
    // their match rows stand beside the marks; the summary's first single column under the first
    // column of marks.
    QWidget* matchList = hostArea(m_base, QStringLiteral("picSGame"), QRect(6, 12, 172, 266));
    QWidget* marks = hostArea(m_base, QStringLiteral("picSingle"), QRect(184, 6, 536, 272));
    QWidget* counts = hostArea(m_base, QStringLiteral("picCount"), QRect(726, 12, 184, 266));
    QWidget* summary = hostArea(m_base, QStringLiteral("picSList"), QRect(75, 290, 640, 146));

    QPushButton* addByMarks = button(m_base, QStringLiteral("数値で追加"), QRect(726, 300, 180, 30),
                                     QStringLiteral("cmdSingleAdd2"));
    QPushButton* sort = button(m_base, QStringLiteral("並び替え"), QRect(726, 336, 180, 30),
                               QStringLiteral("cmdSort"));
    QPushButton* add = button(m_base, QStringLiteral("シングルを追加"), QRect(726, 372, 180, 30),
                              QStringLiteral("cmdSingleAdd"));
    QPushButton* remove = button(m_base, QStringLiteral("選択シングルを削除"),
                                 QRect(726, 408, 180, 30), QStringLiteral("cmdSingleDel"));
    connect(addByMarks, &QPushButton::clicked, this, &SinglesPage::addByMarksClicked);
    connect(sort, &QPushButton::clicked, this, [this, sort] {
        Q_EMIT sortClicked(sort->underMouse() ? QCursor::pos()
                                              : sort->mapToGlobal(sort->rect().bottomLeft()));
    });
    connect(add, &QPushButton::clicked, this, &SinglesPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &SinglesPage::deleteClicked);

    m_pageBar = new PageBar(QStringLiteral("Single"), this);
    m_pageBar->setGeometry(8, 596, 916, 32);
    createViews(matchList, marks, counts, summary);
    chainTabs({marks, summary, addByMarks, sort, add, remove, m_pageBar});
    followList();
}

void SinglesPage::createViews(QWidget* matchList, QWidget* marks, QWidget* counts,
                              QWidget* summary) {
    m_matchList = new clsTSingleGame(this);
    // Match rows as high as the rows of marks beside them.
    m_matchList->Initialize(matchList, MarkAreaLayout::RowPitch);
    m_single = new clsTSingle(this);
    m_single->Initialize(marks, counts, summary);
    m_single->setSingleCountLabel(m_pageBar->countLabel());
    m_single->setPageLabel(m_pageBar->pageLabel());
    m_single->setMovePreviousImage(m_pageBar->previousImage());
    m_single->setMoveNextImage(m_pageBar->nextImage());
    m_single->setMovePreviousImageDisable(PageTurnImage::picture(PageTurnImage::Previous, false));
    m_single->setMoveNextImageDisable(PageTurnImage::picture(PageTurnImage::Next, false));
}

// The view reports every edit; the list announces it back, and the view shows what the list
// holds (a deletion takes the new last page from the answering SetSingle).
void SinglesPage::followList() {
    connect(m_single, &clsTSingle::ChangeValue, &m_singleList, &SingleList::setSingle);
    connect(m_single, &clsTSingle::ChangeCount, this,
            [this](qint32 count, const std::vector<qint32>& singles) {
                m_singleList.edit(std::vector<qint32>(singles.begin(), singles.begin() + count),
                                  m_single->Frame());
            });
    connect(m_single, &clsTSingle::ChangeFrame, &m_singleList, &SingleList::setFrame);
    connect(m_single, &clsTSingle::ChangeLock, m_single, &clsTSingle::setEditLock);
    // A hidden page is brought up to date when it is shown.
    connect(&m_singleList, &SingleList::singlesReplaced, this, [this] {
        if (isVisible())
            m_single->SetSingle(m_singleList.count(), m_singleList.singles());
    });
    connect(&m_singleList, &SingleList::frameChanged, this,
            [this] { m_single->SetSingleFrame(m_singleList.frame(), CountFlags{}); });
}

void SinglesPage::showDraw(const ScheduleData& schedule, const VoteData& vote) {
    m_matchList->SetScheduleData(schedule);
    m_single->SetVoteData(vote);
    m_single->SetSingle(m_singleList.count(), m_singleList.singles());
    m_single->MovePage(0);
    m_single->SetSingleFrame(m_singleList.frame(), CountFlags{});
    m_single->MovePage(0);
}

void SinglesPage::focusMarks() {
    m_single->draw()->area()->setFocus();
}

void SinglesPage::setPercent(bool on) {
    m_single->setSinglePercent(on);
}

void SinglesPage::selectAll(bool on) {
    m_single->SetAllSelect(on);
}

void SinglesPage::addSingle() {
    m_single->Add();
}

void SinglesPage::addMarks(const QString& strMarks) {
    m_single->AddEx(strMarks);
}

void SinglesPage::deleteSelected() {
    m_single->SelectDelete();
}

void SinglesPage::applyColourScheme() {
    setBackground(this, QApplication::palette().color(QPalette::Button));
    for (QWidget* inner : {m_base, m_comment, static_cast<QWidget*>(m_pageBar)})
        setBackground(inner, InnerPanel);
}
