#include "app/DesktopAccess.h"
#include "app/WindowGeometry.h"
#include "app/clsWaitDialog.h"
#include "app/frmAbout.h"
#include "app/frmLoad.h"
#include "app/frmNumbers.h"
#include "app/frmWaitDialog.h"
#include "base/AppInfo.h"
#include "support/FakePlatform.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// The small windows of the main window: number entry, progress window, and the window's size
// and place arithmetic.
class tst_Dialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numbersAcceptsOnlyMarkDigits();
    void numbersOkNeedsNineCharacters();
    void numbersOkAnswers_data();
    void numbersOkAnswers();
    void numbersCancelAnswersEmpty();
    void aboutShowsVersionAndLinks();
    void splashShowsTheCopyright();
    void waitDialogShowsShareOfMax_data();
    void waitDialogShowsShareOfMax();
    void waitDialogClosesWithItsController();
    void windowPlacement_data();
    void windowPlacement();
    void versionText_data();
    void versionText();
};

void tst_Dialogs::numbersAcceptsOnlyMarkDigits() {
    FakePlatform platform;
    frmNumbers dialog;
    QTest::keyClicks(dialog.txtNumber(), QStringLiteral("1a3 0-2x9"));
    QCOMPARE(dialog.txtNumber()->text(), QStringLiteral("102"));
    QTest::keyClicks(dialog.txtNumber(), QStringLiteral("2222222222"));
    QCOMPARE(dialog.txtNumber()->text(), QStringLiteral("102222222"));
    QTest::keyClick(dialog.txtNumber(), Qt::Key_Backspace);
    QCOMPARE(dialog.txtNumber()->text(), QStringLiteral("10222222"));
}

void tst_Dialogs::numbersOkNeedsNineCharacters() {
    FakePlatform platform;
    frmNumbers dialog;
    QVERIFY(!dialog.cmdOK()->isEnabled());
    QTest::keyClicks(dialog.txtNumber(), QStringLiteral("10201201"));
    QVERIFY(!dialog.cmdOK()->isEnabled());
    QTest::keyClicks(dialog.txtNumber(), QStringLiteral("2"));
    QVERIFY(dialog.cmdOK()->isEnabled());
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" 数値入力"));
    QCOMPARE(dialog.cmdOK()->text(), QStringLiteral("O K"));
    QCOMPARE(dialog.cmdCancel()->text(), QStringLiteral("キャンセル"));
}

void tst_Dialogs::numbersOkAnswers_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("answer");
    QTest::newRow("valid") << QStringLiteral("102110021") << QString() << 0
                           << QStringLiteral("102110021");
    QTest::newRow("pasted digit 3")
        << QStringLiteral("102310021") << QStringLiteral("入力データが異常です。")
        << int(MessageIcon::Warning) << QString();
    QTest::newRow("pasted full-width")
        << QStringLiteral("１02110021") << QStringLiteral("入力データが異常です。")
        << int(MessageIcon::Warning) << QString();
    QTest::newRow("too short") << QStringLiteral("1021")
                               << QStringLiteral("すべてのデータを入力して下さい")
                               << int(MessageIcon::Information) << QString();
}

void tst_Dialogs::numbersOkAnswers() {
    QFETCH(QString, pasted);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, answer);
    FakePlatform platform;
    frmNumbers dialog;
    dialog.show();
    dialog.txtNumber()->insert(pasted);
    // The button is disabled for a short entry; Enter still reaches the OK rule.
    dialog.cmdOK()->setEnabled(true);
    dialog.cmdOK()->click();
    if (message.isEmpty()) {
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(platform.texts(), QStringList{message});
        QCOMPARE(int(platform.messages.first().icon), icon);
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(dialog.answer(), answer);
}

void tst_Dialogs::numbersCancelAnswersEmpty() {
    FakePlatform platform;
    frmNumbers dialog;
    dialog.show();
    QTest::keyClicks(dialog.txtNumber(), QStringLiteral("102110021"));
    dialog.cmdCancel()->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.answer(), QString());
}

void tst_Dialogs::aboutShowsVersionAndLinks() {
    QWidget owner(nullptr, Qt::WindowStaysOnTopHint);
    frmAbout about(&owner, QStringLiteral("1.05"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.05"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), AppInfo::title());
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblCopyright"))->text(),
             AppInfo::copyright());
    QVERIFY(about.windowFlags() & Qt::WindowStaysOnTopHint);
    QUrl opened;
    DesktopAccess::current().openUrl = [&](const QUrl& url) {
        opened = url;
        return true;
    };
    Q_EMIT about.lblWeb()->linkActivated(frmAbout::webSite());
    QCOMPARE(opened, QUrl(frmAbout::webSite()));
    DesktopAccess::restoreDefaults();
}

void tst_Dialogs::splashShowsTheCopyright() {
    frmLoad splash;
    QCOMPARE(splash.lblCopyright()->text(), AppInfo::copyright());
}

void tst_Dialogs::waitDialogShowsShareOfMax_data() {
    QTest::addColumn<qint64>("max");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("percent");
    QTest::newRow("half") << qint64(200) << qint64(100) << 50;
    QTest::newRow("zero max") << qint64(0) << qint64(5) << 0;
    QTest::newRow("beyond max") << qint64(10) << qint64(20) << 100;
    QTest::newRow("millions") << qint64(3000000) << qint64(1000000) << 33;
}

void tst_Dialogs::waitDialogShowsShareOfMax() {
    QFETCH(qint64, max);
    QFETCH(qint64, value);
    QFETCH(int, percent);
    clsWaitDialog wait;
    wait.Initialize(nullptr);
    wait.setMessage(QStringLiteral("読み込み中"));
    wait.setMax(max);
    wait.setValue(value);
    QCOMPARE(wait.percent(), percent);
    QCOMPARE(wait.window()->bar()->value(), percent);
    QCOMPARE(wait.window()->lblMessage()->text(), QStringLiteral("読み込み中"));
    QCOMPARE(wait.window()->windowTitle(), QStringLiteral(" 処理中 . . ."));
}

void tst_Dialogs::waitDialogClosesWithItsController() {
    QWidget owner;
    owner.show();
    QPointer<frmWaitDialog> window;
    {
        clsWaitDialog wait;
        window = wait.window();
        QVERIFY(!window->isVisible());
        wait.Initialize(&owner);
        QVERIFY(window->isVisible());
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    }
    QVERIFY(window.isNull());
}

void tst_Dialogs::windowPlacement_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("window");
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QRect(0, 0, 1024, 728) << QSize(8, 50)
                                << QRect(5, 11, 1013, 705);
    QTest::newRow("800 x 600 fills the work area")
        << QSize(800, 600) << QRect(0, 0, 800, 560) << QSize(8, 50) << QRect(0, 0, 800, 560);
    QTest::newRow("narrow only") << QSize(1000, 900) << QRect(10, 0, 1000, 860) << QSize(8, 50)
                                 << QRect(10, 77, 1000, 705);
    // The halves are truncated toward zero, also when the window is larger than the area.
    QTest::newRow("taller than the area")
        << QSize(1280, 768) << QRect(0, 0, 1280, 700) << QSize(8, 50) << QRect(133, -2, 1013, 705);
}

void tst_Dialogs::windowPlacement() {
    QFETCH(QSize, screen);
    QFETCH(QRect, workArea);
    QFETCH(QSize, frame);
    QFETCH(QRect, window);
    QCOMPARE(WindowGeometry::place(screen, workArea, WindowGeometry::MinimumContent, frame),
             window);
}

void tst_Dialogs::versionText_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.5 revision 0") << 1 << 5 << 0 << QStringLiteral("1.05");
    QTest::newRow("2.10 revision 3") << 2 << 10 << 3 << QStringLiteral("2.10.3");
    QTest::newRow("1.0") << 1 << 0 << 0 << QStringLiteral("1.00");
}

void tst_Dialogs::versionText() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    QCOMPARE(WindowGeometry::versionText(major, minor, revision), text);
}

KELVOR_TEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
