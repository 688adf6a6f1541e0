#pragma once

#include "singles/clsTSingleFrame.h"

#include <QObject>
#include <QString>
#include <vector>

// The player's single list for the current draw, as one document: the singles, their frame,
// the file they were last opened from or saved to and whether they changed since, and whether
// a long operation is working on them. Every change is announced; the pages, their views and
// the analysis window follow the signals instead of keeping copies fed by hand. Reading and
// writing files is the business of the file commands above, which fill the document.
class SingleList : public QObject {
    Q_OBJECT

public:
    explicit SingleList(QObject* parent = nullptr);

    const std::vector<qint32>& singles() const { return m_singles; }
    qint32 count() const { return static_cast<qint32>(m_singles.size()); }
    bool isEmpty() const { return m_singles.empty(); }
    const SingleFrame& frame() const { return m_frame; }
    // Full path of the file last opened or saved; empty for a list that no file holds.
    const QString& currentFile() const { return m_currentFile; }
    // The list differs from its file: every edit, sort, duplicate removal and import.
    bool isChanged() const { return m_changed; }

    // A new list in place of the old one, its frame counted anew; the file state stays.
    void replace(std::vector<qint32> singles);
    // The user's edit of the whole list, whose frame the caller already has (a sort keeps the
    // frame; the singles view counts its own as it adds and deletes): replaced and changed.
    void edit(std::vector<qint32> singles, const SingleFrame& frame);
    // The user changed one single. A position the list no longer has (the list was replaced
    // while the change was on its way) is ignored; false then.
    bool setSingle(qint32 position, qint32 single);
    // The frame as the singles view keeps it while the user clicks marks.
    void setFrame(const SingleFrame& frame);
    // An empty list in no file, unchanged.
    void clear();
    // The list now is the file's content: current, unchanged.
    void setFile(const QString& path);
    // A list that no file holds yet (an import): no current file, changed.
    void detach();
    void markChanged();

    // Busy while a load, a save or a long check works on the list: commands that would change
    // or drop it, page switches and closing the window wait (see frmMain's command guard).
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy);

    // Busy for the scope's lifetime; every way out restores the previous state, an exception too.
    class BusyScope {
    public:
        explicit BusyScope(SingleList& list) : m_list(list), m_was(list.isBusy()) {
            m_list.setBusy(true);
        }
        ~BusyScope() { m_list.setBusy(m_was); }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        SingleList& m_list;
        bool m_was;
    };

Q_SIGNALS:
    // The whole list is another (frame and count included).
    void singlesReplaced();
    // The list was emptied by a new list or before a load.
    void cleared();
    void singleChanged(qint32 position);
    void frameChanged();
    // The current file or the changed state.
    void fileStateChanged();
    void busyChanged(bool busy);

private:
    void recountFrame();
    void setChanged(bool changed);

    std::vector<qint32> m_singles;
    SingleFrame m_frame{};
    QString m_currentFile;
    bool m_changed = false;
    bool m_busy = false;
};
