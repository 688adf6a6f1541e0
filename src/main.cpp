#include "app/QtPlatform.h"
#include "app/basMain.h"
#include "app/frmMain.h"
#include "app/frmWinInet.h"
#include "base/AppInfo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::version());
    QtPlatform platform;
    Platform::install(&platform);
    frmWinInet connection;
    ConnectionWindow::install(&connection);

    std::unique_ptr<frmMain> window = basMain::Main();
    const int code = window ? QApplication::exec() : 0;
    window.reset();
    ConnectionWindow::install(nullptr);
    Platform::install(nullptr);
    return code;
}
