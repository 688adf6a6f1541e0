#include "views/clsTSingleList.h"

#include "drawdata/MarkGrid.h"
#include "singles/SingleCodec.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>

namespace {

const QColor Stripe(255, 255, 224);

QString joined(const std::array<int, 3>& counts) {
    return QString::number(counts[0]) + u'-' + QString::number(counts[1]) + u'-' +
           QString::number(counts[2]);
}

} // namespace

clsTSingleList::clsTSingleList(QObject* parent) : QObject(parent) {}

void clsTSingleList::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(objPictureBox->objectName() + QStringLiteral("Grid"));
    QFont font = m_grid->font();
    font.setPointSize(10);
    m_grid->setFont(font);
    m_grid->setGridSize(ColumnCount, RowCount, lngWidth, lngHeight);
    m_grid->setColumnWidth(1, CaptionWidth);
    const QStringList captions = {QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"),
                                  QStringLiteral("３等推定金額"), QStringLiteral("1-0-2マーク"),
                                  QStringLiteral("1-2-3番人気")};
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (int row = 1; row <= RowCount; ++row) {
        m_grid->setCaption(1, row, captions[row - 1]);
        m_grid->setBackColor(1, row, buttonFace);
        for (int column = 2; column <= ColumnCount; ++column) {
            if (row == 2 || row == 4)
                m_grid->setBackColor(column, row, Stripe);
            m_grid->setAlignment(column, row,
                                 (row <= 3 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
        }
    }
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
}

std::array<QString, clsTSingleList::RowCount> clsTSingleList::Texts(qint32 lngValue) const {
    std::array<QString, RowCount> texts;
    if (lngValue < 0)
        return texts;
    const SingleCodec::Marks& marks = SingleCodec::marks(lngValue);
    for (int grade = 1; grade <= 3; ++grade)
        texts[std::size_t(grade - 1)] = clsTMoney::EstimateText(m_money.Estimate(grade, marks));
    std::array<int, MarkCount> markCounts{};
    std::array<int, 3> rankCounts{};
    for (std::size_t k = 0; k < marks.size(); ++k) {
        const int mark = marks[k];
        ++markCounts[screenPosition(mark)];
        ++rankCounts[std::size_t(m_ninki[k][mark])];
    }
    texts[3] = joined(markCounts);
    if (m_ninkiValid)
        texts[4] = joined(rankCounts);
    return texts;
}

void clsTSingleList::SetData(int Index, qint32 lngValue) {
    try {
        const std::array<QString, RowCount> texts = Texts(lngValue);
        if (!m_grid)
            return;
        for (int row = 1; row <= RowCount; ++row)
            m_grid->setCaption(Index + 2, row, texts[std::size_t(row - 1)]);
    } catch (const RuntimeError& error) {
        m_reporter.runtimeError(QStringLiteral("SetData"), error);
    }
}

void clsTSingleList::SetVoteData(const VoteData& vote) {
    m_money.SetVoteData(vote);
    m_ninkiValid = vote.Kaisaikai != 0;
    m_ninki = m_ninkiValid ? PopularityRanks::fromVotes(vote) : PopularityTable{};
}
