#pragma once

#include <QString>

// Whether the program may replace files in its own folder. Windows keeps protected folders
// behind a virtual store; here the nearest meaning is a program folder that cannot be written.
class clsShell {
public:
    // Checks the program folder of the platform.
    clsShell();
    // Checks another folder (tests).
    explicit clsShell(QString strFolder);

    // True when the folder cannot be written (or does not exist). Write permission already
    // answers for an administrator, so there is no separate administrator test.
    bool IsVirtualstore() const;
    // True when the program may write into its folder; false after telling the user why not.
    bool CheckVirtualstoreAdmin() const;

private:
    QString m_folder;
};
