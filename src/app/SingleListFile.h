#pragma once

#include <QString>

class SingleList;
class QWidget;

// The file and clipboard commands of the single list: the open and save dialogs, reading a CSV
// file or the clipboard's text into the list and writing the list to a file or the clipboard,
// and the unsaved-changes question. The list document keeps which file is current and whether
// it changed; loading and saving mark it busy.
class SingleListFile {
public:
    SingleListFile(QWidget* owner, SingleList& list);

    // The folder the dialogs start in.
    void setFolder(const QString& folder) { m_folder = folder; }

    // The open dialog's answer with the extension "csv" ensured; empty when cancelled.
    QString askOpenPath(const QString& suggestedName) const;
    enum class Opened { Loaded, Failed, Refused };
    // Reads the file into the list (the valid singles only); the file becomes current and the
    // list unchanged. A file with text but not one single (a picture, a letter) is refused with
    // a message and changes nothing. Lines that gave no single are told, the first of them
    // shown, and the user chooses between working on in that file (whose next save warns that
    // they will be lost) and a new list in no file. A failure that has been reported leaves the
    // list empty and no file current.
    Opened open(const QString& path);
    // Writes to the current file, or runs Save as without one. True when saved.
    bool save(const QString& suggestedName);
    // Asks for a file and writes to it; the file becomes current only when the save succeeded.
    // True when saved; false when cancelled or failed.
    bool saveAs(const QString& suggestedName);
    // Before a command drops the list: a changed, non-empty list is offered for saving (Yes
    // saves, No drops it, Cancel keeps it). True when the command may go on.
    bool mayDrop(const QString& suggestedName);
    // The list as text on the clipboard, in the layout `index` of clsTClipboard.
    void exportText(int index) const;
    // The singles of the clipboard's text (clsTClipImport's `index`) in place of the list, after
    // the unsaved-changes question; the list is then in no file. The number of singles taken,
    // 0 when none were or the user kept the old list.
    qint32 importText(int index, const QString& suggestedName);

private:
    bool writeTo(const QString& path);
    // Whether writing over the file may drop lines it holds that the list never took in.
    bool mayOverwriteUnread(const QString& path) const;

    // The file last opened with lines the list did not take in, and how many.
    QString m_unreadFile;
    qint64 m_unreadLines = 0;
    QWidget* m_owner;
    SingleList& m_list;
    QString m_folder;
};
