#include "app/SinglesPage.h"

#include "app/PageBar.h"

#include <QLabel>
#include <QPushButton>

namespace {
QWidget* host(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    area->setGeometry(geometry);
    return area;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry,
                    const QString& name) {
    auto* result = new QPushButton(text, parent);
    result->setGeometry(geometry);
    result->setObjectName(name);
    return result;
}
} // namespace

SinglesPage::SinglesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain_1"));
    lblComment =
        new QLabel(QStringLiteral("　推定金額とは、もしtotoであった場合の推定金額を計算して"
                                  "います。（投票率が存在しない試合は各1/3で計算)"),
                   this);
    lblComment->setObjectName(QStringLiteral("lblComment"));
    lblComment->setGeometry(8, 6, 900, 22);
    lblComment->setAutoFillBackground(true);

    picSingleBase = host(this, QStringLiteral("picSingleBase"), QRect(8, 32, 916, 556));
    picSingleBase->setAutoFillBackground(true);
    picSGame = host(picSingleBase, QStringLiteral("picSGame"), QRect(6, 6, 172, 272));
    picSingle = host(picSingleBase, QStringLiteral("picSingle"), QRect(184, 6, 536, 272));
    picCount = host(picSingleBase, QStringLiteral("picCount"), QRect(726, 6, 184, 272));
    picSList = host(picSingleBase, QStringLiteral("picSList"), QRect(72, 290, 640, 146));

    cmdSingleAdd2 = button(picSingleBase, QStringLiteral("数値で追加"), QRect(726, 300, 180, 30),
                           QStringLiteral("cmdSingleAdd2"));
    cmdSort = button(picSingleBase, QStringLiteral("並び替え"), QRect(726, 336, 180, 30),
                     QStringLiteral("cmdSort"));
    cmdSingleAdd = button(picSingleBase, QStringLiteral("シングルを追加"), QRect(726, 372, 180, 30),
                          QStringLiteral("cmdSingleAdd"));
    cmdSingleDel = button(picSingleBase, QStringLiteral("選択シングルを削除"),
                          QRect(726, 408, 180, 30), QStringLiteral("cmdSingleDel"));

    pageBar = new PageBar(QStringLiteral("Single"), this);
    pageBar->setGeometry(8, 596, 916, 32);
}
