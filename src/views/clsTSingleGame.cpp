#include "views/clsTSingleGame.h"

#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>

namespace {
const QColor Stripe(255, 255, 224);
} // namespace

clsTSingleGame::clsTSingleGame(QObject* parent) : QObject(parent) {}

void clsTSingleGame::Initialize(QWidget* objPictureBox, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(objPictureBox->objectName() + QStringLiteral("Grid"));
    m_grid->setGridSize(ColumnCount, RowCount, ColumnWidth, lngHeight);
    m_grid->setColumnWidth(2, NumberWidth);
    m_grid->setRowHeight(1, HeaderHeight);
    const QStringList headers = {QStringLiteral("開催日"), QStringLiteral("No"),
                                 QStringLiteral("ホーム"), QStringLiteral("アウェイ")};
    m_grid->setRowBackColor(1, QApplication::palette().color(QPalette::Button));
    for (int column = 1; column <= ColumnCount; ++column) {
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
        m_grid->setCaption(column, 1, headers[column - 1]);
    }
    for (int match = 1; match <= 9; ++match) {
        const int row = match + 1;
        // Matches 2, 4, 6 and 8 are striped.
        if (match % 2 == 0)
            m_grid->setRowBackColor(row, Stripe);
        m_grid->setCaption(2, row, QString::number(match));
    }
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
}

void clsTSingleGame::SetScheduleData(const ScheduleData& schedule) {
    if (!m_grid) {
        m_reporter.failure(QStringLiteral("Schedure"), QStringLiteral("Initialize Err"));
        return;
    }
    for (std::size_t k = 0; k < schedule.Matches.size(); ++k) {
        const MatchInfo& match = schedule.Matches[k];
        const int row = int(k) + 2;
        m_grid->setCaption(1, row,
                           match.MatchDate.isNull() ? QString()
                                                    : match.MatchDate.date().toString(u"MM/dd"));
        m_grid->setCaption(3, row, match.Home);
        m_grid->setCaption(4, row, match.Away);
        m_grid->setToolTipText(3, row, match.Home);
        m_grid->setToolTipText(4, row, match.Away);
    }
}
