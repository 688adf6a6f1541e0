#include "app/DesktopAccess.h"
#include "app/MainMenus.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

const QString SaveQuestion = QStringLiteral("シングルリストは変更されています。保存しますか？");
const QByteArray TwoSingles = "1,0,2,1,1,0,0,2,1\r\n0,0,0,0,0,0,0,0,0\r\n";
// Three singles, the clipboard's one-per-row form.
const QString ClipboardRows = QStringLiteral("1:102110021\r\n2:000000000\r\n3:222222222\r\n");

// The file dialogs answered from a script, counting how often each was shown; an answer that
// runs out cancels.
struct ScriptedDialogs {
    QStringList openAnswers;
    QStringList saveAnswers;
    int opened = 0;
    int saved = 0;

    ScriptedDialogs() {
        DesktopAccess& access = DesktopAccess::current();
        access.openFileName = [this](QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) {
            ++opened;
            return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
        };
        access.saveFileName = [this](QWidget*, const QString&, const QString&, const QString&,
                                     const QString&) {
            ++saved;
            return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
        };
        access.clipboardText = [] { return ClipboardRows; };
        access.setClipboardText = [](const QString&) {};
    }
    ~ScriptedDialogs() { DesktopAccess::restoreDefaults(); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
};

QString title(const QString& file = QString()) {
    return file.isEmpty() ? QStringLiteral(" Vantrel  Kelvor mini")
                          : QStringLiteral(" Vantrel  Kelvor mini - [") + file + u']';
}

// Opens the file through the window's Open command.
[[nodiscard]] bool openThroughTheMenu(MainWindowFixture& f, ScriptedDialogs& dialogs,
                                      const QString& path) {
    dialogs.openAnswers = {path};
    f.action(QStringLiteral("mnuFile_Open"))->trigger();
    return f.window->currentFile() == path;
}

} // namespace

// The file commands as a user meets them: what a failed load or save leaves behind, the
// question before a changed list is dropped, and the busy window that ignores them.
class tst_ListFileCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failedLoadLeavesNoFileToOverwrite();
    void failedSaveKeepsTheCurrentFile_data();
    void failedSaveKeepsTheCurrentFile();
    void changedListIsOfferedForSaving_data();
    void changedListIsOfferedForSaving();
    void savingFromTheQuestionCanStopTheCommand();
    void unchangedOrEmptyListIsNeverAskedAbout();
    void everyChangeCountsAndSavingClearsIt();
    void importedListIsNotTiedToTheOpenedFile();
    void busyWindowIgnoresListCommands();
    void foreignFileIsRefusedAndNothingChanges_data();
    void foreignFileIsRefusedAndNothingChanges();
    void skippedLinesAreToldAndNeverLostUnasked_data();
    void skippedLinesAreToldAndNeverLostUnasked();
    void emptyFileOpensAsAnEmptyList_data();
    void emptyFileOpensAsAnEmptyList();
};

void tst_ListFileCommands::failedLoadLeavesNoFileToOverwrite() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString good = f.userFile(QStringLiteral("good.csv"));
    const QByteArray damaged = "1,0,2,1,1,0,0,2,1\r\n1,2,x,0,0,0,0,0,0\r\n";
    const QString bad = f.userFile(QStringLiteral("bad.csv"));
    QVERIFY(TestFiles::write(good, TwoSingles));
    QVERIFY(TestFiles::write(bad, damaged));
    QVERIFY(openThroughTheMenu(f, dialogs, good));
    QCOMPARE(f.window->windowTitle(), title(QStringLiteral("good.csv")));

    QVERIFY(!openThroughTheMenu(f, dialogs, bad));
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().icon, MessageIcon::Error);
    QVERIFY(!f.platform.messages.first().overProgress);
    QVERIFY(f.window->currentFile().isEmpty());
    QCOMPARE(f.window->windowTitle(), title());

    // Ctrl+S as the user presses it: with no current file it asks where, and a cancelled
    // dialog writes nothing.
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTest::keyClick(f.window.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs.saved, 1);
    QCOMPARE(TestFiles::read(bad), damaged);
    QCOMPARE(TestFiles::read(good), TwoSingles);
}

void tst_ListFileCommands::failedSaveKeepsTheCurrentFile_data() {
    QTest::addColumn<bool>("saveAs");
    QTest::newRow("Save into a folder that went away") << false;
    QTest::newRow("Save as into a place that cannot be written") << true;
}

void tst_ListFileCommands::failedSaveKeepsTheCurrentFile() {
    QFETCH(bool, saveAs);
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString folder = f.userFile(QStringLiteral("lists"));
    const QString path = folder + QStringLiteral("/mine.csv");
    QVERIFY(TestFiles::write(path, TwoSingles));
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    f.action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();

    QString target = path;
    if (saveAs) {
        // Neither a folder nor writable, for any user.
        target = QStringLiteral("/proc/kelvor.csv");
        dialogs.saveAnswers = {QStringLiteral("/proc/kelvor")};
        f.action(QStringLiteral("mnuFile_SaveAs"))->trigger();
    } else {
        // Root may write anywhere; a file where the folder was stops even root.
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(TestFiles::write(folder, "not a folder"));
        f.action(QStringLiteral("mnuFile_Save"))->trigger();
    }
    QCOMPARE(f.platform.messages.size(), 1);
    const FakePlatform::Message& report = f.platform.messages.first();
    QCOMPARE(report.icon, MessageIcon::Error);
    QVERIFY2(report.text.contains(target), qPrintable(report.text));
    QVERIFY(!report.overProgress);
    QCOMPARE(f.window->currentFile(), path);
    QCOMPARE(f.window->windowTitle(), title(QStringLiteral("mine.csv")));
    QVERIFY(!f.window->singleList().isBusy());
    // The list is still unsaved: closing asks.
    f.platform.choices = {Answer::Cancel};
    QVERIFY(!f.window->close());
    QCOMPARE(f.platform.messages.last().text, SaveQuestion);
}

void tst_ListFileCommands::changedListIsOfferedForSaving_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answerIndex");
    for (const char* command : {"close", "new", "open", "import"}) {
        for (const auto& [answer, name] :
             {std::pair{Answer::Yes, "Yes"}, std::pair{Answer::No, "No"},
              std::pair{Answer::Cancel, "Cancel"}})
            QTest::addRow("%s, %s", command, name) << QString::fromLatin1(command) << int(answer);
    }
}

void tst_ListFileCommands::changedListIsOfferedForSaving() {
    QFETCH(QString, command);
    QFETCH(int, answerIndex);
    const auto answer = Answer(answerIndex);
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString other = f.userFile(QStringLiteral("other.csv"));
    QVERIFY(TestFiles::write(other, TwoSingles));
    // A list of five singles that no file holds.
    f.window->setSingleList({7, 7, 8, 8, 9, 5, 6});
    f.action(QStringLiteral("mnuEdit_JSingleDel"))->trigger();
    QCOMPARE(f.window->singles().size(), std::size_t(5));
    f.platform.clearMessages();

    const QString saved = f.userFile(QStringLiteral("saved"));
    dialogs.saveAnswers = {saved};
    dialogs.openAnswers = {other};
    f.platform.choices = {answer};
    bool closed = false;
    if (command == QStringLiteral("close"))
        closed = f.window->close();
    else if (command == QStringLiteral("new"))
        f.action(QStringLiteral("mnuFile_New"))->trigger();
    else if (command == QStringLiteral("open"))
        f.action(QStringLiteral("mnuFile_Open"))->trigger();
    else
        f.action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();

    QVERIFY(!f.platform.messages.isEmpty());
    const FakePlatform::Message& question = f.platform.messages.first();
    QCOMPARE(question.text, SaveQuestion);
    QVERIFY(question.cancellable);
    QCOMPARE(question.title, QStringLiteral("Kelvor mini"));

    const bool goesOn = answer != Answer::Cancel;
    // Yes saves through Save as, since no file is current.
    QCOMPARE(dialogs.saved, answer == Answer::Yes ? 1 : 0);
    QCOMPARE(QFile::exists(saved + QStringLiteral(".csv")), answer == Answer::Yes);
    if (answer == Answer::Yes)
        QCOMPARE(TestFiles::read(saved + QStringLiteral(".csv")).count('\n'), 5);
    std::size_t expected = 5;
    if (goesOn && command == QStringLiteral("new"))
        expected = 0;
    else if (goesOn && command == QStringLiteral("open"))
        expected = 2;
    else if (goesOn && command == QStringLiteral("import"))
        expected = 3;
    QCOMPARE(closed, goesOn && command == QStringLiteral("close"));
    QCOMPARE(f.window->singles().size(), expected);
    QCOMPARE(dialogs.opened, goesOn && command == QStringLiteral("open") ? 1 : 0);
}

void tst_ListFileCommands::savingFromTheQuestionCanStopTheCommand() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    f.window->setSingleList({5, 5, 6});
    f.action(QStringLiteral("mnuEdit_JSingleDel"))->trigger();
    // Yes, then the Save as dialog is cancelled: nothing is dropped.
    f.platform.choices = {Answer::Yes};
    f.action(QStringLiteral("mnuFile_New"))->trigger();
    QCOMPARE(dialogs.saved, 1);
    QCOMPARE(f.window->singles(), (std::vector<qint32>{5, 6}));
    // Yes, then the save fails: the window stays open.
    dialogs.saveAnswers = {QStringLiteral("/proc/kelvor.csv")};
    f.platform.choices = {Answer::Yes};
    QVERIFY(!f.window->close());
    QCOMPARE(f.platform.messages.last().icon, MessageIcon::Error);
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.window->singles().size(), std::size_t(2));
}

void tst_ListFileCommands::unchangedOrEmptyListIsNeverAskedAbout() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("mine.csv"));
    QVERIFY(TestFiles::write(path, TwoSingles));
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    f.action(QStringLiteral("mnuFile_New"))->trigger();
    QVERIFY(f.window->singles().empty());
    // A changed list that ends empty has nothing to lose.
    f.window->setSingleList({4, 4});
    f.action(QStringLiteral("mnuEdit_JSingleDel"))->trigger();
    f.window->setSingleList({});
    QVERIFY(f.window->close());
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("重複したシングルを消去しました\r\nシングル総数：2 → 1")});
}

void tst_ListFileCommands::everyChangeCountsAndSavingClearsIt() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("mine.csv"));
    QVERIFY(TestFiles::write(path, TwoSingles));
    const QList<QPair<QString, QAction*>> changes = {
        {QStringLiteral("sort by marks"), f.window->menus().sortMark[1]},
        {QStringLiteral("sort by hits"), f.window->menus().sortByHits},
        {QStringLiteral("clipboard import"), f.window->menus().clipboardImport},
    };
    for (const auto& [name, change] : changes) {
        QVERIFY2(openThroughTheMenu(f, dialogs, path), qPrintable(name));
        f.platform.clearMessages();
        // On the check page, where every one of them is enabled.
        f.window->ShowPage(2);
        change->trigger();
        f.platform.choices = {Answer::Cancel};
        f.action(QStringLiteral("mnuFile_New"))->trigger();
        QVERIFY2(f.platform.texts().contains(SaveQuestion), qPrintable(name));
        QVERIFY2(!f.window->singles().empty(), qPrintable(name));
        // Opening again drops the change once the user says No.
        f.platform.choices = {Answer::No};
    }
    // Save clears the mark: New then asks nothing.
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    f.action(QStringLiteral("mnuEdit_Sort_Mark_2"))->trigger();
    f.action(QStringLiteral("mnuFile_Save"))->trigger();
    f.platform.clearMessages();
    f.action(QStringLiteral("mnuFile_New"))->trigger();
    QVERIFY(f.platform.messages.isEmpty());
}

void tst_ListFileCommands::importedListIsNotTiedToTheOpenedFile() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("mine.csv"));
    QVERIFY(TestFiles::write(path, TwoSingles));
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    f.action(QStringLiteral("mnuTool_ClipImport_Class_0"))->trigger();
    QCOMPARE(f.window->singles().size(), std::size_t(3));
    QVERIFY(f.window->currentFile().isEmpty());
    QCOMPARE(f.window->windowTitle(), title());
    // Save asks where instead of writing over the opened file.
    const QString imported = f.userFile(QStringLiteral("imported"));
    dialogs.saveAnswers = {imported};
    f.action(QStringLiteral("mnuFile_Save"))->trigger();
    QCOMPARE(dialogs.saved, 1);
    QCOMPARE(TestFiles::read(path), TwoSingles);
    QCOMPARE(f.window->windowTitle(), title(QStringLiteral("imported.csv")));
}

void tst_ListFileCommands::busyWindowIgnoresListCommands() {
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("mine.csv"));
    QVERIFY(TestFiles::write(path, TwoSingles));
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    f.action(QStringLiteral("mnuEdit_Sort_Mark_0"))->trigger();
    const std::vector<qint32> before = f.window->singles();
    dialogs.opened = 0;
    f.platform.clearMessages();

    f.window->singleList().setBusy(true);
    const MainMenus& menus = f.window->menus();
    for (QAction* command :
         {menus.fileNew, menus.fileOpen, menus.fileSave, menus.fileSaveAs, menus.sortEstimate[0],
          menus.sortMark[2], menus.sortPopularity[0], menus.sortByHits, menus.removeDuplicates,
          menus.singleAddByMarks, menus.clipboardExport[0], menus.clipboardImport})
        command->trigger();
    for (const char16_t* button :
         {u"cmdSortResult", u"cmdResultViewNext", u"cmdResultViewAll", u"cmdSingleAdd2"})
        f.widget<QPushButton>(QString::fromUtf16(button))->click();
    f.window->singleList().setBusy(false);

    QCOMPARE(f.window->singles(), before);
    QVERIFY2(f.platform.messages.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    QCOMPARE(dialogs.opened, 0);
    QCOMPARE(dialogs.saved, 0);
    QCOMPARE(f.window->currentFile(), path);
    QCOMPARE(TestFiles::read(path), TwoSingles);
}

void tst_ListFileCommands::foreignFileIsRefusedAndNothingChanges_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("picture renamed .csv")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0\x1f\xf3\xff"
                      "a",
                      33);
    QTest::newRow("a letter") << QByteArray("Dear friend,\r\nsee you on Saturday.\r\n");
}

// A file with text but no single is refused: the list, its file and the draw stay, and no save
// ever writes to the refused file.
void tst_ListFileCommands::foreignFileIsRefusedAndNothingChanges() {
    QFETCH(QByteArray, bytes);
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString mine = f.userFile(QStringLiteral("mine.csv"));
    const QString foreign = f.userFile(QStringLiteral("Tovmi-077.csv"));
    QVERIFY(TestFiles::write(mine, TwoSingles));
    QVERIFY(TestFiles::write(foreign, bytes));
    QVERIFY(openThroughTheMenu(f, dialogs, mine));
    const std::vector<qint32> list = f.window->singles();
    const qint32 draw = f.window->kaisaikai();
    f.platform.clearMessages();

    QVERIFY(!openThroughTheMenu(f, dialogs, foreign));
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().icon, MessageIcon::Warning);
    QVERIFY(f.platform.messages.first().text.contains(QStringLiteral("「Tovmi-077.csv」")));
    QCOMPARE(f.window->singles(), list);
    QCOMPARE(f.window->currentFile(), mine);
    QCOMPARE(f.window->kaisaikai(), draw);
    f.window->singleList().markChanged();
    f.window->FileSave();
    QCOMPARE(TestFiles::read(foreign), bytes);
    QCOMPARE(dialogs.saved, 0);
}

void tst_ListFileCommands::skippedLinesAreToldAndNeverLostUnasked_data() {
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<bool>("keepFile");
    const QList<QPair<const char*, QByteArray>> lines = {
        {"eight fields", "1,0,2,1,1,0,0,2"},
        {"a mark 3", "1,0,3,1,1,0,0,2,1"},
        {"tab-separated", "1\t0\t2\t1\t1\t0\t0\t2\t1"}};
    for (const auto& [name, line] : lines) {
        QTest::addRow("%s, new list", name) << line << false;
        QTest::addRow("%s, same file", name) << line << true;
    }
}

// The load tells what it left out; the file stays byte for byte what it was unless the user,
// warned again, saves over it.
void tst_ListFileCommands::skippedLinesAreToldAndNeverLostUnasked() {
    QFETCH(QByteArray, bad);
    QFETCH(bool, keepFile);
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("mixed.csv"));
    const QByteArray bytes = "1,0,2,1,1,0,0,2,1\r\n" + bad + "\r\n0,0,0,0,0,0,0,0,0\r\n";
    QVERIFY(TestFiles::write(path, bytes));
    f.platform.answers = {keepFile};
    dialogs.openAnswers = {path};
    f.action(QStringLiteral("mnuFile_Open"))->trigger();
    QCOMPARE(f.platform.messages.size(), 1);
    const QString told = f.platform.messages.first().text;
    QVERIFY2(told.contains(QStringLiteral("の1行は")) &&
                 told.contains(QStringLiteral("2行目：") + QString::fromLatin1(bad)),
             qPrintable(told));
    QCOMPARE(f.window->singles().size(), std::size_t(2));
    QCOMPARE(f.window->currentPage(), 1);

    if (keepFile) {
        QCOMPARE(f.window->currentFile(), path);
        f.platform.answers = {false};
        QVERIFY(!f.window->FileSave());
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(TestFiles::read(path), bytes);
        // Told twice, the user saves: the line is gone by the user's choice.
        f.platform.answers = {true};
        QVERIFY(f.window->FileSave());
        QCOMPARE(TestFiles::read(path), TwoSingles);
    } else {
        QVERIFY(f.window->currentFile().isEmpty());
        QVERIFY(f.window->singleList().isChanged());
        QVERIFY(!f.window->FileSave()); // asks where, and the dialog is cancelled
        QCOMPARE(dialogs.saved, 1);
        QCOMPARE(TestFiles::read(path), bytes);
    }
}

void tst_ListFileCommands::emptyFileOpensAsAnEmptyList_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no byte") << QByteArray();
    QTest::newRow("blank lines") << QByteArray("\r\n  \r\n\t\r\n");
}

void tst_ListFileCommands::emptyFileOpensAsAnEmptyList() {
    QFETCH(QByteArray, bytes);
    MainWindowFixture f;
    QVERIFY(f.start());
    ScriptedDialogs dialogs;
    const QString path = f.userFile(QStringLiteral("empty.csv"));
    QVERIFY(TestFiles::write(path, bytes));
    QVERIFY(openThroughTheMenu(f, dialogs, path));
    QVERIFY(f.platform.messages.isEmpty());
    QVERIFY(f.window->singles().empty());
    QVERIFY(!f.window->singleList().isChanged());
}

KELVOR_TEST_MAIN(tst_ListFileCommands)
#include "tst_ListFileCommands.moc"
