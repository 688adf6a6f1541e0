#include "app/basMain.h"

#include "app/frmLoad.h"
#include "app/frmMain.h"
#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/clsToto.h"

namespace basMain {

namespace {

// The folder and the four data files every draw needs, each with its message.
bool dataPresent() {
    const clsFileSystemObject fso;
    if (!fso.FolderExists(QStringLiteral("SysData"))) {
        Platform::current().showMessage(
            QStringLiteral("システムデータフォルダ(SysData)が見つかりません"), QString(),
            MessageIcon::Error);
        return false;
    }
    for (const QString& name : {QStringLiteral("TeamName.dat"), QStringLiteral("TeamName1.dat"),
                                QStringLiteral("TeamName2.dat"), QStringLiteral("J1J2.dat")}) {
        if (!fso.FileExists(QStringLiteral("SysData/") + name)) {
            Platform::current().showMessage(QStringLiteral("データファイル(") + name +
                                                QStringLiteral(")が見つかりません"),
                                            QString(), MessageIcon::Error);
            return false;
        }
    }
    return true;
}

std::unique_ptr<clsToto>& totoObject() {
    static std::unique_ptr<clsToto> toto;
    return toto;
}

} // namespace

const clsToto& Toto() {
    std::unique_ptr<clsToto>& toto = totoObject();
    if (!toto)
        toto = std::make_unique<clsToto>();
    return *toto;
}

std::unique_ptr<frmMain> Main() {
    if (!dataPresent())
        return nullptr;
    OfficialUrlSettings::Load();
    totoObject() = std::make_unique<clsToto>();

    frmLoad splash;
    splash.show();
    splash.repaint();
    Platform::current().processEvents();

    auto window = std::make_unique<frmMain>();
    window->Load();
    window->show();

    splash.close();
    return window;
}

} // namespace basMain
