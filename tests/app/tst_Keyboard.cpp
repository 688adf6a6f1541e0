#include "app/DesktopAccess.h"
#include "app/FocusReturn.h"
#include "app/MainMenus.h"
#include "singles/SingleList.h"
#include "support/MainWindowFixture.h"
#include "support/TestMain.h"
#include "widgets/SpinControl.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>

// The main window driven by the keyboard alone: the Tab chain of each page, the standard keys,
// Return on buttons and links, and the pop-ups opened from the keyboard.
class tst_Keyboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void tabReachesEveryControlOfThePage_data();
    void tabReachesEveryControlOfThePage();
    void standardKeysReachTheirCommands();
    void ctrlTabTurnsThePages();
    void sortMenuOpensByItsKey();
    void returnPressesTheFocusedButtonAndLink();
    void sortPopupFromTheKeyboardOpensUnderItsButton();
    void closedDialogGivesTheKeyboardBack();
};

namespace {

// The window shown and active, on the page given.
bool startOnPage(MainWindowFixture& f, int page) {
    if (!f.start())
        return false;
    f.window->show();
    if (!QTest::qWaitForWindowActive(f.window.get()))
        return false;
    f.action(QStringLiteral("mnuView_Menu_%1").arg(page))->trigger();
    return f.window->currentPage() == page;
}

QWidget* focused() {
    return QApplication::focusWidget();
}

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// A widget the user works, not counting the parts of a control that is a stop itself (the
// draw box's arrows, which its Up and Down keys work).
bool isControl(const QWidget* widget, const QWidget* page) {
    for (const QWidget* outer = widget->parentWidget(); outer != page;
         outer = outer->parentWidget())
        if ((outer->focusPolicy() & Qt::TabFocus) != 0 ||
            qobject_cast<const SpinControl*>(outer) != nullptr)
            return false;
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

void tst_Keyboard::cleanup() {
    DesktopAccess::restoreDefaults();
}

void tst_Keyboard::tabReachesEveryControlOfThePage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("mustReach");
    QTest::newRow("home") << 0
                          << QStringList{QStringLiteral("txtScheduleNo"),
                                         QStringLiteral("lblSchedule"),
                                         QStringLiteral("cmdVantrelDownload")};
    QTest::newRow("singles") << 1
                             << QStringList{QStringLiteral("picSingleMarks"),
                                            QStringLiteral("cmdSort")};
    QTest::newRow("check") << 2
                           << QStringList{QStringLiteral("grdMultiResult"),
                                          QStringLiteral("cmdSortResult")};
}

// Tab from the page's first stop round to it again: every stop is visible, enabled, on this
// page, no scroll area, and looks different while it has the focus; every enabled control the
// user sees on the page is among the stops.
void tst_Keyboard::tabReachesEveryControlOfThePage() {
    QFETCH(int, page);
    QFETCH(QStringList, mustReach);
    MainWindowFixture f;
    QVERIFY(startOnPage(f, page));
    QWidget* pageWidget = f.widget<QWidget>(QStringLiteral("picMain_%1").arg(page));
    QWidget* first = focused();
    QVERIFY(first != nullptr);

    QList<QWidget*> stops;
    for (int step = 0; step < 80 && (stops.isEmpty() || focused() != first); ++step) {
        QWidget* stop = focused();
        QVERIFY(stop != nullptr);
        const QString name = nameOf(stop);
        QVERIFY2(stop->isVisible() && stop->isEnabled(), qPrintable(name));
        QVERIFY2(qobject_cast<QAbstractScrollArea*>(stop) == nullptr, qPrintable(name));
        QVERIFY2(f.window->isAncestorOf(stop), qPrintable(name));
        const QImage withFocus = stop->grab().toImage();
        stops << stop;
        QTest::keyClick(stop, Qt::Key_Tab);
        QVERIFY2(focused() != stop, qPrintable(name + QStringLiteral(" keeps the focus")));
        QVERIFY2(stop->grab().toImage() != withFocus,
                 qPrintable(name + QStringLiteral(" paints no focus")));
    }
    QCOMPARE(focused(), first);

    const QSet<QWidget*> reached(stops.cbegin(), stops.cend());
    const QList<QWidget*> inside = pageWidget->findChildren<QWidget*>();
    for (QWidget* widget : inside)
        if (widget->isVisible() && widget->isEnabled() && isControl(widget, pageWidget))
            QVERIFY2(reached.contains(widget),
                     qPrintable(nameOf(widget) + QStringLiteral(" is not reached")));
    for (const QString& name : mustReach)
        QVERIFY2(reached.contains(f.widget<QWidget>(name)), qPrintable(name));
}

void tst_Keyboard::standardKeysReachTheirCommands() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 1));
    const MainMenus& m = f.window->menus();
    const QList<QPair<QAction*, QKeySequence::StandardKey>> keys = {
        {m.fileNew, QKeySequence::New},
        {m.fileOpen, QKeySequence::Open},
        {m.fileSave, QKeySequence::Save},
        {m.fileSaveAs, QKeySequence::SaveAs},
        {m.fileEnd, QKeySequence::Quit},
        {m.selectAll, QKeySequence::SelectAll},
        {m.helpManual, QKeySequence::HelpContents}};
    for (const auto& [item, key] : keys)
        QCOMPARE(item->shortcuts(), QKeySequence::keyBindings(key));

    // Ctrl+N on the singles page: a new list on the home page.
    f.window->setSingleList({1, 2});
    QTest::keySequence(f.window.get(), QKeySequence::keyBindings(QKeySequence::New).first());
    QCOMPARE(f.window->currentPage(), 0);
    QVERIFY(f.window->singleList().isEmpty());
}

void tst_Keyboard::ctrlTabTurnsThePages() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 0));
    const QKeySequence next = QKeySequence::keyBindings(QKeySequence::NextChild).first();
    const QKeySequence previous = QKeySequence::keyBindings(QKeySequence::PreviousChild).first();
    QList<int> pages;
    for (const QKeySequence& key : {next, next, next, previous}) {
        QTest::keySequence(f.window.get(), key);
        pages << f.window->currentPage();
    }
    QCOMPARE(pages, (QList<int>{1, 2, 0, 2}));
}

// 「シングル並べ替え(S)」: S in the open Edit menu opens the sort menu.
void tst_Keyboard::sortMenuOpensByItsKey() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 1));
    QMenu* edit = f.window->menus().editMenu;
    edit->popup(f.window->mapToGlobal(QPoint(20, 20)));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    QTest::keyClick(edit, Qt::Key_S);
    QTRY_VERIFY(f.window->menus().sortMenu->isVisible());
    QCOMPARE(f.window->menus().sortMenu->title().remove(u'&'),
             QStringLiteral("シングル並べ替え(S)"));
    f.window->menus().sortMenu->hide();
    edit->hide();
}

void tst_Keyboard::returnPressesTheFocusedButtonAndLink() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 1));
    auto* add = f.widget<QPushButton>(QStringLiteral("cmdSingleAdd"));
    add->setFocus();
    QTest::keyClick(add, Qt::Key_Return);
    QTRY_COMPARE(f.window->singleList().count(), 1);
    QTest::keyClick(add, Qt::Key_Enter);
    QTRY_COMPARE(f.window->singleList().count(), 2);

    f.action(QStringLiteral("mnuView_Menu_0"))->trigger();
    QUrl opened;
    DesktopAccess::current().openUrl = [&](const QUrl& url) {
        opened = url;
        return true;
    };
    QWidget* link = f.widget<QWidget>(QStringLiteral("lblSchedule"));
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    QVERIFY(opened.isValid());
}

void tst_Keyboard::sortPopupFromTheKeyboardOpensUnderItsButton() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 1));
    QCursor::setPos(f.window->mapToGlobal(QPoint(5, 5)));
    auto* sort = f.widget<QPushButton>(QStringLiteral("cmdSort"));
    sort->setFocus();
    QTest::keyClick(sort, Qt::Key_Space);
    QMenu* menu = f.window->menus().sortMenu;
    QTRY_VERIFY(menu->isVisible());
    // Under the button; moved left only as far as the screen's edge asks.
    const QPoint under = sort->mapToGlobal(sort->rect().bottomLeft());
    const QRect screen = sort->screen()->geometry();
    const int left = std::min(under.x(), screen.right() + 1 - menu->width());
    QVERIFY2(menu->pos() == QPoint(left, under.y()),
             qPrintable(QStringLiteral("menu at %1,%2, button bottom at %3,%4")
                            .arg(menu->x())
                            .arg(menu->y())
                            .arg(under.x())
                            .arg(under.y())));
    menu->hide();
}

// Without a window manager nothing activates the main window when a dialog closes.
void tst_Keyboard::closedDialogGivesTheKeyboardBack() {
    MainWindowFixture f;
    QVERIFY(startOnPage(f, 0));
    FocusReturn focusReturn;
    qApp->installEventFilter(&focusReturn);
    QDialog dialog(f.window.get());
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QApplication::setActiveWindow(nullptr);
    dialog.hide();
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
}

KELVOR_TEST_MAIN(tst_Keyboard)
#include "tst_Keyboard.moc"
