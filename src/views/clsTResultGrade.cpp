#include "views/clsTResultGrade.h"

#include "widgets/CellGrid.h"

#include <QApplication>
#include <QPalette>

clsTResultGrade::clsTResultGrade(QObject* parent) : QObject(parent) {}

void clsTResultGrade::Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight) {
    m_grid = new CellGrid(objPictureBox);
    m_grid->setObjectName(QStringLiteral("grdResultGrade"));
    QFont font = m_grid->font();
    font.setPointSize(11);
    m_grid->setFont(font);
    m_grid->setGridSize(3, 1 + clsTResultCheck::GradeCount, lngWidth, lngHeight);
    m_grid->setColumnWidth(2, 70);
    m_grid->setColumnWidth(3, 40);
    m_grid->setRowHeight(1, 20);
    m_grid->setRowBackColor(1, QApplication::palette().color(QPalette::Button));
    for (int row = 3; row <= 11; row += 2)
        m_grid->setRowBackColor(row, QColor(255, 255, 224));
    m_grid->setColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->setColumnAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->setCaption(2, 1, QStringLiteral("口数"));
    m_grid->setCaption(3, 1, QStringLiteral("比率"));
    m_grid->setAlignment(2, 1, Qt::AlignCenter);
    m_grid->setAlignment(3, 1, Qt::AlignCenter);
    for (int grade = 1; grade <= clsTResultCheck::GradeCount; ++grade)
        m_grid->setCaption(1, grade + 1, QString::number(grade) + QStringLiteral("等"));
    m_grid->resize(m_grid->sizeHint());
    objPictureBox->resize(m_grid->sizeHint());
    Clear(0);
}

void clsTResultGrade::SetValue(const std::array<qint32, clsTResultCheck::GradeCount>& lngValue,
                               qint32 lngKaisaikai) {
    Q_UNUSED(lngKaisaikai); // every mini BIG draw has the same three winning grades
    for (int misses = 0; misses < clsTResultCheck::GradeCount; ++misses) {
        const int row = misses + 2;
        const int grade = misses + 1;
        const QString count = clsTResultCheck::GradeCountText(lngValue, misses);
        const QString ratio = clsTResultCheck::GradeRatioText(lngValue, misses);
        m_grid->setCaption(2, row, count);
        m_grid->setCaption(3, row, ratio);
        const bool winning = grade <= clsTResultCheck::MaxGrade;
        const QColor text = winning ? QColor(0, 0, 255) : QColor(Qt::black);
        QString tip = QString::number(grade) + QStringLiteral("等：") + count +
                      QStringLiteral("口（") + ratio + QStringLiteral("）");
        if (winning)
            tip += QStringLiteral("　当せん");
        for (int column = 1; column <= 3; ++column) {
            m_grid->setForeColor(column, row, text);
            m_grid->setToolTipText(column, row, tip);
        }
    }
}

void clsTResultGrade::Clear(qint32 lngKaisaikai) {
    SetValue({}, lngKaisaikai);
}
