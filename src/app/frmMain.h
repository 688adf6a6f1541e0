#pragma once

#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"
#include "drawdata/VoteData.h"
#include "singles/clsTSingleFrame.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class CheckPage;
class clsTResultCheck;
class clsVantrelDownload;
class clsTMain;
class HomePage;
class QAction;
class QMenu;
class QScrollArea;
class SinglesPage;
class StatusBar;
class TabStrip;

// The program's working window: the user's single list for the current draw, shown on three
// pages (home, singles, check), with the menus and buttons of every command.
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
    void FileSave();
    void FileSaveAs();
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

    // The window's state, for the commands' owners and for tests.
    int currentPage() const { return m_currentPage; }
    bool isBusy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    qint32 kaisaikai() const { return m_kaisaikai; }
    const QString& currentFile() const { return m_currentFile; }
    const QString& userDataFolder() const { return m_userDataFolder; }
    const std::vector<qint32>& singles() const { return m_singles; }
    const SingleFrame& singleFrame() const { return m_singleFrame; }
    bool showPercent() const { return m_showPercent; }
    // Replaces the list and recomputes its frame.
    void setSingleList(std::vector<qint32> singles);

    HomePage* homePage() const { return m_home; }
    SinglesPage* singlesPage() const { return m_singlesPage; }
    CheckPage* checkPage() const { return m_checkPage; }
    StatusBar* statusBar() const { return m_statusBar; }
    TabStrip* tabStrip() const { return m_tabs; }
    QWidget* contentPanel() const { return m_content; }
    QMenu* sortMenu() const { return m_sortMenu; }
    QAction* action(const QString& name) const;
    clsTMain* currentDraw() const { return m_tmain; }
    const clsTResultCheck& resultCheck() const { return *m_resultCheck; }
    const ScheduleData& schedule() const { return m_schedule; }
    const VoteData& vote() const { return m_vote; }
    const ResultData& result() const { return m_result; }

    // " Vantrel  Kelvor mini", with " - [file]" when a file is current.
    QString titleText() const;
    static QString versionText();
    static QString salesScheduleUrl();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenus();
    void createContent();
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
    void saveTo(const QString& path);
    // Runs a command; a run-time error that escapes it is shown, and the window stays usable.
    template <typename F> void command(F&& body);

    // Current draw and its documents.
    qint32 m_kaisaikai = 0;
    QString m_kumi;
    ScheduleData m_schedule;
    VoteData m_vote;
    ResultData m_result;

    // The single list.
    std::vector<qint32> m_singles;
    SingleFrame m_singleFrame{};
    std::array<std::array<bool, 9>, 3> m_showZero{};

    bool m_busy = false;
    bool m_placed = false;
    QString m_currentFile;
    bool m_showPercent = false;
    int m_currentPage = 0;
    QString m_drawLabel;
    QString m_userDataFolder;

    clsTMain* m_tmain = nullptr;
    std::unique_ptr<clsTResultCheck> m_resultCheck;
    std::unique_ptr<clsVantrelDownload> m_vantrel;
    QScrollArea* m_scroller = nullptr;
    QWidget* m_content = nullptr;
    TabStrip* m_tabs = nullptr;
    HomePage* m_home = nullptr;
    SinglesPage* m_singlesPage = nullptr;
    CheckPage* m_checkPage = nullptr;
    StatusBar* m_statusBar = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_sortMenu = nullptr;
};
