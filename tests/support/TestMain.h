#pragma once

#include <QApplication>
#include <QTest>

namespace KelvorTest {

// A GUI test started by hand runs as it does under CTest: on the offscreen platform unless the
// caller chose one, and at the design's 96 dpi, so that sizes and fonts come out the same.
inline void prepareGuiEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
}

} // namespace KelvorTest

// The main of a GUI test program: QTEST_MAIN with the environment above.
#define KELVOR_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        KelvorTest::prepareGuiEnvironment();                                                       \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
