#include "app/SinglesPage.h"

#include "app/PageBar.h"
#include "app/PageParts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace PageParts;

SinglesPage::SinglesPage(QWidget* parent) : QWidget(parent) {
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
    m_hosts.matchList = hostArea(m_base, QStringLiteral("picSGame"), QRect(6, 12, 172, 266));
    m_hosts.marks = hostArea(m_base, QStringLiteral("picSingle"), QRect(184, 6, 536, 272));
    m_hosts.counts = hostArea(m_base, QStringLiteral("picCount"), QRect(726, 12, 184, 266));
    m_hosts.summary = hostArea(m_base, QStringLiteral("picSList"), QRect(75, 290, 640, 146));

    QPushButton* addByMarks = button(m_base, QStringLiteral("数値で追加"), QRect(726, 300, 180, 30),
                                     QStringLiteral("cmdSingleAdd2"));
    QPushButton* sort = button(m_base, QStringLiteral("並び替え"), QRect(726, 336, 180, 30),
                               QStringLiteral("cmdSort"));
    QPushButton* add = button(m_base, QStringLiteral("シングルを追加"), QRect(726, 372, 180, 30),
                              QStringLiteral("cmdSingleAdd"));
    QPushButton* remove = button(m_base, QStringLiteral("選択シングルを削除"),
                                 QRect(726, 408, 180, 30), QStringLiteral("cmdSingleDel"));
    connect(addByMarks, &QPushButton::clicked, this, &SinglesPage::addByMarksClicked);
    connect(sort, &QPushButton::clicked, this, &SinglesPage::sortClicked);
    connect(add, &QPushButton::clicked, this, &SinglesPage::addClicked);
    connect(remove, &QPushButton::clicked, this, &SinglesPage::deleteClicked);

    m_hosts.pageBar = new PageBar(QStringLiteral("Single"), this);
    m_hosts.pageBar->setGeometry(8, 596, 916, 32);
}

void SinglesPage::applyColourScheme() {
    setBackground(this, QApplication::palette().color(QPalette::Button));
    for (QWidget* inner : {m_base, m_comment, static_cast<QWidget*>(m_hosts.pageBar)})
        setBackground(inner, InnerPanel);
}
