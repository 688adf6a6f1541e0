#include "app/QtCatalogue.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

// Qt's own texts (the buttons of every question, the file dialogs) come from Qt's Japanese
// catalogue once the program has loaded it.
class tst_QtCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void questionButtonsReadAsTheCatalogueGivesThem_data();
    void questionButtonsReadAsTheCatalogueGivesThem();
    void theFileDialogIsJapaneseWhateverTheSystemLocale();

private:
    QTranslator m_reference;
};

void tst_QtCatalogue::initTestCase() {
    QVERIFY2(QFileInfo::exists(QtCatalogue::japaneseFile()),
             qPrintable(QtCatalogue::japaneseFile() +
                        QStringLiteral(" is missing: install qt6-translations-l10n")));
    // A translator of the test's own, so that the expectation does not depend on the program's.
    QVERIFY(m_reference.load(QtCatalogue::japaneseFile()));
    QVERIFY(QtCatalogue::installJapanese());
}

void tst_QtCatalogue::questionButtonsReadAsTheCatalogueGivesThem_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("english");
    QTest::newRow("yes") << int(QMessageBox::Yes) << QStringLiteral("&Yes");
    QTest::newRow("no") << int(QMessageBox::No) << QStringLiteral("&No");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QStringLiteral("Cancel");
}

void tst_QtCatalogue::questionButtonsReadAsTheCatalogueGivesThem() {
    QFETCH(int, button);
    QFETCH(QString, english);
    const QString japanese =
        m_reference.translate("QPlatformTheme", english.toLatin1().constData());
    QVERIFY2(!japanese.isEmpty() && japanese != english, qPrintable(english));

    QMessageBox box(QMessageBox::Question, QStringLiteral("Kelvor mini"),
                    QStringLiteral("よろしいですか？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QAbstractButton* shown = box.button(static_cast<QMessageBox::StandardButton>(button));
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->text(), japanese);
}

// The tests run under C.UTF-8; the dialog's words and the default locale are Japanese all the
// same.
void tst_QtCatalogue::theFileDialogIsJapaneseWhateverTheSystemLocale() {
    QCOMPARE(QLocale().language(), QLocale::Japanese);
    QFileDialog dialog(nullptr, QStringLiteral("開く"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString japanese = m_reference.translate("QFileDialog", "Files of type:");
    QVERIFY(!japanese.isEmpty() && japanese != QStringLiteral("Files of type:"));
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), japanese);
    QCOMPARE(dialog.locale().language(), QLocale::Japanese);
}

KELVOR_TEST_MAIN(tst_QtCatalogue)
#include "tst_QtCatalogue.moc"
