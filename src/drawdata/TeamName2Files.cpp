#include "drawdata/TeamName2Files.h"

#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "base/clsIniFile.h"
#include "drawdata/TeamNameFileCheck.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

bool readAll(const QString& path, QByteArray& bytes) {
    QFile file(clsFileSystemObject().GetFullPath(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

QString TeamName2Files::CurrentFile() {
    return u"SysData/TeamName2.dat"_s;
}

QString TeamName2Files::PreviousFile() {
    return u"SysData/TeamName2.prev.dat"_s;
}

bool TeamName2Files::Install(const QByteArray& bytes) {
    clsFileStream stream;
    QByteArray current;
    if (readAll(CurrentFile(), current) && !stream.SaveToBinaryFile(PreviousFile(), current))
        return false;
    return stream.SaveToBinaryFile(CurrentFile(), bytes);
}

bool TeamName2Files::HasPrevious() {
    return clsFileSystemObject().FileExists(PreviousFile());
}

qint32 TeamName2Files::PreviousVersion() {
    clsIniFile file;
    if (!file.Initialize(PreviousFile()))
        return 0;
    return TeamNameFileCheck::VersionNumber(file.GetItem(u"Version"_s, QString()) + u'.' +
                                            file.GetItem(u"Revision"_s, QString()));
}

bool TeamName2Files::Swap() {
    QByteArray current;
    QByteArray previous;
    if (!readAll(CurrentFile(), current) || !readAll(PreviousFile(), previous))
        return false;
    // The file the program starts with is written first: killed between the two saves, the
    // program still has the file it was asked for, and the other one is on the maker's site.
    clsFileStream stream;
    return stream.SaveToBinaryFile(CurrentFile(), previous) &&
           stream.SaveToBinaryFile(PreviousFile(), current);
}
