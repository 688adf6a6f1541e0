#include "support/TestMain.h"
#include "widgets/NumberBox.h"
#include "widgets/SpinControl.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
// Types each character as a key press carrying that text, as a keyboard or input method does
// (QTest::keyClicks only knows ASCII).
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}
} // namespace

class tst_NumberBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typing_data();
    void typing();
    void keysStepThroughTheRange_data();
    void keysStepThroughTheRange();
    void pastedTextIsClamped_data();
    void pastedTextIsClamped();
    void textWithoutDigitsIsRefused();
    void emptyBoxReadsMinusOne();
    void oneSignalPerChange();
    void spinControlSteps();
};

void tst_NumberBox::typing_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << QString() << QStringLiteral("123") << QStringLiteral("123") << 123;
    QTest::newRow("above the maximum")
        << QString() << QStringLiteral("12345") << QStringLiteral("9999") << 9999;
    QTest::newRow("letters dropped")
        << QString() << QStringLiteral("1a2-b.3 ") << QStringLiteral("123") << 123;
    QTest::newRow("leading zero") << QString() << QStringLiteral("007") << QStringLiteral("7") << 7;
    QTest::newRow("full-width digits")
        << QString() << QStringLiteral("１２") << QStringLiteral("12") << 12;
}

void tst_NumberBox::typing() {
    QFETCH(QString, start);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, value);
    NumberBox box;
    box.setRange(0, 9999);
    box.setText(start);
    typeText(&box, keys);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.value(), value);
}

void tst_NumberBox::keysStepThroughTheRange_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("up") << QStringLiteral("5") << int(Qt::Key_Up) << QStringLiteral("6");
    QTest::newRow("down") << QStringLiteral("5") << int(Qt::Key_Down) << QStringLiteral("4");
    QTest::newRow("down at zero") << QStringLiteral("0") << int(Qt::Key_Down)
                                  << QStringLiteral("0");
    QTest::newRow("up at maximum")
        << QStringLiteral("9999") << int(Qt::Key_Up) << QStringLiteral("9999");
    QTest::newRow("page up") << QStringLiteral("12") << int(Qt::Key_PageUp)
                             << QStringLiteral("9999");
    QTest::newRow("page down") << QStringLiteral("12") << int(Qt::Key_PageDown)
                               << QStringLiteral("0");
    QTest::newRow("up from empty") << QString() << int(Qt::Key_Up) << QStringLiteral("1");
}

void tst_NumberBox::keysStepThroughTheRange() {
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(QString, text);
    NumberBox box;
    box.setText(start);
    QTest::keyClick(&box, static_cast<Qt::Key>(key));
    QCOMPARE(box.text(), text);
}

void tst_NumberBox::pastedTextIsClamped_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::newRow("first digits of a draw caption")
        << QStringLiteral("第1234回") << QStringLiteral("1234");
    QTest::newRow("blanks around") << QStringLiteral(" 1234 ") << QStringLiteral("1234");
    QTest::newRow("full-width") << QStringLiteral("１２３４") << QStringLiteral("1234");
    QTest::newRow("the first run only") << QStringLiteral("12回と34回") << QStringLiteral("12");
    QTest::newRow("letters refused") << QStringLiteral("abc") << QString();
    QTest::newRow("negative") << QStringLiteral("-5") << QStringLiteral("0");
    QTest::newRow("huge") << QStringLiteral("123456789012345678901234567890")
                          << QStringLiteral("9999");
    QTest::newRow("number") << QStringLiteral("42") << QStringLiteral("42");
}

void tst_NumberBox::pastedTextIsClamped() {
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    NumberBox box;
    box.insert(pasted);
    QCOMPARE(box.text(), text);
}

// A text without a digit would have read as draw 0: the box keeps what it showed, unreported.
void tst_NumberBox::textWithoutDigitsIsRefused() {
    NumberBox box;
    box.setText(QStringLiteral("1234"));
    QSignalSpy changes(&box, &NumberBox::valueChanged);
    box.selectAll();
    box.insert(QStringLiteral("abc"));
    QCOMPARE(box.text(), QStringLiteral("1234"));
    QCOMPARE(box.value(), 1234);
    box.selectAll();
    box.insert(QStringLiteral("第　回"));
    QCOMPARE(box.text(), QStringLiteral("1234"));
    QCOMPARE(changes.size(), 0);
}

void tst_NumberBox::emptyBoxReadsMinusOne() {
    NumberBox box;
    box.setText(QStringLiteral("12"));
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QString());
    QCOMPARE(box.value(), -1);
}

void tst_NumberBox::oneSignalPerChange() {
    NumberBox box;
    QSignalSpy changes(&box, &NumberBox::valueChanged);
    QTest::keyClicks(&box, QStringLiteral("12345"));
    // One per keystroke, the clamping of the fifth digit included in its own change.
    QCOMPARE(changes.count(), 5);
    QTest::keyClick(&box, Qt::Key_Up);
    QCOMPARE(changes.count(), 5);
}

void tst_NumberBox::spinControlSteps() {
    QWidget parent;
    auto* box = new NumberBox(&parent);
    box->setGeometry(10, 10, 50, 20);
    auto* spin = new SpinControl(box);
    box->setText(QStringLiteral("9998"));
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("9999"));
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("9999"));
    box->setText(QStringLiteral("1"));
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(spin->geometry().left(), box->geometry().right() + 1);
}

KELVOR_TEST_MAIN(tst_NumberBox)
#include "tst_NumberBox.moc"
