#pragma once

#include <QString>
#include <span>
#include <vector>

class QWidget;

// The CSV file behind the main window's single list: which file is current, whether the list
// changed since it was last opened, saved or cleared, and the open and save dialogs and the
// unsaved-changes question of the file commands. Loading and saving mark the window busy through
// the flag it is given.
class SingleListFile {
public:
    SingleListFile(QWidget* owner, bool& busy);

    // The folder the dialogs start in.
    void setFolder(const QString& folder) { m_folder = folder; }

    // Full path of the file last opened or saved; empty for a new list.
    const QString& currentFile() const { return m_currentFile; }
    bool isChanged() const { return m_changed; }
    // The list differs from the file: every edit, sort, duplicate removal and import.
    void markChanged() { m_changed = true; }
    // A new list: no current file, nothing changed.
    void clear();
    // A list that no file holds yet (an import): no current file, changed.
    void detach();

    // The open dialog's answer with the extension "csv" ensured; empty when cancelled.
    QString askOpenPath(const QString& suggestedName) const;
    // Reads the file into `singles` (the valid singles only). On success the file becomes
    // current and the list unchanged; a failure has been reported, leaves `singles` as it was
    // and no file current.
    bool load(const QString& path, std::vector<qint32>& singles);
    // Writes to the current file, or runs Save as without one. True when saved.
    bool save(std::span<const qint32> singles, const QString& suggestedName);
    // Asks for a file and writes to it; the file becomes current only when the save succeeded.
    // True when saved; false when cancelled or failed.
    bool saveAs(std::span<const qint32> singles, const QString& suggestedName);
    // Before a command drops the list: a changed, non-empty list is offered for saving (Yes
    // saves, No drops it, Cancel keeps it). True when the command may go on.
    bool mayDrop(std::span<const qint32> singles, const QString& suggestedName);

private:
    bool writeTo(const QString& path, std::span<const qint32> singles);

    QWidget* m_owner;
    bool& m_busy;
    QString m_folder;
    QString m_currentFile;
    bool m_changed = false;
};
