#include "views/clsTResultKakutei.h"

#include "results/ConfirmedPrizeTable.h"
#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>

namespace {

constexpr int Columns = 6;
constexpr int Rows = 5;

} // namespace

clsTResultKakutei::clsTResultKakutei(QObject* parent)
    : QObject(parent), m_reporter(QStringLiteral("clsTResultKakutei")) {}

void clsTResultKakutei::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(QStringLiteral("grdKakutei"));
    QFont font = m_grid->font();
    font.setPointSize(10);
    m_grid->setFont(font);
    m_grid->setGridSize(Columns, Rows, lngWidth, lngHeight);
    m_grid->setColumnWidth(2, 110);
    for (int column = 3; column <= Columns; ++column)
        m_grid->setColumnWidth(column, 100);
    m_grid->setRowHeight(1, 20);
    m_grid->setRowBackColor(1, QApplication::palette().color(QPalette::Button));
    m_grid->setRowBackColor(3, QColor(255, 255, 224));
    m_grid->setRowBackColor(5, QColor(255, 255, 224));
    const QStringList headers = {QStringLiteral("当せん金"), QStringLiteral("当せん口数"),
                                 QStringLiteral("繰越金"), QStringLiteral("当せん口数"),
                                 QStringLiteral("当せん金額")};
    for (int column = 2; column <= Columns; ++column) {
        m_grid->setCaption(column, 1, headers.at(column - 2));
        m_grid->setAlignment(column, 1, Qt::AlignCenter);
    }
    for (int grade = 1; grade <= ResultData::GradeCount; ++grade) {
        m_grid->setCaption(1, grade + 1, QString::number(grade) + QStringLiteral("等"));
        const QColor own = grade <= clsTResultCheck::MaxGrade ? QColor(0, 0, 255) : Qt::black;
        m_grid->setForeColor(5, grade + 1, own);
        m_grid->setForeColor(6, grade + 1, own);
    }
    m_grid->setCaption(1, Rows, QStringLiteral("合計"));
    for (int column = 2; column <= Columns; ++column)
        for (int row = 2; row <= Rows; ++row)
            m_grid->setAlignment(column, row, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
    redraw();
}

void clsTResultKakutei::SetResultData(const ResultData& result) {
    m_result = result;
    redraw();
}

void clsTResultKakutei::SetValue(const std::array<qint32, clsTResultCheck::GradeCount>& lngValue) {
    m_counts = lngValue;
    redraw();
}

void clsTResultKakutei::Clear() {
    m_result = ResultData();
    m_counts = {};
    redraw();
}

void clsTResultKakutei::redraw() {
    if (!m_grid)
        return;
    try {
        const ConfirmedPrizeTable::Texts texts = ConfirmedPrizeTable::texts(m_result, m_counts);
        for (int row = 0; row < ConfirmedPrizeTable::ValueRows; ++row)
            for (int column = 0; column < ConfirmedPrizeTable::ValueColumns; ++column)
                m_grid->setCaption(column + 2, row + 2,
                                   texts[std::size_t(row)][std::size_t(column)]);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("ReDraw"), e);
    }
}
