#include "app/ProgramLogo.h"
#include "support/TestMain.h"

#include <QDir>
#include <QImage>
#include <QTest>

// The icons installed for the desktop are the program's own logo, the same picture as the
// window icon. A mismatch writes the picture as it should be beside the test, to copy over.
class tst_ProgramIcons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shippedIconIsTheLogo_data();
    void shippedIconIsTheLogo();
};

void tst_ProgramIcons::shippedIconIsTheLogo_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(size))) << size;
}

void tst_ProgramIcons::shippedIconIsTheLogo() {
    QFETCH(int, size);
    const QString name = QStringLiteral("%1x%1/apps/jp.vantrel.kelvormini.png").arg(size);
    const QString shipped = QStringLiteral(KELVOR_SHIPPED_DATA "/../icons/hicolor/") + name;
    const QImage expected =
        ProgramLogo::picture(size).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage icon = QImage(shipped).convertToFormat(QImage::Format_ARGB32);
    if (icon != expected) {
        const QString actual =
            QDir::current().filePath(QStringLiteral("icon-%1.png.actual").arg(size));
        expected.save(actual, "PNG");
        QFAIL(
            qPrintable(shipped + QStringLiteral(" differs from the logo; it should be ") + actual));
    }
}

KELVOR_TEST_MAIN(tst_ProgramIcons)
#include "tst_ProgramIcons.moc"
