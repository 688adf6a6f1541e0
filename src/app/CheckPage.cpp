#include "app/CheckPage.h"

#include "app/ControlTips.h"
#include "app/PageBar.h"
#include "app/PageParts.h"
#include "drawdata/ResultData.h"
#include "singles/CountCells.h"
#include "singles/SingleList.h"
#include "views/clsTGame.h"
#include "views/clsTResult.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

using namespace PageParts;

// Where the game panel and the result views draw; fixed for the page's life. The match rows of
// the game panel, the result-mark table and the result grid line up.
struct CheckPage::ViewHosts {
    QWidget* game;        // the nine matches with their votes
    QWidget* resultMarks; // the result marks per match
    QWidget* resultGrid;  // the singles with their hits and grades
    QWidget* counts;      // the composition counts, laid over the result grid when shown
    QWidget* gradeTable;  // singles per grade
    QWidget* confirmed;   // the confirmed prize table
};

CheckPage::CheckPage(SingleList& list, QWidget* parent) : QWidget(parent), m_singleList(list) {
    setObjectName(QStringLiteral("picMain_2"));
    m_base = hostArea(this, QStringLiteral("picResultBase"), QRect(8, 8, 916, 580));
    m_base->setAutoFillBackground(true);
    // The views size their hosts to their grids when they are bound.
    ViewHosts hosts{};
    hosts.game = hostArea(m_base, QStringLiteral("picGame"), QRect(6, 6, 394, 210));
    hosts.resultMarks = hostArea(m_base, QStringLiteral("picMulti"), QRect(404, 6, 91, 210));
    hosts.resultGrid = hostArea(m_base, QStringLiteral("picResult"), QRect(499, 6, 251, 231));
    hosts.counts = hostArea(m_base, QStringLiteral("picResultCount"), QRect(499, 6, 202, 210));
    hosts.gradeTable = hostArea(m_base, QStringLiteral("picGrade"), QRect(754, 6, 151, 231));
    hosts.confirmed = hostArea(m_base, QStringLiteral("picKakutei"), QRect(6, 250, 551, 105));

    m_showNext = button(m_base, QStringLiteral("次の結果を表示"), QRect(726, 250, 180, 30),
                        QStringLiteral("cmdResultViewNext"));
    m_showAll = button(m_base, QStringLiteral("全ての結果を表示"), QRect(726, 286, 180, 30),
                       QStringLiteral("cmdResultViewAll"));
    QPushButton* sortByHits = button(m_base, QStringLiteral("当せん数順"), QRect(726, 322, 180, 30),
                                     QStringLiteral("cmdSortResult"));
    connect(m_showNext, &QPushButton::clicked, this, &CheckPage::showNextClicked);
    connect(m_showAll, &QPushButton::clicked, this, &CheckPage::showAllClicked);
    connect(sortByHits, &QPushButton::clicked, this, &CheckPage::sortByHitsClicked);
    m_showAllAlways = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), m_base);
    m_showAllAlways->setObjectName(QStringLiteral("chkResultAll"));
    m_showAllAlways->setGeometry(726, 360, 186, 24);

    m_pageBar = new PageBar(QStringLiteral("Result"), this);
    m_pageBar->setGeometry(8, 596, 916, 32);
    createViews(hosts);
    chainTabs({hosts.game, hosts.resultMarks, hosts.resultGrid, m_showNext, m_showAll, sortByHits,
               m_showAllAlways, m_pageBar});
    followList();
    applyRevealRule();
}

void CheckPage::createViews(const ViewHosts& hosts) {
    m_game = new clsTGame(this);
    m_game->Initialize(hosts.game, true);
    m_result = new clsTResult(this);
    m_result->Initialize(hosts.resultGrid, hosts.gradeTable, hosts.resultMarks, hosts.counts,
                         hosts.confirmed, nullptr);
    m_result->setSingleCountLabel(m_pageBar->countLabel());
    m_result->setPageLabel(m_pageBar->pageLabel());
    m_result->setMovePreviousImage(m_pageBar->previousImage());
    m_result->setMoveNextImage(m_pageBar->nextImage());
    m_popup7 = new QMenu(this);
    m_popup7->setObjectName(QStringLiteral("mnuPopup7"));
    QAction* cancelled = m_popup7->addAction(QStringLiteral("中止"));
    cancelled->setObjectName(QStringLiteral("mnuPopup7_0"));
    connect(cancelled, &QAction::triggered, m_result, [this] { m_result->SetPopup(0); });
    m_result->setPopupMenu(m_popup7);
    connect(m_game, &clsTGame::VoteClick, m_result, [this] { m_result->setCountVisible(true); });
    connect(m_result, &clsTResult::Checked, this, &CheckPage::Checked);
}

// A hidden page is brought up to date when it is shown.
void CheckPage::followList() {
    connect(&m_singleList, &SingleList::cleared, m_result, &clsTResult::Clear);
    connect(&m_singleList, &SingleList::singlesReplaced, this, [this] {
        if (isVisible())
            checkSingles();
    });
}

void CheckPage::checkSingles() {
    const SingleList::BusyScope busy(m_singleList);
    m_result->SetSingle(m_singleList.count(), m_singleList.singles());
}

void CheckPage::showDraw(qint32 kaisaikai, const QString& kumi, const ScheduleData& schedule,
                         const VoteData& vote, const ResultData& result) {
    m_game->Schedure(schedule);
    m_game->Vote(vote);
    m_result->SetScheduleData(schedule);
    m_result->SetResultData(kaisaikai, kumi, result, showAllAlways());
    checkSingles();
    m_result->SetSingleFrame(m_singleList.frame(), CountFlags{});
    m_resultLoaded = result.Kaisaikai > 0;
    applyRevealRule();
}

void CheckPage::applyRevealRule() {
    using ControlTips::Reveal;
    const Reveal state = !m_resultLoaded          ? Reveal::NoResult
                         : m_result->FullResult() ? Reveal::AllShown
                                                  : Reveal::SomeHidden;
    m_showNext->setEnabled(state == Reveal::SomeHidden);
    m_showAll->setEnabled(state == Reveal::SomeHidden);
    m_showNext->setToolTip(ControlTips::showNext(state));
    m_showAll->setToolTip(ControlTips::showAll(state));
}

void CheckPage::showNextResult() {
    m_result->SetNextData();
    applyRevealRule();
}

void CheckPage::showAllResults() {
    m_result->SetAlltData();
    applyRevealRule();
}

bool CheckPage::sortByHits(bool ascending) {
    if (m_singleList.isEmpty())
        return false;
    std::vector<qint32> singles = m_singleList.singles();
    m_result->GradeSort(singles, ascending);
    m_singleList.edit(std::move(singles), m_singleList.frame());
    return true;
}

void CheckPage::setPercent(bool on) {
    m_result->setPercent(on);
}

const clsTResultCheck& CheckPage::resultCheck() const {
    return m_result->Check();
}

bool CheckPage::showAllAlways() const {
    return m_showAllAlways->isChecked();
}

void CheckPage::setShowAllAlways(bool on) {
    m_showAllAlways->setChecked(on);
}

void CheckPage::applyColourScheme() {
    setBackground(this, QApplication::palette().color(QPalette::Button));
    for (QWidget* inner :
         {m_base, static_cast<QWidget*>(m_pageBar), static_cast<QWidget*>(m_showAllAlways)})
        setBackground(inner, InnerPanel);
}
