#include "app/DesktopAccess.h"
#include "app/MainMenus.h"
#include "base/ShiftJis.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "widgets/NumberBox.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// The main window driven as a user drives it: start, settings, the list commands and closing.
class tst_frmMain : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startRefusesWithoutData_data();
    void startRefusesWithoutData();
    void firstStartCreatesSettings();
    void settingsAreAppliedAndWrittenAtExit();
    void closingWhileBusyIsRefused();
    void menusCarryTheirCaptions();
    void editMenuRulesOnTheHomePage();
    void removeDuplicates_data();
    void removeDuplicates();
    void openAddsTheExtensionAndLoads();
    void openCancelledChangesNothing();
    void saveWithoutFileAsks();
    void clipboardImportReplacesTheList();
    void clipboardImportWithoutSinglesChangesNothing();
    void clipboardExportPutsRows();
    void sortOnTheHomePageKeepsThePage();
    void pagesSwitchAndBusyRefuses();
    void newClearsTheList();
    void corruptSettingsAreReported();
    void csvThatFailsLeavesTheListEmpty();
    void salesScheduleLinkOpensTheBrowser();
    void sortButtonShowsTheSortMenu();
    void busyWindowIgnoresDownloadsAndPages();
    void makerSiteDownloadAsksFirst();
    void makerSiteDownloadNeedsAWritableFolder();
    void rememberedDrawZeroShowsItsLabel_data();
    void rememberedDrawZeroShowsItsLabel();
    void drawBoxTakesWhatAnInputMethodGives();
};

void tst_frmMain::cleanup() {
    DesktopAccess::restoreDefaults();
}

void tst_frmMain::startRefusesWithoutData_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("message");
    QTest::newRow("SysData") << QStringLiteral("SysData")
                             << QStringLiteral("システムデータフォルダ(SysData)が見つかりません");
    for (const QString& name : MainWindowFixture::dataFiles())
        QTest::newRow(qPrintable(name))
            << name
            << QStringLiteral("データファイル(") + name + QStringLiteral(")が見つかりません");
}

void tst_frmMain::startRefusesWithoutData() {
    QFETCH(QString, missing);
    QFETCH(QString, message);
    MainWindowFixture f(missing);
    QVERIFY(!f.start());
    QVERIFY(f.window == nullptr);
    QCOMPARE(f.platform.texts(), QStringList{message});
    QCOMPARE(f.platform.messages.first().icon, MessageIcon::Error);
    QVERIFY(!QFile::exists(f.platform.path(QStringLiteral("SysData/bigSettings.ini"))));
}

void tst_frmMain::firstStartCreatesSettings() {
    MainWindowFixture f;
    QVERIFY(f.start());
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.window->isVisible());
    QVERIFY(QFile::exists(f.platform.path(QStringLiteral("SysData/bigSettings.ini"))));
    QVERIFY(!QFile::exists(f.platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY(QDir(f.platform.path(QStringLiteral("UserData/Kelvormini"))).exists());
    QCOMPARE(f.widget<NumberBox>(QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("1"));
    QCOMPARE(f.window->currentPage(), 0);
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini"));
    QCOMPARE(f.widget<QLabel>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.00"));
    QVERIFY(f.window->contentPanel()->width() >= 1005);
    QVERIFY(f.window->contentPanel()->height() >= 655);

    f.action(QStringLiteral("mnuFile_End"))->trigger();
    QVERIFY(!f.window->isVisible());
    const QString settings = ShiftJis::decode(
        TestFiles::read(f.platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY2(settings.endsWith(QStringLiteral("\r\nKaisaikai = 1\r\nDownloadMessage = 1\r\n"
                                              "ResultAll = 0\r\n")),
             qPrintable(settings));
}

void tst_frmMain::settingsAreAppliedAndWrittenAtExit() {
    MainWindowFixture f;
    QVERIFY(f.writeSettings("Kaisaikai = 42\r\nDownloadMessage = 0\r\nResultAll = 1\r\n"));
    QVERIFY(f.start());
    QCOMPARE(f.widget<NumberBox>(QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("42"));
    QVERIFY(!f.widget<QCheckBox>(QStringLiteral("chkDownload"))->isChecked());
    QVERIFY(f.widget<QCheckBox>(QStringLiteral("chkResultAll"))->isChecked());
    f.widget<QCheckBox>(QStringLiteral("chkDownload"))->setChecked(true);
    QVERIFY(f.window->close());
    const QString settings = ShiftJis::decode(
        TestFiles::read(f.platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY(settings.contains(
        QStringLiteral("Kaisaikai = 42\r\nDownloadMessage = 1\r\nResultAll = 1\r\n")));
}

void tst_frmMain::closingWhileBusyIsRefused() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->singleList().setBusy(true);
    QVERIFY(!f.window->close());
    QVERIFY(f.window->isVisible());
    QVERIFY(!QFile::exists(f.platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    f.window->singleList().setBusy(false);
    QVERIFY(f.window->close());
    QVERIFY(QFile::exists(f.platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
}

void tst_frmMain::menusCarryTheirCaptions() {
    FakePlatform platform;
    frmMain window;
    const QList<QPair<QString, QString>> items = {
        {QStringLiteral("mnuFile_New"), QStringLiteral("新規作成(&N)")},
        {QStringLiteral("mnuFile_Open"), QStringLiteral("開く(&O)...")},
        {QStringLiteral("mnuFile_Save"), QStringLiteral("上書き保存(&S)")},
        {QStringLiteral("mnuFile_SaveAs"), QStringLiteral("名前を付けて保存(&A)...")},
        {QStringLiteral("mnuFile_End"), QStringLiteral("終了(&X)")},
        {QStringLiteral("mnuEdit_JSingleDel"), QStringLiteral("重複シングル削除")},
        {QStringLiteral("mnuEdit_Sort_Mark_0"), QStringLiteral("ホーム勝ち")},
        {QStringLiteral("mnuEdit_Sort_Mark_1"), QStringLiteral("その他")},
        {QStringLiteral("mnuEdit_Sort_Mark_2"), QStringLiteral("アウェイ勝ち")},
        {QStringLiteral("mnuEdit_Sort_Order"), QStringLiteral("昇順で並べ替える")},
        {QStringLiteral("mnuView_SinglePercent"), QStringLiteral("シングル構成を％で表示")},
        {QStringLiteral("mnuTool_Clipboard_Class_4"), QStringLiteral("買い目（１口が列）")},
        {QStringLiteral("mnuHelp_Version"), QStringLiteral("バージョン情報(&A)...")},
    };
    for (const auto& [name, text] : items) {
        QAction* item = window.findChild<QAction*>(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), text);
    }
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuFile_Open"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuFile_Save"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuEdit_Sort_Mark_3"))->isVisible());
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuEdit_Sort_Ninki_3"))->isVisible());
    QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuEdit_Sort_Order"))->isChecked());
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                 QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                                 QStringLiteral("ヘルプ(&H)")}));
}

void tst_frmMain::editMenuRulesOnTheHomePage() {
    MainWindowFixture f;
    QVERIFY(f.start());
    auto* edit = f.window->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    Q_EMIT edit->aboutToShow();
    for (const char16_t* name :
         {u"mnuEdit_Select_0", u"mnuEdit_Select_1", u"mnuEdit_SingleAdd", u"mnuEdit_SingleAdd2",
          u"mnuEdit_SingleDel", u"mnuEdit_Sort_Money_0", u"mnuEdit_Sort_Ninki_2",
          u"mnuEdit_Sort_Result"})
        QVERIFY2(!f.action(QString::fromUtf16(name))->isEnabled(),
                 qPrintable(QString::fromUtf16(name)));
    QVERIFY(f.action(QStringLiteral("mnuEdit_Sort_Mark_0"))->isEnabled());
    f.window->ShowPage(1);
    Q_EMIT edit->aboutToShow();
    QVERIFY(f.action(QStringLiteral("mnuEdit_SingleAdd2"))->isEnabled());
    QVERIFY(!f.action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    f.window->ShowPage(2);
    Q_EMIT edit->aboutToShow();
    QVERIFY(f.action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    QVERIFY(!f.action(QStringLiteral("mnuEdit_SingleAdd2"))->isEnabled());
}

void tst_frmMain::removeDuplicates_data() {
    QTest::addColumn<QList<qint32>>("list");
    QTest::addColumn<QList<qint32>>("survivors");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("page");
    QTest::newRow("duplicates") << QList<qint32>{5, 7, 5, 0, 7} << QList<qint32>{5, 7, 0}
                                << QStringLiteral("重複したシングルを消去しました\r\n"
                                                  "シングル総数：5 → 3")
                                << 2;
    QTest::newRow("none") << QList<qint32>{5, 7, 0} << QList<qint32>{5, 7, 0}
                          << QStringLiteral("重複したシングルは存在しません") << 2;
    QTest::newRow("empty") << QList<qint32>{} << QList<qint32>{} << QString() << 0;
}

void tst_frmMain::removeDuplicates() {
    QFETCH(QList<qint32>, list);
    QFETCH(QList<qint32>, survivors);
    QFETCH(QString, message);
    QFETCH(int, page);
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList(std::vector<qint32>(list.begin(), list.end()));
    f.action(QStringLiteral("mnuEdit_JSingleDel"))->trigger();
    QCOMPARE(QList<qint32>(f.window->singles().begin(), f.window->singles().end()), survivors);
    QCOMPARE(f.platform.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.window->currentPage(), page);
    QCOMPARE(f.platform.waitCursorDepth, 0);
    // The frame follows the list: every match's three counts add up to its length.
    const SingleFrame& frame = f.window->singleFrame();
    QCOMPARE(frame[0][0] + frame[1][0] + frame[2][0], qint32(survivors.size()));
}

void tst_frmMain::openAddsTheExtensionAndLoads() {
    MainWindowFixture f;
    QVERIFY(f.start());
    const QString folder = f.window->userDataFolder();
    QVERIFY(TestFiles::write(folder + QStringLiteral("/abc.csv"),
                             "1,0,2,1,1,0,0,2,1\r\n0,0,0,0,0,0,0,0,0\r\n"));
    QString offeredName;
    QString offeredFolder;
    DesktopAccess::current().openFileName = [&](QWidget*, const QString& title, const QString&,
                                                const QString& initial, const QString& suggested) {
        offeredName = suggested;
        offeredFolder = initial;
        return title == QStringLiteral("ファイルを開く") ? folder + QStringLiteral("/abc")
                                                         : QString();
    };
    f.action(QStringLiteral("mnuFile_Open"))->trigger();
    QCOMPARE(offeredName, QStringLiteral("Tovmi-001.csv"));
    QCOMPARE(offeredFolder, folder);
    QCOMPARE(f.window->singles().size(), std::size_t(2));
    QCOMPARE(f.window->singles().at(1), 0);
    QCOMPARE(f.window->currentFile(), folder + QStringLiteral("/abc.csv"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini - [abc.csv]"));
    QCOMPARE(f.window->currentPage(), 1);
    QVERIFY(!f.window->singleList().isBusy());
}

void tst_frmMain::openCancelledChangesNothing() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList({1, 2, 3});
    DesktopAccess::current().openFileName = [](QWidget*, const QString&, const QString&,
                                               const QString&,
                                               const QString&) { return QString(); };
    f.window->FileOpen();
    QCOMPARE(f.window->singles().size(), std::size_t(3));
}

void tst_frmMain::saveWithoutFileAsks() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList({0, 19682});
    const QString target = f.window->userDataFolder() + QStringLiteral("/mine");
    int asked = 0;
    DesktopAccess::current().saveFileName = [&](QWidget*, const QString& title, const QString&,
                                                const QString&, const QString&) {
        ++asked;
        return title == QStringLiteral("名前を付けて保存") ? target : QString();
    };
    f.action(QStringLiteral("mnuFile_Save"))->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(TestFiles::read(target + QStringLiteral(".csv")),
             QByteArray("0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2\r\n"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini - [mine.csv]"));
    // With a current file, Save writes without asking.
    f.window->setSingleList({0});
    f.action(QStringLiteral("mnuFile_Save"))->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(TestFiles::read(target + QStringLiteral(".csv")), QByteArray("0,0,0,0,0,0,0,0,0\r\n"));
}

void tst_frmMain::clipboardImportReplacesTheList() {
    MainWindowFixture f;
    QVERIFY(f.start());
    DesktopAccess::current().clipboardText = [] {
        return QStringLiteral("1:102110021\r\n\r\n1 0 2 1 1 0 0 2 1\r\n102110021\r\n10211002");
    };
    f.action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(f.window->singles().size(), std::size_t(3));
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("3口取り込みしました")});
    QCOMPARE(f.window->currentPage(), 2);
}

void tst_frmMain::clipboardImportWithoutSinglesChangesNothing() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList({4});
    DesktopAccess::current().clipboardText = [] { return QString(); };
    f.action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(f.window->singles(), std::vector<qint32>{4});
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.window->currentPage(), 0);
}

void tst_frmMain::clipboardExportPutsRows() {
    MainWindowFixture f;
    QVERIFY(f.start());
    QString clipboard;
    DesktopAccess::current().setClipboardText = [&](const QString& text) { clipboard = text; };
    f.window->setSingleList({0, 19682});
    f.action(QStringLiteral("mnuTool_Clipboard_Class_3"))->trigger();
    QCOMPARE(clipboard, QStringLiteral("1:000000000\r\n2:222222222\r\n"));
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("クリップボードへコピーしました")});
}

void tst_frmMain::sortOnTheHomePageKeepsThePage() {
    MainWindowFixture f;
    QVERIFY(f.start());
    // Marks 1 counted: 19682 has none, 9841 (all 1) nine, 1 one.
    f.window->setSingleList({9841, 19682, 1});
    f.action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();
    QCOMPARE(f.window->singles(), (std::vector<qint32>{19682, 1, 9841}));
    QCOMPARE(f.window->currentPage(), 0);
    f.action(QStringLiteral("mnuEdit_Sort_Order"))->trigger();
    f.action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();
    QCOMPARE(f.window->singles(), (std::vector<qint32>{9841, 1, 19682}));
}

void tst_frmMain::pagesSwitchAndBusyRefuses() {
    MainWindowFixture f;
    QVERIFY(f.start());
    QTest::mouseClick(f.widget<TabStrip>(QStringLiteral("imgMenu")), Qt::LeftButton, {},
                      f.widget<TabStrip>(QStringLiteral("imgMenu"))->tabRect(1).center());
    QCOMPARE(f.window->currentPage(), 1);
    QVERIFY(f.action(QStringLiteral("mnuView_Menu_1"))->isChecked());
    QVERIFY(!f.action(QStringLiteral("mnuView_Menu_0"))->isChecked());
    QVERIFY(!f.widget<QWidget>(QStringLiteral("picMain_0"))->isVisible());
    f.window->singleList().setBusy(true);
    f.action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QCOMPARE(f.window->currentPage(), 1);
    QVERIFY(!f.action(QStringLiteral("mnuView_Menu_2"))->isChecked());
    f.window->singleList().setBusy(false);
}

void tst_frmMain::newClearsTheList() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList({1, 2});
    f.window->ShowPage(2);
    f.action(QStringLiteral("mnuFile_New"))->trigger();
    QVERIFY(f.window->singles().empty());
    QCOMPARE(f.window->currentPage(), 0);
    QCOMPARE(f.window->singleFrame()[1][0], 0);
}

void tst_frmMain::corruptSettingsAreReported() {
    MainWindowFixture f;
    QVERIFY(f.writeSettings("Kaisaikai = abc\r\nDownloadMessage = 0\r\n"));
    QVERIFY(f.start());
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("Kelvor mini.iniファイルが破損しています。")});
    QCOMPARE(f.widget<NumberBox>(QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("1"));
    QVERIFY(!f.widget<QCheckBox>(QStringLiteral("chkDownload"))->isChecked());
}

void tst_frmMain::csvThatFailsLeavesTheListEmpty() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->setSingleList({1, 2, 3});
    const QString path = f.window->userDataFolder() + QStringLiteral("/Tovmi-077.csv");
    QVERIFY(TestFiles::write(path, "1,0,2,1,1,0,0,2,1\r\n1,0,x,1,1,0,0,2,1\r\n"));
    DesktopAccess::current().openFileName = [&](QWidget*, const QString&, const QString&,
                                                const QString&, const QString&) { return path; };
    f.window->FileOpen();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().icon, MessageIcon::Error);
    QVERIFY(f.window->singles().empty());
    QVERIFY(!f.window->singleList().isBusy());
    QCOMPARE(f.window->currentPage(), 1);
    // The draw of the file name is loaded even so.
    QCOMPARE(f.widget<NumberBox>(QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("77"));
}

void tst_frmMain::rememberedDrawZeroShowsItsLabel_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("empty box at the last exit") << QByteArray("Kaisaikai = -1\r\n");
    QTest::newRow("zero") << QByteArray("Kaisaikai = 0\r\n");
}

void tst_frmMain::rememberedDrawZeroShowsItsLabel() {
    QFETCH(QByteArray, settings);
    MainWindowFixture f;
    QVERIFY(f.writeSettings(settings));
    QVERIFY(f.start());
    QCOMPARE(f.widget<NumberBox>(QStringLiteral("txtScheduleNo"))->text(), QStringLiteral("0"));
    QCOMPARE(f.window->kaisaikai(), 0);
    QCOMPARE(f.window->drawStatusBar()->text(), QStringLiteral(" 第   回 "));
}

void tst_frmMain::sortButtonShowsTheSortMenu() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->ShowPage(1);
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdSort")), Qt::LeftButton);
    QVERIFY(f.window->menus().sortMenu->isVisible());
    QVERIFY(!f.action(QStringLiteral("mnuEdit_Sort_Money_0"))->isEnabled());
    QVERIFY(!f.action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    f.window->menus().sortMenu->hide();
}

void tst_frmMain::busyWindowIgnoresDownloadsAndPages() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.window->singleList().setBusy(true);
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdOfficialDownload_0")),
                      Qt::LeftButton);
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdVantrelDownload")), Qt::LeftButton);
    QTest::mouseClick(f.widget<TabStrip>(QStringLiteral("imgMenu")), Qt::LeftButton, {},
                      f.widget<TabStrip>(QStringLiteral("imgMenu"))->tabRect(2).center());
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.window->currentPage(), 0);
    f.window->singleList().setBusy(false);
}

void tst_frmMain::salesScheduleLinkOpensTheBrowser() {
    MainWindowFixture f;
    QVERIFY(f.start());
    QUrl opened;
    DesktopAccess::current().openUrl = [&](const QUrl& url) {
        opened = url;
        return true;
    };
    QLabel* link = f.widget<QLabel>(QStringLiteral("lblSchedule"));
    QCOMPARE(link->text(), QStringLiteral("販売スケジュールを確認する"));
    QTest::mouseClick(link, Qt::LeftButton);
    const QUrl schedule(
        QStringLiteral("http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule"));
    QCOMPARE(opened, schedule);

    // Without a browser the address is reported and put on the clipboard.
    DesktopAccess::current().openUrl = [](const QUrl&) { return false; };
    QString clipboard;
    DesktopAccess::current().setClipboardText = [&](const QString& text) { clipboard = text; };
    f.platform.clearMessages();
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(clipboard, schedule.toString());
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages.front().text.endsWith(schedule.toString()));
}

void tst_frmMain::makerSiteDownloadAsksFirst() {
    MainWindowFixture f;
    QVERIFY(f.start());
    f.platform.answers = {false};
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdVantrelDownload")), Qt::LeftButton);
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral(
                 "Vantrelより 海外チーム名 をダウンロードします。よろしいですか？")});
    QVERIFY(f.platform.messages.first().question);
}

void tst_frmMain::makerSiteDownloadNeedsAWritableFolder() {
    MainWindowFixture f;
    QVERIFY(f.start());
    // The nearest thing to a protected folder that a test run as any user can make: none at all.
    QVERIFY(QDir(f.platform.programFolder()).removeRecursively());
    QTest::mouseClick(f.widget<QPushButton>(QStringLiteral("cmdVantrelDownload")), Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("管理権限不足エラー"));
    QVERIFY(!f.platform.messages.first().question);
}

// Full-width digits typed through an input method and a pasted caption choose the draw; a text
// without a digit leaves the draw as it was, where it used to become draw 0.
void tst_frmMain::drawBoxTakesWhatAnInputMethodGives() {
    MainWindowFixture f;
    QVERIFY(f.start());
    auto* box = f.widget<NumberBox>(QStringLiteral("txtScheduleNo"));
    box->clear();
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("１２３４"));
    QCoreApplication::sendEvent(box, &committed);
    QCOMPARE(f.window->kaisaikai(), 1234);
    for (const QString& pasted :
         {QStringLiteral("第1235回"), QStringLiteral("くじ"), QStringLiteral("　")}) {
        QGuiApplication::clipboard()->setText(pasted);
        box->selectAll();
        box->paste();
        QCOMPARE(f.window->kaisaikai(), 1235);
        QCOMPARE(box->text(), QStringLiteral("1235"));
    }
}

KELVOR_TEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
