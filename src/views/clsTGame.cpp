#include "views/clsTGame.h"

#include "drawdata/MarkGrid.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "results/GamePanelTexts.h"
#include "views/clsTGraphEx.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>
#include <QRandomGenerator>

namespace {

constexpr int MainColumns = 6;
constexpr int HeaderHeight = 20;
constexpr int RowHeight = 21;
constexpr int VoteColumn = 6;
constexpr int VoteColumnWidth = 203;
// A match band of the vote grid: the rates, then the strip the bar lies on. Together they are
// as high as a row of the match list.
constexpr int RateRowHeight = 15;
constexpr int BarRowHeight = RowHeight - RateRowHeight;
constexpr int BarTop = 14;
constexpr int BarHeight = 7;

const QColor LightYellow(255, 255, 224);

QColor bandColor(int match) {
    return match % 2 == 1 ? QColor(Qt::white) : LightYellow;
}

QString surfaceName(QWidget* form) {
    for (;;) {
        QString name =
            QString::number(QRandomGenerator::global()->bounded(1000000)) + u"UserControl";
        if (!form->findChild<QWidget*>(name))
            return name;
    }
}

} // namespace

clsTGame::clsTGame(QObject* parent) : QObject(parent), m_reporter(QStringLiteral("clsTGame")) {}

clsTGame::~clsTGame() = default;

void clsTGame::Initialize(QWidget* objPictureBox, bool blnType) {
    m_main = new CellGrid(objPictureBox);
    m_main->setObjectName(QStringLiteral("grdGame"));
    m_main->setGridSize(MainColumns, 1 + MatchCount, 50, RowHeight);
    m_main->setRowHeight(1, HeaderHeight);
    m_main->setColumnWidth(2, blnType ? 20 : 0);
    m_main->setColumnWidth(3, 20);
    m_main->setColumnWidth(VoteColumn, VoteColumnWidth);
    m_main->setRowBackColor(1, QApplication::palette().color(QPalette::Button));
    const QStringList headers = {QStringLiteral("開催日"),   QStringLiteral("Jx"),
                                 QStringLiteral("No"),       QStringLiteral("ホーム"),
                                 QStringLiteral("アウェイ"), QStringLiteral("投 票 率")};
    for (int column = 1; column <= MainColumns; ++column) {
        m_main->setCaption(column, 1, headers.at(column - 1));
        m_main->setColumnAlignment(column, Qt::AlignCenter);
    }
    for (int k = 1; k <= MatchCount; ++k)
        m_main->setCaption(3, k + 1, QString::number(k));
    m_main->resize(m_main->sizeHint());
    objPictureBox->resize(m_main->sizeHint());

    const QRect firstVoteCell = m_main->cellRect(VoteColumn, 2);
    m_surface = new QWidget(objPictureBox);
    m_surface->setObjectName(surfaceName(objPictureBox->window()));
    m_surface->setAutoFillBackground(true);
    QPalette white = m_surface->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_surface->setPalette(white);
    m_surface->setGeometry(firstVoteCell.x(), firstVoteCell.y(), VoteColumnWidth,
                           MatchCount * RowHeight);

    m_vote = new CellGrid(m_surface);
    m_vote->setObjectName(QStringLiteral("grdVote"));
    QFont small = m_vote->font();
    small.setPointSize(8);
    m_vote->setFont(small);
    m_vote->setGridLineColor(Qt::white);
    m_vote->setGridSize(3, 2 * MatchCount, 200 / 3, RateRowHeight);
    for (int k = 1; k <= MatchCount; ++k) {
        m_vote->setRowHeight(2 * k, BarRowHeight);
        m_vote->setRowBackColor(2 * k - 1, bandColor(k));
        m_vote->setRowBackColor(2 * k, bandColor(k));
    }
    for (int column = 1; column <= 3; ++column)
        m_vote->setColumnAlignment(column, Qt::AlignCenter);
    m_vote->resize(m_vote->sizeHint());
    connect(m_vote, &CellGrid::cellClicked, this, [this] { Q_EMIT VoteClick(); });
    m_vote->setFocusPolicy(Qt::TabFocus);
    connect(m_vote, &CellGrid::activated, this, &clsTGame::VoteClick);

    m_graphs = new clsTGraphEx(this);
    m_graphs->Initialize(m_surface);
    for (int k = 1; k <= MatchCount; ++k) {
        m_graphs->SetGraph3(k, 0, (k - 1) * RowHeight + BarTop, VoteColumnWidth, BarHeight);
        m_graphs->SetValue3(k, 0, 0, 0);
    }
    m_graphs->AllVisible(false);
    connect(m_graphs, &clsTGraphEx::Click, this, [this] { Q_EMIT VoteClick(); });
    m_ready = true;
}

void clsTGame::Schedure(const ScheduleData& schedule) {
    if (!m_ready) {
        m_reporter.failure(QStringLiteral("Schedure"), QStringLiteral("Initialize Err"));
        return;
    }
    for (int k = 1; k <= MatchCount; ++k) {
        const MatchInfo& match = schedule.Matches[std::size_t(k - 1)];
        const int row = k + 1;
        m_main->setRowBackColor(row, bandColor(k));
        m_main->setCaption(1, row, GamePanelTexts::matchDate(match.MatchDate));
        m_main->setCaption(
            2, row, m_totoData.GetShortToJ1J2String(match.Home, match.MatchDate.date().year()));
        m_main->setCaption(4, row, match.Home);
        m_main->setCaption(5, row, match.Away);
    }
    m_main->update();
}

void clsTGame::Vote(const VoteData& vote) {
    if (!m_ready) {
        m_reporter.failure(QStringLiteral("Vote"), QStringLiteral("Initialize Err"));
        return;
    }
    for (int k = 1; k <= MatchCount; ++k) {
        const VoteMatch& match = vote.Matches[std::size_t(k - 1)];
        for (int column = 1; column <= 3; ++column)
            m_vote->setCaption(
                column, 2 * k - 1,
                GamePanelTexts::rate(
                    match.Outcomes[std::size_t(ScreenMarkOrder[std::size_t(column - 1)])].Rate));
        m_graphs->Visible(k - 1, true);
        m_graphs->SetValue3(k, match.Outcomes[1].Votes.wholeYen(),
                            match.Outcomes[0].Votes.wholeYen(), match.Outcomes[2].Votes.wholeYen());
    }
    m_main->setCaption(VoteColumn, 1, GamePanelTexts::voteHeading(vote));
}
