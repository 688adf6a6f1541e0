#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// What the ledger remembers (SysData/Kelvor mini ledger.txt): the folders the user added beside
// the singles folder, and the files left out of the totals. Paths are absolute; the file is
// UTF-8, one "folder" or "exclude" line each with a tab before the path, so that any path the
// system allows survives.
struct LedgerSettings {
    QStringList folders;
    QSet<QString> excluded;

    // A missing file gives empty settings; lines it does not know are passed over.
    static LedgerSettings Load();
    // Replaces the file. Throws RuntimeError (75 with the cause) when it cannot be written.
    void Save() const;

    // Relative to the program folder.
    static QString fileName();
};
