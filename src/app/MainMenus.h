#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar, every item a member. The items carry the design's object names
// (mnuFile_Open, mnuEdit_Sort_Money_0, ...) and captions; the window connects them to its
// commands. The menus and items belong to the menu bar; this record only points at them.
class MainMenus {
public:
    // Fills the bar.
    explicit MainMenus(QMenuBar* bar);

    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    // A page of the official site that the browser saved, read as a download would be.
    QAction* fileSavedPage = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* fileEnd = nullptr;

    QMenu* editMenu = nullptr;
    // Also shown as a pop-up by the singles page's sort button.
    QMenu* sortMenu = nullptr;
    std::array<QAction*, 3> sortEstimate{};
    // The fourth mark and popularity items exist hidden.
    std::array<QAction*, 4> sortMark{};
    std::array<QAction*, 4> sortPopularity{};
    QAction* sortByHits = nullptr;
    QAction* sortAscending = nullptr;
    QAction* removeDuplicates = nullptr;
    QAction* selectAll = nullptr;
    QAction* selectNone = nullptr;
    QAction* singleAdd = nullptr;
    QAction* singleAddByMarks = nullptr;
    QAction* singleDelete = nullptr;

    std::array<QAction*, 3> viewPage{};
    QAction* viewPercent = nullptr;

    // Index 0 one single per row, 1 one single per column.
    std::array<QAction*, 2> clipboardExport{};
    QAction* clipboardImport = nullptr;
    // The analysis window: what the list is worth under the vote rates.
    QAction* toolAnalysis = nullptr;
    // The ledger window: what the lists of every draw cost and won.
    QAction* toolLedger = nullptr;
    // The ways forward when a download fails: the schedule by hand, the addresses and the proxy.
    QAction* toolHandSchedule = nullptr;
    QAction* toolConnection = nullptr;
    // Puts back the overseas team-name file that the last update replaced; greyed while there
    // is none.
    QAction* toolRestoreTeamNames = nullptr;

    QAction* helpManual = nullptr;
    QAction* helpVersion = nullptr;

    // The check mark on the current page's item only.
    void markPage(int page) const;
    // The Edit menu's rules: estimate and popularity sorts need a vote record, the sort by hits
    // the check page, the selection, add and delete items the singles page.
    void applyEditRules(bool voteLoaded, int page) const;
    bool ascending() const;

private:
    void assignStandardKeys() const;
};
