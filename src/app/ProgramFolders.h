#pragma once

#include <QString>

// Where the program keeps its files. A copy started from a writable folder with SysData beside it
// keeps everything there (portable use). Any other copy, an installed one above all, keeps its
// program folder in the user's application-data folder, seeded from the shipped SysData, and the
// user's own files under the user's documents, so that nothing the user owns lives among the
// program's files.
struct ProgramFolders {
    // What the choice is made from; the program fills it from the running executable and
    // QStandardPaths, tests from temporary folders.
    struct Places {
        QString executableFolder;
        bool executableFolderWritable = false;
        // The shipped SysData of an installed copy, relative to the executable's folder.
        QString shippedSysData;
        QString appDataFolder;
        QString documentsFolder;
    };

    QString programFolder;
    QString userDataFolder;
    bool portable = false;

    // Chooses the folders and, for a per-user program folder, copies every shipped file that the
    // user's SysData does not have yet. A file the user already has is never replaced. A copy
    // that fails leaves the file missing, which the start checks then report.
    static ProgramFolders prepare(const Places& places);
    // The running program's places.
    static Places current(const QString& shippedSysData);

    // The name of the user-data folder inside the program folder or the documents.
    static QString userDataName();
};
