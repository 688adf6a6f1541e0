#pragma once

#include <QString>

// The user's own team names in SysData/TeamName3.dat and the procedure of the user team-name
// window that adds a pair to it. The window itself only holds the two boxes.
class UserTeamNames {
public:
    static constexpr qint32 MaxShortNameLength = 6;

    static QString FileName();
    // The first line of a new file.
    static QString FileHeader();

    // What the window's boxes show when it opens: the last long name that no table knew, in
    // half-width characters for the short-name box and unchanged for the long-name box.
    static QString InitialShortName();
    static QString InitialLongName();

    // Adds the pair typed in the boxes (short name, long name) as one line of TeamName3.dat.
    // True when it was added and the window may close; false after a warning, with the window
    // staying open. Messages go to the platform's prompts.
    static bool Add(const QString& strRyakusho, const QString& strMeisho);
};
