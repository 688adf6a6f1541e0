#include "base/AppInfo.h"
#include "base/OfficialUrlSettings.h"
#include "base/clsFileSystemObject.h"

#include <QCoreApplication>
#include <cstdio>

// The window does not exist yet: this start checks the data folder and the URL settings, the
// parts of start-up that are built, and says what is missing.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const clsFileSystemObject fso;
    if (!fso.FolderExists(QStringLiteral("SysData"))) {
        std::fprintf(stderr, "システムデータフォルダ(SysData)が見つかりません\n");
        return 1;
    }
    OfficialUrlSettings::Load();
    std::printf("%s: settings loaded from %s.\n"
                "The main window is not built yet, so the program ends here.\n",
                qUtf8Printable(AppInfo::title()),
                qUtf8Printable(fso.GetFullPath(OfficialUrlSettings::fileName())));
    return 0;
}
