#pragma once

#include "analysis/Ledger.h"
#include "io/LedgerSettings.h"

#include <QWidget>

class frmMain;
class QChartView;
class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// The ledger window (収支): one row per singles file of the singles folder and the folders the
// user adds, grouped by draw with the newest first; what each list cost and won, the totals, a
// chart of the net by draw and its running total. Not modal; it follows the folders and the
// stored results as they change.
class frmLedger : public QWidget {
    Q_OBJECT

public:
    explicit frmLedger(QWidget* owner);

    // The main window's ledger window, made on first use and brought to the front; a
    // double-click opens the draw and its list there, as ファイル > 開く... does after its dialog.
    static void ShowFor(frmMain& main);

    // Lists the files again (a change of a watched folder does it by itself).
    void Refresh();
    const Ledger& ledger() const { return m_ledger; }

    QLabel* lblWarning;
    QTableWidget* grdLedger;
    QLabel* lblTotals;
    QChartView* chtNet;
    QPushButton* cmdAddFolder;
    QPushButton* cmdRemoveFolder;
    QPushButton* cmdExclude;
    QPushButton* cmdFetch;
    QPushButton* cmdExport;

Q_SIGNALS:
    // A row was double-clicked: the main window opens the draw and the list.
    void OpenDraw(qint32 lngKaisaikai, const QString& strPath);

private:
    void addFolder();
    void removeFolder();
    void toggleExcluded();
    void fetchResults();
    void exportCsv();
    void rowActivated(int row);
    void saveSettings();
    void watchFolders();
    void showRows();
    void showChart();
    QStringList folders() const;
    const LedgerRow* selectedRow() const;

    LedgerBuilder m_builder;
    LedgerSettings m_settings;
    Ledger m_ledger;
    QFileSystemWatcher* m_watcher;
    QTimer* m_refreshTimer;
};
