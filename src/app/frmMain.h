#pragma once

#include "singles/clsTSingleFrame.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class CheckPage;
class clsTGame;
class clsTSingle;
class clsTSingleGame;
class clsTResult;
class clsTResultCheck;
class clsVantrelDownload;
class frmAnalysis;
class clsTMain;
class HomePage;
class MainMenus;
class QMenu;
class QScrollArea;
class SingleListFile;
class SinglesPage;
class StatusBar;
class TabStrip;

// The program's working window: the user's single list for the current draw, shown on three
// pages (home, singles, check), with the menus and buttons of every command. The current draw
// and its documents live in the current-draw controller; the window reads them from there.
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
    // True when the list was written.
    bool FileSave();
    bool FileSaveAs();
    void FileEnd();
    enum class SortKind { Estimate, Mark, Popularity };
    void Sort(SortKind kind, int index);
    void ClipboardExport(int index);
    void ClipboardImport(int index);
    void SortResult();
    void ShowNextResult();
    void ShowAllResults();
    void OfficialDownload(int index);
    void VantrelDownload();
    void UserTeamNames();
    void RemoveDuplicates();
    void AddByMarks();
    void TogglePercent();
    void OpenSalesSchedule();
    void ShowAbout();
    // The analysis window, not modal; one window, brought to the front when already open.
    void ShowAnalysis();

    // The window's state, for the commands' owners and for tests.
    int currentPage() const { return m_currentPage; }
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    qint32 kaisaikai() const { return m_kaisaikai; }
    const QString& currentFile() const;
    const QString& userDataFolder() const { return m_userDataFolder; }
    const std::vector<qint32>& singles() const { return m_singles; }
    const SingleFrame& singleFrame() const { return m_singleFrame; }
    bool showPercent() const { return m_showPercent; }
    // Replaces the list and recomputes its frame.
    void setSingleList(std::vector<qint32> singles);

    const MainMenus& menus() const { return *m_menus; }
    // The status bar along the foot of the content panel (not QMainWindow's own).
    StatusBar* drawStatusBar() const { return m_statusBar; }
    QWidget* contentPanel() const { return m_content; }
    clsTMain* currentDraw() const { return m_tmain; }
    // The check page's controller and its checking state (hits, grades, the result marks).
    clsTResult* resultView() const { return m_result; }
    const clsTResultCheck& resultCheck() const;
    clsTGame* gamePanel() const { return m_game; }
    // The singles page's view and its match list.
    clsTSingle* singleView() const { return m_single; }
    clsTSingleGame* singleMatchList() const { return m_singleGame; }
    // The result-mark table's pop-up menu, whose only item is 「中止」.
    QMenu* resultMarkPopup() const { return m_popup7; }
    // The analysis window; null until it is first opened.
    frmAnalysis* analysisWindow() const { return m_analysis; }

    // " Vantrel  Kelvor mini", with " - [file]" when a file is current.
    QString titleText() const;
    static QString versionText();
    static QString salesScheduleUrl();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectMenus();
    void createContent();
    void connectPages();
    void bindCheckPage();
    void bindSinglesPage();
    void applyColourScheme();
    void placeWindow();
    void layoutContent();
    void refreshTitle();
    void refreshSchedulePanel();
    void onKaisaikaiChange(qint32 lngKaisaikai, const QString& strKumi);
    void refreshDownloadButtons();
    void applyViewButtonRule();
    void checkSingles();
    void applyEditMenuRules();
    void showSortPopup();
    void clearList();
    void recomputeFrame();
    void writeSettings();
    // The open analysis window follows the list, the draw's documents and the result marks.
    void analysisFollowList();
    void analysisFollowDraw();
    void analysisFollowMarks();
    // Every handler that changes the list calls this (the single view's ChangeValue and
    // ChangeCount included), so that Close, New, Open and the clipboard import offer to save
    // the list before they drop it. Opening, saving and clearing the list reset it.
    void markListChanged();
    // The unsaved-changes question; true when the command may drop the list.
    bool mayDropList();
    // The file name proposed for the current draw's list.
    QString draftFileName() const;
    // Runs a command; a run-time error that escapes it is shown, and the window stays usable.
    template <typename F> void command(F&& body);
    // Connects a signal to a command run as above.
    template <typename Sender, typename Signal, typename F>
    void runOn(Sender* sender, Signal signal, F body);
    // The same for a command on the list that the window's own methods do not guard: nothing
    // happens while the window is busy.
    template <typename Sender, typename Signal, typename F>
    void runWhenIdle(Sender* sender, Signal signal, F body);

    // The current draw as the last KaisaikaiChange announced it.
    qint32 m_kaisaikai = 0;
    QString m_kumi;

    // The single list.
    std::vector<qint32> m_singles;
    SingleFrame m_singleFrame{};
    std::array<std::array<bool, 9>, 3> m_showZero{};

    bool m_busy = false;
    bool m_showPercent = false;
    int m_currentPage = 0;
    QString m_drawLabel;
    QString m_userDataFolder;

    std::unique_ptr<const MainMenus> m_menus;
    std::unique_ptr<SingleListFile> m_listFile;
    clsTMain* m_tmain;
    clsTResult* m_result = nullptr;
    clsTGame* m_game = nullptr;
    clsTSingle* m_single = nullptr;
    clsTSingleGame* m_singleGame = nullptr;
    QMenu* m_popup7 = nullptr;
    std::unique_ptr<clsVantrelDownload> m_vantrel;
    QScrollArea* m_scroller = nullptr;
    QWidget* m_content = nullptr;
    TabStrip* m_tabs = nullptr;
    HomePage* m_home = nullptr;
    SinglesPage* m_singlesPage = nullptr;
    CheckPage* m_checkPage = nullptr;
    StatusBar* m_statusBar = nullptr;
    frmAnalysis* m_analysis = nullptr;
};
