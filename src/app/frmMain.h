#pragma once

#include "app/ListEdits.h"
#include "singles/clsTSingleFrame.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class CheckPage;
class CommandGuard;
class frmAnalysis;
class clsTMain;
class HomePage;
class MainContent;
class MainMenus;
class QScrollArea;
class SingleList;
class SingleListFile;
class SinglesPage;
class StatusBar;
class TeamNameCommands;
class WaysForward;

// The program's working window: the conductor of the menus, the three pages (home, singles,
// check) and the current draw. The user's single list is a document of its own (SingleList)
// that the pages and their views follow; the current draw and its documents live in the
// current-draw controller. Every command runs through one guard that refuses it while the list
// is busy.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The load sequence: settings, bindings, size and place, home page, first draw.
    void Load();

    // Commands, as the menus and buttons run them.
    void ShowPage(int page);
    void FileNew();
    void FileOpen();
    // The one way a singles file is opened once its path is known (after the open dialog, for a
    // file dropped on the window, on the command line or chosen in the ledger): the
    // unsaved-changes question, the load, the draw of the file name and the singles page.
    void openList(const QString& path);
    // True when the list was written.
    bool FileSave();
    bool FileSaveAs();
    void FileEnd();
    using SortKind = ListEdits::SortKind;
    void Sort(SortKind kind, int index);
    void ClipboardExport(int index);
    void ClipboardImport(int index);
    void SortResult();
    void ShowNextResult();
    void ShowAllResults();
    void OfficialDownload(int index);
    void RemoveDuplicates();
    void AddByMarks();
    void TogglePercent();
    void OpenSalesSchedule();
    void ShowAbout();
    // The analysis window, not modal; one window, brought to the front when already open.
    void ShowAnalysis();

    // The window's state, for the commands' owners and for tests.
    int currentPage() const { return m_currentPage; }
    qint32 kaisaikai() const { return m_kaisaikai; }
    const QString& currentFile() const;
    const QString& userDataFolder() const { return m_userDataFolder; }
    // The single list, its frame, its file and its busy state.
    SingleList& singleList() const { return *m_list; }
    const std::vector<qint32>& singles() const;
    const SingleFrame& singleFrame() const;
    bool showPercent() const { return m_showPercent; }
    // Replaces the list and recomputes its frame.
    void setSingleList(std::vector<qint32> singles);

    const MainMenus& menus() const { return *m_menus; }
    // The status bar along the foot of the content panel (not QMainWindow's own).
    StatusBar* drawStatusBar() const { return m_statusBar; }
    QWidget* contentPanel() const;
    clsTMain* currentDraw() const { return m_tmain; }
    // The analysis window; null until it is first opened.
    frmAnalysis* analysisWindow() const { return m_analysis; }

    // " Vantrel  Kelvor mini", with " - [file]" when a file is current.
    QString titleText() const;
    static QString salesScheduleUrl();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectMenus();
    void createContent();
    void connectPages();
    void placeWindow();
    void refreshTitle();
    void refreshSchedulePanel();
    void onKaisaikaiChange(qint32 lngKaisaikai, const QString& strKumi);
    void refreshDownloadButtons();
    void applyEditMenuRules();
    void showSortPopup(QPoint place);
    void writeSettings();
    // The analysis window follows the draw's documents and the result marks (the list it
    // follows itself).
    void analysisFollowDraw();
    void analysisFollowMarks();
    // The unsaved-changes question; true when the command may drop the list.
    bool mayDropList();
    void loadList(const QString& path);
    // The file name proposed for the current draw's list.
    QString draftFileName() const;
    // Runs a command through the window's CommandGuard: not while the list is busy, and a
    // run-time error that escapes it is shown.
    template <typename F> void command(F&& body);
    // Connects a signal to a command run as above.
    template <typename Sender, typename Signal, typename F>
    void runOn(Sender* sender, Signal signal, F body);

    // The current draw as the last KaisaikaiChange announced it.
    qint32 m_kaisaikai = 0;
    QString m_kumi;

    bool m_showPercent = false;
    int m_currentPage = 0;
    QString m_drawLabel;
    QString m_userDataFolder;

    std::unique_ptr<const MainMenus> m_menus;
    SingleList* m_list;
    std::unique_ptr<const CommandGuard> m_guard;
    std::unique_ptr<SingleListFile> m_listFile;
    std::unique_ptr<ListEdits> m_edits;
    clsTMain* m_tmain;
    std::unique_ptr<WaysForward> m_ways;
    std::unique_ptr<TeamNameCommands> m_teamNames;
    QScrollArea* m_scroller = nullptr;
    MainContent* m_content = nullptr;
    HomePage* m_home = nullptr;
    SinglesPage* m_singlesPage = nullptr;
    CheckPage* m_checkPage = nullptr;
    StatusBar* m_statusBar = nullptr;
    frmAnalysis* m_analysis = nullptr;
};
