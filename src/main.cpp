#include "app/FocusReturn.h"
#include "app/ProgramFolders.h"
#include "app/QtCatalogue.h"
#include "app/QtPlatform.h"
#include "app/RunningCopy.h"
#include "app/basMain.h"
#include "app/frmMain.h"
#include "app/frmWinInet.h"
#include "base/AppInfo.h"
#include "widgets/JapaneseFonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::version());
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVOR_DESKTOP_ID));
    QtCatalogue::installJapanese();
    JapaneseFonts::install();
    FocusReturn focusReturn;
    QApplication::instance()->installEventFilter(&focusReturn);

    const ProgramFolders folders =
        ProgramFolders::prepare(ProgramFolders::current(QStringLiteral(KELVOR_SHIPPED_SYSDATA)));
    // A second start of the same program folder hands its command line to the running copy.
    const QStringList arguments = QApplication::arguments().mid(1);
    RunningCopy copy(RunningCopy::nameFor(folders.programFolder));
    if (copy.handOver(arguments))
        return 0;
    QtPlatform platform(folders.programFolder, folders.userDataFolder);
    Platform::install(&platform);
    frmWinInet connection;
    ConnectionWindow::install(&connection);

    std::unique_ptr<frmMain> window = basMain::Main();
    if (window)
        copy.serve(*window, arguments);
    const int code = window ? QApplication::exec() : 0;
    window.reset();
    ConnectionWindow::install(nullptr);
    Platform::install(nullptr);
    return code;
}
