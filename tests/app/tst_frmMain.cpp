#include "app/CheckPage.h"
#include "app/DesktopAccess.h"
#include "app/HomePage.h"
#include "app/SinglesPage.h"
#include "app/basMain.h"
#include "app/frmMain.h"
#include "base/ShiftJis.h"
#include "support/FakePlatform.h"
#include "widgets/NumberBox.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList DataFiles = {QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                               QStringLiteral("TeamName2.dat"), QStringLiteral("J1J2.dat")};

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeData(FakePlatform& platform, const QString& skip = QString()) {
    QDir().mkpath(platform.path(QStringLiteral("SysData")));
    for (const QString& name : DataFiles)
        if (name != skip)
            writeFile(platform.path(QStringLiteral("SysData/") + name), ";\r\n");
}

} // namespace

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
};

void tst_frmMain::cleanup() {
    DesktopAccess::restoreDefaults();
}

void tst_frmMain::startRefusesWithoutData_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("message");
    QTest::newRow("SysData") << QStringLiteral("SysData")
                             << QStringLiteral("システムデータフォルダ(SysData)が見つかりません");
    for (const QString& name : DataFiles)
        QTest::newRow(qPrintable(name))
            << name
            << QStringLiteral("データファイル(") + name + QStringLiteral(")が見つかりません");
}

void tst_frmMain::startRefusesWithoutData() {
    QFETCH(QString, missing);
    QFETCH(QString, message);
    FakePlatform platform;
    if (missing != QStringLiteral("SysData"))
        writeData(platform, missing);
    QVERIFY(basMain::Main() == nullptr);
    QCOMPARE(platform.texts(), QStringList{message});
    QCOMPARE(platform.messages.first().icon, MessageIcon::Error);
    QVERIFY(!QFile::exists(platform.path(QStringLiteral("SysData/bigSettings.ini"))));
}

void tst_frmMain::firstStartCreatesSettings() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(window->isVisible());
    QVERIFY(QFile::exists(platform.path(QStringLiteral("SysData/bigSettings.ini"))));
    QVERIFY(!QFile::exists(platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY(QDir(platform.path(QStringLiteral("UserData/Kelvormini"))).exists());
    QCOMPARE(window->homePage()->txtScheduleNo->text(), QStringLiteral("1"));
    QCOMPARE(window->currentPage(), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini"));
    QCOMPARE(window->homePage()->lblVersion->text(), QStringLiteral("Version 1.00"));
    QVERIFY(window->contentPanel()->width() >= 1005);
    QVERIFY(window->contentPanel()->height() >= 655);

    window->action(QStringLiteral("mnuFile_End"))->trigger();
    QVERIFY(!window->isVisible());
    const QString settings =
        ShiftJis::decode(readFile(platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY2(settings.endsWith(QStringLiteral("\r\nKaisaikai = 1\r\nDownloadMessage = 1\r\n"
                                              "ResultAll = 0\r\n")),
             qPrintable(settings));
}

void tst_frmMain::settingsAreAppliedAndWrittenAtExit() {
    FakePlatform platform;
    writeData(platform);
    writeFile(platform.path(QStringLiteral("SysData/Kelvor mini.ini")),
              "Kaisaikai = 42\r\nDownloadMessage = 0\r\nResultAll = 1\r\n");
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QCOMPARE(window->homePage()->txtScheduleNo->text(), QStringLiteral("42"));
    QVERIFY(!window->homePage()->chkDownload->isChecked());
    QVERIFY(window->checkPage()->chkResultAll->isChecked());
    window->homePage()->chkDownload->setChecked(true);
    QVERIFY(window->close());
    const QString settings =
        ShiftJis::decode(readFile(platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    QVERIFY(settings.contains(
        QStringLiteral("Kaisaikai = 42\r\nDownloadMessage = 1\r\nResultAll = 1\r\n")));
}

void tst_frmMain::closingWhileBusyIsRefused() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setBusy(true);
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(!QFile::exists(platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
    window->setBusy(false);
    QVERIFY(window->close());
    QVERIFY(QFile::exists(platform.path(QStringLiteral("SysData/Kelvor mini.ini"))));
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
        QAction* item = window.action(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), text);
    }
    QCOMPARE(window.action(QStringLiteral("mnuFile_Open"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(window.action(QStringLiteral("mnuFile_Save"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_S));
    QVERIFY(!window.action(QStringLiteral("mnuEdit_Sort_Mark_3"))->isVisible());
    QVERIFY(!window.action(QStringLiteral("mnuEdit_Sort_Ninki_3"))->isVisible());
    QVERIFY(window.action(QStringLiteral("mnuEdit_Sort_Order"))->isChecked());
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions())
        menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                 QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                                 QStringLiteral("ヘルプ(&H)")}));
}

void tst_frmMain::editMenuRulesOnTheHomePage() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    auto* edit = window->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    Q_EMIT edit->aboutToShow();
    for (const char16_t* name :
         {u"mnuEdit_Select_0", u"mnuEdit_Select_1", u"mnuEdit_SingleAdd", u"mnuEdit_SingleAdd2",
          u"mnuEdit_SingleDel", u"mnuEdit_Sort_Money_0", u"mnuEdit_Sort_Ninki_2",
          u"mnuEdit_Sort_Result"})
        QVERIFY2(!window->action(QString::fromUtf16(name))->isEnabled(),
                 qPrintable(QString::fromUtf16(name)));
    QVERIFY(window->action(QStringLiteral("mnuEdit_Sort_Mark_0"))->isEnabled());
    window->ShowPage(1);
    Q_EMIT edit->aboutToShow();
    QVERIFY(window->action(QStringLiteral("mnuEdit_SingleAdd2"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    window->ShowPage(2);
    Q_EMIT edit->aboutToShow();
    QVERIFY(window->action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_SingleAdd2"))->isEnabled());
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
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList(std::vector<qint32>(list.begin(), list.end()));
    window->action(QStringLiteral("mnuEdit_JSingleDel"))->trigger();
    QCOMPARE(QList<qint32>(window->singles().begin(), window->singles().end()), survivors);
    QCOMPARE(platform.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(window->currentPage(), page);
    QCOMPARE(platform.waitCursorDepth, 0);
    // The frame follows the list: every match's three counts add up to its length.
    const SingleFrame& frame = window->singleFrame();
    QCOMPARE(frame[0][0] + frame[1][0] + frame[2][0], qint32(survivors.size()));
}

void tst_frmMain::openAddsTheExtensionAndLoads() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    const QString folder = window->userDataFolder();
    writeFile(folder + QStringLiteral("/abc.csv"), "1,0,2,1,1,0,0,2,1\r\n0,0,0,0,0,0,0,0,0\r\n");
    QString offeredName;
    QString offeredFolder;
    DesktopAccess::current().openFileName = [&](QWidget*, const QString& title, const QString&,
                                                const QString& initial, const QString& suggested) {
        offeredName = suggested;
        offeredFolder = initial;
        return title == QStringLiteral("ファイルを開く") ? folder + QStringLiteral("/abc")
                                                         : QString();
    };
    window->action(QStringLiteral("mnuFile_Open"))->trigger();
    QCOMPARE(offeredName, QStringLiteral("Tovmi-001.csv"));
    QCOMPARE(offeredFolder, folder);
    QCOMPARE(window->singles().size(), std::size_t(2));
    QCOMPARE(window->singles().at(1), 0);
    QCOMPARE(window->currentFile(), folder + QStringLiteral("/abc.csv"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini - [abc.csv]"));
    QCOMPARE(window->currentPage(), 1);
    QVERIFY(!window->isBusy());
}

void tst_frmMain::openCancelledChangesNothing() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList({1, 2, 3});
    DesktopAccess::current().openFileName = [](QWidget*, const QString&, const QString&,
                                               const QString&,
                                               const QString&) { return QString(); };
    window->FileOpen();
    QCOMPARE(window->singles().size(), std::size_t(3));
}

void tst_frmMain::saveWithoutFileAsks() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList({0, 19682});
    const QString target = window->userDataFolder() + QStringLiteral("/mine");
    int asked = 0;
    DesktopAccess::current().saveFileName = [&](QWidget*, const QString& title, const QString&,
                                                const QString&, const QString&) {
        ++asked;
        return title == QStringLiteral("名前を付けて保存") ? target : QString();
    };
    window->action(QStringLiteral("mnuFile_Save"))->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(readFile(target + QStringLiteral(".csv")),
             QByteArray("0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2\r\n"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Vantrel  Kelvor mini - [mine.csv]"));
    // With a current file, Save writes without asking.
    window->setSingleList({0});
    window->action(QStringLiteral("mnuFile_Save"))->trigger();
    QCOMPARE(asked, 1);
    QCOMPARE(readFile(target + QStringLiteral(".csv")), QByteArray("0,0,0,0,0,0,0,0,0\r\n"));
}

void tst_frmMain::clipboardImportReplacesTheList() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    DesktopAccess::current().clipboardText = [] {
        return QStringLiteral("1:102110021\r\n\r\n1 0 2 1 1 0 0 2 1\r\n102110021\r\n10211002");
    };
    window->action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(window->singles().size(), std::size_t(3));
    QCOMPARE(platform.texts(), QStringList{QStringLiteral("3口取り込みしました")});
    QCOMPARE(window->currentPage(), 2);
}

void tst_frmMain::clipboardImportWithoutSinglesChangesNothing() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList({4});
    DesktopAccess::current().clipboardText = [] { return QString(); };
    window->action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(window->singles(), std::vector<qint32>{4});
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(window->currentPage(), 0);
}

void tst_frmMain::clipboardExportPutsRows() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QString clipboard;
    DesktopAccess::current().setClipboardText = [&](const QString& text) { clipboard = text; };
    window->setSingleList({0, 19682});
    window->action(QStringLiteral("mnuTool_Clipboard_Class_3"))->trigger();
    QCOMPARE(clipboard, QStringLiteral("1:000000000\r\n2:222222222\r\n"));
    QCOMPARE(platform.texts(), QStringList{QStringLiteral("クリップボードへコピーしました")});
}

void tst_frmMain::sortOnTheHomePageKeepsThePage() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    // Marks 1 counted: 19682 has none, 9841 (all 1) nine, 1 one.
    window->setSingleList({9841, 19682, 1});
    window->action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();
    QCOMPARE(window->singles(), (std::vector<qint32>{19682, 1, 9841}));
    QCOMPARE(window->currentPage(), 0);
    window->action(QStringLiteral("mnuEdit_Sort_Order"))->trigger();
    window->action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();
    QCOMPARE(window->singles(), (std::vector<qint32>{9841, 1, 19682}));
}

void tst_frmMain::pagesSwitchAndBusyRefuses() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QTest::mouseClick(window->tabStrip(), Qt::LeftButton, {},
                      window->tabStrip()->tabRect(1).center());
    QCOMPARE(window->currentPage(), 1);
    QVERIFY(window->action(QStringLiteral("mnuView_Menu_1"))->isChecked());
    QVERIFY(!window->action(QStringLiteral("mnuView_Menu_0"))->isChecked());
    QVERIFY(!window->homePage()->isVisible());
    window->setBusy(true);
    window->action(QStringLiteral("mnuView_Menu_2"))->trigger();
    QCOMPARE(window->currentPage(), 1);
    QVERIFY(!window->action(QStringLiteral("mnuView_Menu_2"))->isChecked());
    window->setBusy(false);
}

void tst_frmMain::newClearsTheList() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList({1, 2});
    window->ShowPage(2);
    window->action(QStringLiteral("mnuFile_New"))->trigger();
    QVERIFY(window->singles().empty());
    QCOMPARE(window->currentPage(), 0);
    QCOMPARE(window->singleFrame()[1][0], 0);
}

void tst_frmMain::corruptSettingsAreReported() {
    FakePlatform platform;
    writeData(platform);
    writeFile(platform.path(QStringLiteral("SysData/Kelvor mini.ini")),
              "Kaisaikai = abc\r\nDownloadMessage = 0\r\n");
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QCOMPARE(platform.texts(),
             QStringList{QStringLiteral("Kelvor mini.iniファイルが破損しています。")});
    QCOMPARE(window->homePage()->txtScheduleNo->text(), QStringLiteral("1"));
    QVERIFY(!window->homePage()->chkDownload->isChecked());
}

void tst_frmMain::csvThatFailsLeavesTheListEmpty() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setSingleList({1, 2, 3});
    const QString path = window->userDataFolder() + QStringLiteral("/Tovmi-077.csv");
    writeFile(path, "1,0,2,1,1,0,0,2,1\r\n1,0,x,1,1,0,0,2,1\r\n");
    DesktopAccess::current().openFileName = [&](QWidget*, const QString&, const QString&,
                                                const QString&, const QString&) { return path; };
    window->FileOpen();
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().icon, MessageIcon::Error);
    QVERIFY(window->singles().empty());
    QVERIFY(!window->isBusy());
    QCOMPARE(window->currentPage(), 1);
    // The draw of the file name is loaded even so.
    QCOMPARE(window->homePage()->txtScheduleNo->text(), QStringLiteral("77"));
}

void tst_frmMain::rememberedDrawZeroShowsItsLabel_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("empty box at the last exit") << QByteArray("Kaisaikai = -1\r\n");
    QTest::newRow("zero") << QByteArray("Kaisaikai = 0\r\n");
}

void tst_frmMain::rememberedDrawZeroShowsItsLabel() {
    QFETCH(QByteArray, settings);
    FakePlatform platform;
    writeData(platform);
    writeFile(platform.path(QStringLiteral("SysData/Kelvor mini.ini")), settings);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QCOMPARE(window->homePage()->txtScheduleNo->text(), QStringLiteral("0"));
    QCOMPARE(window->kaisaikai(), 0);
    QCOMPARE(window->statusBar()->text(), QStringLiteral(" 第   回 "));
}

void tst_frmMain::sortButtonShowsTheSortMenu() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->ShowPage(1);
    QTest::mouseClick(window->singlesPage()->cmdSort, Qt::LeftButton);
    QVERIFY(window->sortMenu()->isVisible());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Money_0"))->isEnabled());
    QVERIFY(!window->action(QStringLiteral("mnuEdit_Sort_Result"))->isEnabled());
    window->sortMenu()->hide();
}

void tst_frmMain::busyWindowIgnoresDownloadsAndPages() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    window->setBusy(true);
    QTest::mouseClick(window->homePage()->cmdOfficialDownload[0], Qt::LeftButton);
    QTest::mouseClick(window->homePage()->cmdVantrelDownload, Qt::LeftButton);
    QTest::mouseClick(window->tabStrip(), Qt::LeftButton, {},
                      window->tabStrip()->tabRect(2).center());
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(window->currentPage(), 0);
    window->setBusy(false);
}

void tst_frmMain::salesScheduleLinkOpensTheBrowser() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    QUrl opened;
    DesktopAccess::current().openUrl = [&](const QUrl& url) {
        opened = url;
        return true;
    };
    QLabel* link = window->homePage()->lblSchedule;
    QCOMPARE(link->text(), QStringLiteral("販売スケジュールを確認する"));
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened,
             QUrl(QStringLiteral(
                 "http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule")));
}

void tst_frmMain::makerSiteDownloadAsksFirst() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    platform.answers = {false};
    QTest::mouseClick(window->homePage()->cmdVantrelDownload, Qt::LeftButton);
    QCOMPARE(platform.texts(),
             QStringList{QStringLiteral(
                 "Vantrelより 海外チーム名 をダウンロードします。よろしいですか？")});
    QVERIFY(platform.messages.first().question);
}

void tst_frmMain::makerSiteDownloadNeedsAWritableFolder() {
    FakePlatform platform;
    writeData(platform);
    std::unique_ptr<frmMain> window = basMain::Main();
    QVERIFY(window);
    // The nearest thing to a protected folder that a test run as any user can make: none at all.
    QVERIFY(QDir(platform.programFolder()).removeRecursively());
    QTest::mouseClick(window->homePage()->cmdVantrelDownload, Qt::LeftButton);
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.first().title, QStringLiteral("管理権限不足エラー"));
    QVERIFY(!platform.messages.first().question);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
