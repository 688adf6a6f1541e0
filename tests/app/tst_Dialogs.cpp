#include "app/DesktopAccess.h"
#include "app/QtPlatform.h"
#include "app/WindowGeometry.h"
#include "app/clsWaitDialog.h"
#include "app/frmAbout.h"
#include "app/frmLoad.h"
#include "app/frmNumbers.h"
#include "app/frmWaitDialog.h"
#include "base/AppInfo.h"
#include "support/FakePlatform.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void aboutShowsNoLinkWithoutPublishedAddresses();
    void linkThatCannotBeOpenedIsCopied_data();
    void linkThatCannotBeOpenedIsCopied();
    void splashShowsTheCopyright();
    void waitDialogShowsShareOfMax_data();
    void waitDialogShowsShareOfMax();
    void waitDialogClosesWithItsController();
    void messageBoxesAreNeverUnderTheProgressWindow();
    void fileDialogsAddTheListExtension_data();
    void fileDialogsAddTheListExtension();
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
    const QString site = QStringLiteral("https://maker.test/kelvor/");
    frmAbout about(&owner, QStringLiteral("1.05"), QStringLiteral("mail@maker.test"), site);
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
    Q_EMIT about.lblWeb()->linkActivated(site);
    QCOMPARE(opened, QUrl(site));
    QVERIFY(!about.lblWeb()->isHidden());
    QVERIFY(about.lblMail()->text().contains(QStringLiteral("mailto:mail@maker.test")));
    DesktopAccess::restoreDefaults();
}

void tst_Dialogs::aboutShowsNoLinkWithoutPublishedAddresses() {
    frmAbout about(nullptr, QStringLiteral("1.00"));
    QVERIFY(about.lblMail()->isHidden());
    QVERIFY(about.lblWeb()->isHidden());
    // No invented address anywhere in the box.
    for (const QLabel* label : about.findChildren<QLabel*>())
        QVERIFY2(!label->text().contains(QStringLiteral(".example")), qPrintable(label->text()));
}

void tst_Dialogs::linkThatCannotBeOpenedIsCopied_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("web page")
        << QStringLiteral("http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule")
        << QStringLiteral("http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule")
        << QStringLiteral("ブラウザーを起動できませんでした。");
    QTest::newRow("mail address") << QStringLiteral("mailto:mail@maker.test")
                                  << QStringLiteral("mail@maker.test")
                                  << QStringLiteral("メールソフトを起動できませんでした。");
}

void tst_Dialogs::linkThatCannotBeOpenedIsCopied() {
    QFETCH(QString, url);
    QFETCH(QString, copied);
    QFETCH(QString, firstLine);
    FakePlatform platform;
    QString clipboard = QStringLiteral("before");
    DesktopAccess::current().openUrl = [](const QUrl&) { return false; };
    DesktopAccess::current().setClipboardText = [&](const QString& text) { clipboard = text; };

    QVERIFY(!DesktopAccess::openLink(QUrl(url)));
    QCOMPARE(clipboard, copied);
    QCOMPARE(platform.messages.size(), 1);
    const FakePlatform::Message& message = platform.messages.first();
    QVERIFY(message.text.startsWith(firstLine));
    QVERIFY(message.text.endsWith(QStringLiteral("\r\n\r\n") + copied));
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(message.title, AppInfo::title());

    // A link that opens says nothing and leaves the clipboard alone.
    platform.clearMessages();
    clipboard = QStringLiteral("before");
    DesktopAccess::current().openUrl = [](const QUrl&) { return true; };
    QVERIFY(DesktopAccess::openLink(QUrl(url)));
    QCOMPARE(clipboard, QStringLiteral("before"));
    QVERIFY(platform.messages.isEmpty());
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

void tst_Dialogs::messageBoxesAreNeverUnderTheProgressWindow() {
    QtPlatform platform;
    QWidget owner;
    owner.show();
    std::unique_ptr<ProgressWindow> progress = platform.openProgress(QStringLiteral("保存中"), 10);
    QPointer<frmWaitDialog> window;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* wait = qobject_cast<frmWaitDialog*>(w))
            window = wait;
    QVERIFY(window && window->isVisible());

    // Answers the box that the platform shows next with a key, noting what was on screen.
    bool boxShown = false;
    bool progressShown = true;
    const auto answerWith = [&](int key) {
        QTimer::singleShot(0, [&, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            boxShown = box != nullptr;
            progressShown = window && window->isVisible();
            if (box != nullptr)
                QTest::keyClick(box, Qt::Key(key));
        });
    };
    answerWith(Qt::Key_Escape);
    platform.showMessage(QStringLiteral("失敗しました"), QStringLiteral("Kelvor mini"),
                         MessageIcon::Error);
    QVERIFY(boxShown);
    QVERIFY(!progressShown);
    QVERIFY(window->isVisible());

    boxShown = false;
    progressShown = true;
    answerWith(Qt::Key_Escape);
    QCOMPARE(platform.askYesNoCancel(QStringLiteral("保存しますか？"),
                                     QStringLiteral("Kelvor mini"), MessageIcon::Information,
                                     Answer::Yes),
             Answer::Cancel);
    QVERIFY(boxShown);
    QVERIFY(!progressShown);
    answerWith(Qt::Key_Return);
    QCOMPARE(platform.askYesNoCancel(QStringLiteral("保存しますか？"),
                                     QStringLiteral("Kelvor mini"), MessageIcon::Information,
                                     Answer::No),
             Answer::No);
}

void tst_Dialogs::fileDialogsAddTheListExtension_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::newRow("open an existing list")
        << int(QFileDialog::AcceptOpen) << QStringLiteral("mytest");
    QTest::newRow("save a new list") << int(QFileDialog::AcceptSave) << QStringLiteral("newlist");
}

void tst_Dialogs::fileDialogsAddTheListExtension() {
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("mytest.csv")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const std::unique_ptr<QFileDialog> dialog = DesktopAccess::fileDialog(
        nullptr, QFileDialog::AcceptMode(mode), QStringLiteral("ファイルを開く"),
        QStringLiteral("CSVファイル(*.csv)"), folder.path(), QStringLiteral("Tovmi-001.csv"));
    // The dialog of Qt itself, whatever the desktop offers, so that the test can type into it.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    QCOMPARE(name->text(), QStringLiteral("Tovmi-001.csv"));
    name->setText(typed);
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->selectedFiles(),
             QStringList{QDir(folder.path()).filePath(typed + QStringLiteral(".csv"))});
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
