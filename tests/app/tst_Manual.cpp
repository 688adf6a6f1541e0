#include "app/frmManual.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QFile>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

using namespace Qt::StringLiterals;

class tst_Manual : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every picture and every anchor the manual names is there: a page renamed or left out of
    // the program's resources would show as a broken picture or a link to nowhere.
    void everyPictureAndAnchorOfTheManualResolves() {
        QFile page(frmManual::startPage().mid(3));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        const QRegularExpression picture(uR"re(<img src="([^"]+)")re"_s);
        int pictures = 0;
        for (const auto& match : picture.globalMatch(html)) {
            QVERIFY2(QFile::exists(QUrl(frmManual::startPage())
                                       .resolved(QUrl(match.captured(1)))
                                       .path()
                                       .prepend(u':')),
                     qPrintable(match.captured(1)));
            ++pictures;
        }
        QCOMPARE(pictures, 4);
        const QRegularExpression link(uR"re(<a href="#([^"]+)")re"_s);
        for (const auto& match : link.globalMatch(html))
            QVERIFY2(html.contains(u"<a name=\""_s + match.captured(1) + u'"'),
                     qPrintable(match.captured(1)));
    }

    // F1 and ヘルプ > 使い方 open one manual window beside the main window, at its first page.
    void f1OpensTheManualBesideTheMainWindow() {
        MainWindowFixture f;
        QVERIFY(f.start());
        QCOMPARE(f.action(u"mnuHelp_Manual"_s)->text(), u"使い方"_s);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        auto* manual = f.window->findChild<frmManual*>();
        QVERIFY(manual != nullptr);
        QVERIFY(manual->isVisible());
        QVERIFY(manual->browser()->toPlainText().contains(u"くじの日の流れ"_s));
        QVERIFY(f.window->screen()->availableGeometry().contains(manual->frameGeometry()));
        f.action(u"mnuHelp_Manual"_s)->trigger();
        QCOMPARE(f.window->findChildren<frmManual*>().size(), 1);
    }
};

KELVOR_TEST_MAIN(tst_Manual)
#include "tst_Manual.moc"
