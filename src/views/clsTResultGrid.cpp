#include "views/clsTResultGrid.h"

#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>

namespace {

constexpr int HeaderRow = 1;
constexpr int GradeRow = 2 + MatchCount;

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Yellow(255, 255, 0);
const QColor Green(0, 255, 0);
const QColor White(255, 255, 255);

QColor hitColor(quint8 state) {
    switch (state) {
    case 0:
        return Red;
    case 1:
    case 2:
        return Blue;
    case 3:
        return Yellow;
    default:
        return White;
    }
}

QString markName(int mark) {
    switch (mark) {
    case 1:
        return QStringLiteral("1（ホーム勝ち）");
    case 2:
        return QStringLiteral("2（アウェイ勝ち）");
    default:
        return QStringLiteral("0（その他）");
    }
}

} // namespace

clsTResultGrid::clsTResultGrid(QObject* parent) : QObject(parent) {}

void clsTResultGrid::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(QStringLiteral("grdResult"));
    QFont font = m_grid->font();
    font.setPointSize(11);
    m_grid->setFont(font);
    m_grid->setFocusPolicy(Qt::StrongFocus);
    m_grid->setGridSize(Columns, GradeRow, lngWidth, lngHeight);
    m_grid->setRowHeight(HeaderRow, 20);
    m_grid->setRowBackColor(HeaderRow, QApplication::palette().color(QPalette::Button));
    for (int column = 1; column <= Columns; ++column) {
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
        m_grid->setCaption(column, HeaderRow, QString::number(column));
    }
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
}

void clsTResultGrid::SetColorImage(const QColor& color, const QIcon& picture) {
    for (auto& entry : m_pictures) {
        if (entry.first == color) {
            entry.second = picture;
            return;
        }
    }
    m_pictures.emplace_back(color, picture);
}

void clsTResultGrid::SetMatches(const std::array<QString, MatchCount>& home,
                                const std::array<QString, MatchCount>& away,
                                const ResultMarks& marks) {
    m_home = home;
    m_away = away;
    m_marks = marks;
}

void clsTResultGrid::setCellColor(int column, int row, const QColor& color) {
    GridCell cell = m_grid->cell(column, row);
    cell.backColor = color;
    cell.backPicture = QIcon();
    for (const auto& entry : m_pictures)
        if (entry.first == color)
            cell.backPicture = entry.second;
    // Dark pictures carry white digits.
    cell.foreColor = color == Blue || color == Red ? QColor(Qt::white) : QColor(Qt::black);
    m_grid->setCell(column, row, cell);
}

QString clsTResultGrid::markTip(int match, quint8 mark, quint8 hitState) const {
    const std::size_t k = std::size_t(match);
    QString tip = QStringLiteral("第%1試合").arg(match + 1);
    if (!m_home[k].isEmpty() || !m_away[k].isEmpty())
        tip += QStringLiteral("　") + m_home[k] + QStringLiteral(" vs ") + m_away[k];
    tip += QStringLiteral("\nシングル：") + markName(mark);
    QString result = QStringLiteral("未定");
    for (int m = 0; m < 3; ++m) {
        const quint8 flag = m_marks[std::size_t(m)][k];
        if (flag == 3)
            result = QStringLiteral("中止");
        else if (flag == 1)
            result = markName(m) + QStringLiteral("　公式");
        else if (flag == 2)
            result = markName(m) + QStringLiteral("　手入力");
    }
    tip += QStringLiteral("\n結果：") + result;
    switch (hitState) {
    case 0:
        tip += QStringLiteral("\nはずれ");
        break;
    case 3:
        tip += QStringLiteral("\n中止のため的中扱い");
        break;
    case clsTResultCheck::Undecided:
        tip += QStringLiteral("\n結果待ち（的中扱い）");
        break;
    default:
        tip += QStringLiteral("\n的中");
        break;
    }
    return tip;
}

void clsTResultGrid::SetColumn(int c, qint32 lngPosition, const SingleCodec::Marks& marks,
                               quint8 grade, const ResultMarks& hit) {
    const int column = c + 1;
    for (int k = 0; k < MatchCount; ++k) {
        const quint8 mark = marks[std::size_t(k)];
        const quint8 state = hit[mark][std::size_t(k)];
        const int row = k + 2;
        m_grid->setCaption(column, row, QString::number(mark));
        setCellColor(column, row, hitColor(state));
        m_grid->setToolTipText(column, row, markTip(k, mark, state));
    }
    const bool winning = grade <= clsTResultCheck::MaxGrade;
    m_grid->setCaption(column, GradeRow, QString::number(grade));
    setCellColor(column, GradeRow, winning ? Green : White);
    QString tip =
        QStringLiteral("%1口目：%2等（はずれ %3）").arg(lngPosition + 1).arg(grade).arg(grade - 1);
    if (winning)
        tip += QStringLiteral("　当せん");
    m_grid->setToolTipText(column, GradeRow, tip);
}

void clsTResultGrid::ClearColumn(int c) {
    const int column = c + 1;
    for (int row = 2; row <= GradeRow; ++row) {
        m_grid->setCaption(column, row, QString());
        setCellColor(column, row, White);
        m_grid->setToolTipText(column, row, QString());
    }
}
