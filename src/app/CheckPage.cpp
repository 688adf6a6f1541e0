#include "app/CheckPage.h"

#include "app/PageBar.h"
#include "app/PageParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

using namespace PageParts;

CheckPage::CheckPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain_2"));
    m_base = hostArea(this, QStringLiteral("picResultBase"), QRect(8, 8, 916, 580));
    m_base->setAutoFillBackground(true);
    // The views size their hosts to their grids when they are bound.
    m_hosts.game = hostArea(m_base, QStringLiteral("picGame"), QRect(6, 6, 394, 210));
    m_hosts.resultMarks = hostArea(m_base, QStringLiteral("picMulti"), QRect(404, 6, 91, 210));
    m_hosts.resultGrid = hostArea(m_base, QStringLiteral("picResult"), QRect(499, 6, 251, 231));
    m_hosts.counts = hostArea(m_base, QStringLiteral("picResultCount"), QRect(499, 6, 202, 210));
    m_hosts.gradeTable = hostArea(m_base, QStringLiteral("picGrade"), QRect(754, 6, 151, 231));
    m_hosts.confirmed = hostArea(m_base, QStringLiteral("picKakutei"), QRect(6, 250, 551, 105));

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

    m_hosts.pageBar = new PageBar(QStringLiteral("Result"), this);
    m_hosts.pageBar->setGeometry(8, 596, 916, 32);
}

bool CheckPage::showAllResults() const {
    return m_showAllAlways->isChecked();
}

void CheckPage::setShowAllResults(bool on) {
    m_showAllAlways->setChecked(on);
}

void CheckPage::setRevealButtonsEnabled(bool enabled) {
    m_showNext->setEnabled(enabled);
    m_showAll->setEnabled(enabled);
}

void CheckPage::applyColourScheme() {
    setBackground(this, QApplication::palette().color(QPalette::Button));
    for (QWidget* inner :
         {m_base, static_cast<QWidget*>(m_hosts.pageBar), static_cast<QWidget*>(m_showAllAlways)})
        setBackground(inner, InnerPanel);
}
