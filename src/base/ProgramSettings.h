#pragma once

#include <QString>
#include <QtGlobal>

// What the program remembers between runs (SysData/Kelvor mini.ini): the draw shown last and
// the two check-box choices. Read when the main window loads, written when it closes.
struct ProgramSettings {
    qint32 Kaisaikai = 1;
    bool DownloadMessage = true;
    bool ResultAll = false;

    // Defaults, overridden by the keys of the file that exist; a value that does not convert is
    // reported ("Kelvor mini.iniファイルが破損しています。") and keeps its default.
    static ProgramSettings Load();
    // Replaces the file; a failed write is silent.
    bool Save() const;

    static QString fileName();
};
