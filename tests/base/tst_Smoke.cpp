#include "base/Money.h"
#include "support/FakePlatform.h"

#include <QTest>

class tst_Smoke : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void builds() { QCOMPARE(Money::fromYen(1).toString(), QStringLiteral("1")); }
};

QTEST_GUILESS_MAIN(tst_Smoke)
#include "tst_Smoke.moc"
