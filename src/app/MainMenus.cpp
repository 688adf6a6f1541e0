#include "app/MainMenus.h"

#include "drawdata/TeamName2Files.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <utility>

namespace {

QMenu* addMenu(QMenuBar* bar, const QString& text, const QString& name) {
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(name);
    return menu;
}

QAction* addItem(QMenu* menu, const QString& text, const QString& name) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

template <std::size_t N>
std::array<QAction*, N> addItems(QMenu* menu, const QStringList& texts, const QString& name) {
    std::array<QAction*, N> items{};
    for (std::size_t i = 0; i < N; ++i)
        items[i] = addItem(menu, texts.at(static_cast<qsizetype>(i)), name.arg(i));
    return items;
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar) {
    QMenu* file = addMenu(bar, QStringLiteral("ファイル(&F)"), QStringLiteral("mnuFile"));
    fileNew = addItem(file, QStringLiteral("新規作成(&N)"), QStringLiteral("mnuFile_New"));
    fileOpen = addItem(file, QStringLiteral("開く(&O)..."), QStringLiteral("mnuFile_Open"));
    fileSavedPage = addItem(file, QStringLiteral("保存したページから読み込み..."),
                            QStringLiteral("mnuFile_SavedPage"));
    file->addSeparator();
    fileSave = addItem(file, QStringLiteral("上書き保存(&S)"), QStringLiteral("mnuFile_Save"));
    fileSaveAs =
        addItem(file, QStringLiteral("名前を付けて保存(&A)..."), QStringLiteral("mnuFile_SaveAs"));
    file->addSeparator();
    fileEnd = addItem(file, QStringLiteral("終了(&X)"), QStringLiteral("mnuFile_End"));

    editMenu = addMenu(bar, QStringLiteral("編集(&E)"), QStringLiteral("mnuEdit"));
    // The caption shows its key: 「シングル並べ替え(S)」, S underlined.
    sortMenu = editMenu->addMenu(QStringLiteral("シングル並べ替え(&S)"));
    sortMenu->setObjectName(QStringLiteral("mnuEdit_Sort"));
    sortMenu->menuAction()->setObjectName(QStringLiteral("mnuEdit_Sort_Item"));
    sortEstimate = addItems<3>(sortMenu,
                               {QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"),
                                QStringLiteral("３等推定金額")},
                               QStringLiteral("mnuEdit_Sort_Money_%1"));
    sortMenu->addSeparator();
    sortMark = addItems<4>(sortMenu,
                           {QStringLiteral("ホーム勝ち"), QStringLiteral("その他"),
                            QStringLiteral("アウェイ勝ち"), QStringLiteral("[3]")},
                           QStringLiteral("mnuEdit_Sort_Mark_%1"));
    sortMark[3]->setVisible(false);
    sortMenu->addSeparator();
    sortPopularity = addItems<4>(sortMenu,
                                 {QStringLiteral("１番人気"), QStringLiteral("２番人気"),
                                  QStringLiteral("３番人気"), QStringLiteral("４番人気")},
                                 QStringLiteral("mnuEdit_Sort_Ninki_%1"));
    sortPopularity[3]->setVisible(false);
    sortMenu->addSeparator();
    sortByHits =
        addItem(sortMenu, QStringLiteral("当せん数"), QStringLiteral("mnuEdit_Sort_Result"));
    sortMenu->addSeparator();
    sortAscending =
        addItem(sortMenu, QStringLiteral("昇順で並べ替える"), QStringLiteral("mnuEdit_Sort_Order"));
    sortAscending->setCheckable(true);
    sortAscending->setChecked(true);
    editMenu->addSeparator();
    removeDuplicates =
        addItem(editMenu, QStringLiteral("重複シングル削除"), QStringLiteral("mnuEdit_JSingleDel"));
    editMenu->addSeparator();
    selectAll = addItem(editMenu, QStringLiteral("全てのシングルを選択"),
                        QStringLiteral("mnuEdit_Select_0"));
    selectNone = addItem(editMenu, QStringLiteral("全てのシングル選択を解除"),
                         QStringLiteral("mnuEdit_Select_1"));
    editMenu->addSeparator();
    singleAdd =
        addItem(editMenu, QStringLiteral("シングルを追加"), QStringLiteral("mnuEdit_SingleAdd"));
    singleAddByMarks = addItem(editMenu, QStringLiteral("シングルを数値で追加"),
                               QStringLiteral("mnuEdit_SingleAdd2"));
    singleDelete = addItem(editMenu, QStringLiteral("選択シングルを削除"),
                           QStringLiteral("mnuEdit_SingleDel"));

    QMenu* view = addMenu(bar, QStringLiteral("表示(&V)"), QStringLiteral("mnuView"));
    viewPage = addItems<3>(view,
                           {QStringLiteral("ホーム(&H)"), QStringLiteral("シングル(&S)"),
                            QStringLiteral("チェック(&C)")},
                           QStringLiteral("mnuView_Menu_%1"));
    for (QAction* item : viewPage)
        item->setCheckable(true);
    view->addSeparator();
    viewPercent = addItem(view, QStringLiteral("シングル構成を％で表示"),
                          QStringLiteral("mnuView_SinglePercent"));
    viewPercent->setCheckable(true);

    QMenu* tool = addMenu(bar, QStringLiteral("ツール(&T)"), QStringLiteral("mnuTool"));
    QMenu* copy = tool->addMenu(QStringLiteral("クリップボードにコピー"));
    copy->setObjectName(QStringLiteral("mnuTool_Clipboard"));
    clipboardExport = {addItem(copy, QStringLiteral("買い目（１口が行）"),
                               QStringLiteral("mnuTool_Clipboard_Class_3")),
                       addItem(copy, QStringLiteral("買い目（１口が列）"),
                               QStringLiteral("mnuTool_Clipboard_Class_4"))};
    QMenu* import = tool->addMenu(QStringLiteral("クリップボードから取り込み"));
    import->setObjectName(QStringLiteral("mnuTool_ClipImport"));
    clipboardImport = addItem(import, QStringLiteral("買い目（１口が行）"),
                              QStringLiteral("mnuTool_ClipImport_Class_0"));
    tool->addSeparator();
    toolAnalysis = addItem(tool, QStringLiteral("分析..."), QStringLiteral("mnuTool_Analysis"));
    toolLedger = addItem(tool, QStringLiteral("収支..."), QStringLiteral("mnuTool_Ledger"));
    tool->addSeparator();
    toolHandSchedule = addItem(tool, QStringLiteral("開催情報を手入力..."),
                               QStringLiteral("mnuTool_HandSchedule"));
    toolConnection =
        addItem(tool, QStringLiteral("接続設定..."), QStringLiteral("mnuTool_Connection"));
    toolRestoreTeamNames = addItem(tool, QStringLiteral("海外チーム名を元に戻す"),
                                   QStringLiteral("mnuTool_RestoreTeamNames"));
    QObject::connect(
        tool, &QMenu::aboutToShow, toolRestoreTeamNames,
        [item = toolRestoreTeamNames] { item->setEnabled(TeamName2Files::HasPrevious()); });

    QMenu* help = addMenu(bar, QStringLiteral("ヘルプ(&H)"), QStringLiteral("mnuHelp"));
    helpManual = addItem(help, QStringLiteral("使い方"), QStringLiteral("mnuHelp_Manual"));
    help->addSeparator();
    helpVersion =
        addItem(help, QStringLiteral("バージョン情報(&A)..."), QStringLiteral("mnuHelp_Version"));
    assignStandardKeys();
}

// The desktop's own keys for the commands that have one (none where the desktop defines none).
void MainMenus::assignStandardKeys() const {
    const std::pair<QAction*, QKeySequence::StandardKey> keys[] = {
        {fileNew, QKeySequence::New},           {fileOpen, QKeySequence::Open},
        {fileSave, QKeySequence::Save},         {fileSaveAs, QKeySequence::SaveAs},
        {fileEnd, QKeySequence::Quit},          {selectAll, QKeySequence::SelectAll},
        {selectNone, QKeySequence::Deselect},   {clipboardExport[0], QKeySequence::Copy},
        {clipboardImport, QKeySequence::Paste}, {helpManual, QKeySequence::HelpContents},
    };
    for (const auto& [item, key] : keys)
        item->setShortcuts(key);
}

void MainMenus::markPage(int page) const {
    for (std::size_t p = 0; p < viewPage.size(); ++p)
        viewPage[p]->setChecked(static_cast<int>(p) == page);
}

void MainMenus::applyEditRules(bool voteLoaded, int page) const {
    for (std::size_t i = 0; i < 3; ++i) {
        sortEstimate[i]->setEnabled(voteLoaded);
        sortPopularity[i]->setEnabled(voteLoaded);
    }
    sortByHits->setEnabled(page == 2);
    for (QAction* item : {selectAll, selectNone, singleAdd, singleAddByMarks, singleDelete})
        item->setEnabled(page == 1);
}

bool MainMenus::ascending() const {
    return sortAscending->isChecked();
}
