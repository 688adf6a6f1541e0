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
    m_hosts.game = hostArea(m_base, QStringLiteral("picGame"), QRect(6, 6, 260, 300));
    m_hosts.resultView = hostArea(m_base, QStringLiteral("picResultView"), QRect(272, 6, 638, 300));
    m_hosts.resultView->setAutoFillBackground(true);
    m_hosts.resultList = hostArea(m_base, QStringLiteral("picResultList"), QRect(6, 314, 704, 212));

    m_showNext = button(m_base, QStringLiteral("次の結果を表示"), QRect(726, 320, 180, 30),
                        QStringLiteral("cmdResultViewNext"));
    m_showAll = button(m_base, QStringLiteral("全ての結果を表示"), QRect(726, 356, 180, 30),
                       QStringLiteral("cmdResultViewAll"));
    QPushButton* sortByHits = button(m_base, QStringLiteral("当せん数順"), QRect(726, 392, 180, 30),
                                     QStringLiteral("cmdSortResult"));
    connect(m_showNext, &QPushButton::clicked, this, &CheckPage::showNextClicked);
    connect(m_showAll, &QPushButton::clicked, this, &CheckPage::showAllClicked);
    connect(sortByHits, &QPushButton::clicked, this, &CheckPage::sortByHitsClicked);
    m_showAllAlways = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), m_base);
    m_showAllAlways->setObjectName(QStringLiteral("chkResultAll"));
    m_showAllAlways->setGeometry(726, 430, 186, 24);

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
    for (QWidget* inner : {m_base, m_hosts.resultView, static_cast<QWidget*>(m_hosts.pageBar),
                           static_cast<QWidget*>(m_showAllAlways)})
        setBackground(inner, InnerPanel);
}
