#include "app/CheckPage.h"

#include "app/PageBar.h"

#include <QCheckBox>
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

CheckPage::CheckPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain_2"));
    picResultBase = host(this, QStringLiteral("picResultBase"), QRect(8, 8, 916, 580));
    picResultBase->setAutoFillBackground(true);
    picGame = host(picResultBase, QStringLiteral("picGame"), QRect(6, 6, 260, 300));
    picResultView = host(picResultBase, QStringLiteral("picResultView"), QRect(272, 6, 638, 300));
    picResultView->setAutoFillBackground(true);
    picResultList = host(picResultBase, QStringLiteral("picResultList"), QRect(6, 314, 704, 212));

    cmdResultViewNext = button(picResultBase, QStringLiteral("次の結果を表示"),
                               QRect(726, 320, 180, 30), QStringLiteral("cmdResultViewNext"));
    cmdResultViewAll = button(picResultBase, QStringLiteral("全ての結果を表示"),
                              QRect(726, 356, 180, 30), QStringLiteral("cmdResultViewAll"));
    cmdSortResult = button(picResultBase, QStringLiteral("当せん数順"), QRect(726, 392, 180, 30),
                           QStringLiteral("cmdSortResult"));
    chkResultAll = new QCheckBox(QStringLiteral("常に全ての結果を表示する"), picResultBase);
    chkResultAll->setObjectName(QStringLiteral("chkResultAll"));
    chkResultAll->setGeometry(726, 430, 186, 24);

    pageBar = new PageBar(QStringLiteral("Result"), this);
    pageBar->setGeometry(8, 596, 916, 32);
}
