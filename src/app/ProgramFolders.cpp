#include "app/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString SysData = QStringLiteral("SysData");

// Copies the files of a shipped folder that the target lacks. The copies are the user's own
// files from now on, so they are writable whatever the shipped files' permissions were.
void seed(const QString& shipped, const QString& target) {
    if (!QFileInfo(shipped).isDir())
        return;
    const QDir from(shipped);
    QDirIterator files(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString destination = QDir(target).filePath(from.relativeFilePath(source));
        if (QFileInfo::exists(destination))
            continue;
        if (!QDir().mkpath(QFileInfo(destination).absolutePath()))
            continue;
        if (QFile::copy(source, destination))
            QFile::setPermissions(destination, QFile::permissions(destination) |
                                                   QFileDevice::ReadOwner |
                                                   QFileDevice::WriteOwner);
    }
}

} // namespace

QString ProgramFolders::userDataName() {
    return QStringLiteral("Kelvormini");
}

ProgramFolders ProgramFolders::prepare(const Places& places) {
    const QDir executable(places.executableFolder);
    const QString besideSysData = executable.filePath(SysData);
    const bool sysDataBeside = QFileInfo(besideSysData).isDir();

    ProgramFolders folders;
    if (sysDataBeside && places.executableFolderWritable) {
        folders.portable = true;
        folders.programFolder = QDir::cleanPath(executable.absolutePath());
        folders.userDataFolder =
            folders.programFolder + QStringLiteral("/UserData/") + userDataName();
        return folders;
    }
    folders.programFolder = QDir::cleanPath(places.appDataFolder);
    folders.userDataFolder = QDir::cleanPath(places.documentsFolder) + u'/' + userDataName();
    const QString shipped =
        sysDataBeside ? besideSysData : QDir::cleanPath(executable.filePath(places.shippedSysData));
    seed(shipped, folders.programFolder + u'/' + SysData);
    return folders;
}

ProgramFolders::Places ProgramFolders::current(const QString& shippedSysData) {
    Places places;
    places.executableFolder = QCoreApplication::applicationDirPath();
    places.executableFolderWritable = QFileInfo(places.executableFolder).isWritable();
    places.shippedSysData = shippedSysData;
    places.appDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    places.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (places.documentsFolder.isEmpty())
        places.documentsFolder = QDir::homePath();
    return places;
}
