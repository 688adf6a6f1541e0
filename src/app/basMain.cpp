#include "app/basMain.h"

#include "app/frmLoad.h"
#include "app/frmMain.h"
#include "base/AtomicFileWriter.h"
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

// A save killed before its rename leaves its temporary file beside the file it was writing.
// Those older than an hour (no save takes that long) go at start, from the program's own folders
// only: SysData with its document folders, and the user-data folder the singles are saved in.
void removeSaveLeftovers() {
    const QDateTime hourAgo = QDateTime::currentDateTimeUtc().addSecs(-3600);
    const Platform& platform = Platform::current();
    AtomicFileWriter::removeStaleLeftovers(platform.programFolder() + QStringLiteral("/SysData"),
                                           true, hourAgo);
    AtomicFileWriter::removeStaleLeftovers(platform.userDataFolder(), false, hourAgo);
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
    removeSaveLeftovers();
    OfficialUrlSettings::Load();
    totoObject() = std::make_unique<clsToto>();

    frmLoad splash;
    splash.centre();
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
