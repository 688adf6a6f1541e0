#pragma once

#include <QByteArray>
#include <QString>

// Decides whether a downloaded overseas team-name file (TeamName2.dat) may replace the installed
// one. Nothing but the bytes and the two version numbers goes in, so the whole rule can be run
// on any input: the file must read completely with the program's own reader of it (every line
// an entry or a comment, Version and Revision whole numbers, [End] as its last line), be Shift_JIS
// without control characters and small, and carry a version newer than the installed one and
// equal to the one the maker's catalogue announced.
class TeamNameFileCheck {
public:
    // The shipped file is under 8 KB; a file thirty times larger is no team-name file.
    static constexpr qint64 MaxBytes = 256 * 1024;

    struct Verdict {
        // Why the file is refused, one line for the user; "" when it is accepted.
        QString refusal;
        // The file's version (major × 1000 + minor); 0 when it could not be read.
        qint32 version = 0;
        bool accepted() const { return refusal.isEmpty(); }
    };

    // Versions as VersionNumber gives them.
    static Verdict Check(const QByteArray& bytes, qint32 installedVersion, qint32 announcedVersion);

    // major × 1000 + minor of "major.minor" (both whole numbers of up to six digits, blanks
    // around them allowed); 0 for any other text, which stands for a missing version.
    static qint32 VersionNumber(const QString& text);
    // "major.minor" of a version number, for messages.
    static QString VersionText(qint32 version);
};
