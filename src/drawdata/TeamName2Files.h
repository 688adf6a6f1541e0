#pragma once

#include <QByteArray>
#include <QString>

// The installed overseas team-name file, SysData/TeamName2.dat, and the one it replaced,
// SysData/TeamName2.prev.dat, kept so that an update can be taken back. Each file is replaced
// as a whole (a killed save leaves the previous file); a failed save is reported by the file
// layer.
class TeamName2Files {
public:
    static QString CurrentFile();
    static QString PreviousFile();

    // Installs bytes (already checked) as the current file; the current one becomes the
    // previous. True when the new file is in place.
    static bool Install(const QByteArray& bytes);
    static bool HasPrevious();
    // The previous file's version number (as TeamNameFileCheck::VersionNumber), 0 when unknown.
    static qint32 PreviousVersion();
    // The previous file becomes the current one and the current one the previous. True when
    // both were written.
    static bool Swap();
};
