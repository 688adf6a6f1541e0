#include "app/frmMain.h"

#include "app/CheckPage.h"
#include "app/DesktopAccess.h"
#include "app/DrawTexts.h"
#include "app/HomePage.h"
#include "app/PageBar.h"
#include "app/ProgramLogo.h"
#include "app/SinglesPage.h"
#include "app/WindowGeometry.h"
#include "app/clsShell.h"
#include "app/clsTMain.h"
#include "app/frmAbout.h"
#include "app/frmNumbers.h"
#include "app/frmTeamName.h"
#include "base/AppInfo.h"
#include "base/ErrorReporter.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "base/ProgramSettings.h"
#include "base/clsFileSystemObject.h"
#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"
#include "io/clsTFileCSV.h"
#include "results/clsTResultCheck.h"
#include "singles/DuplicateSingles.h"
#include "singles/SingleCodec.h"
#include "singles/clsTSingleSort.h"
#include "web/clsVantrelDownload.h"
#include "widgets/NumberBox.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVersionNumber>
#include <new>

namespace {

constexpr int TabStripWidth = 70;
constexpr int PageLeft = 71;

// The inner panels of the singles and check pages on a themed desktop.
const QColor InnerPanel(245, 245, 245);

QAction* addItem(QMenu* menu, const QString& text, const QString& name) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_resultCheck(std::make_unique<clsTResultCheck>()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(ProgramLogo::icon());
    createMenus();
    createContent();
}

frmMain::~frmMain() = default;

template <typename F> void frmMain::command(F&& body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        // The window has no reporter of its own; the error is shown in the run-time form.
        Platform::current().showMessage(ErrorReporter::runtimeErrorText(error), AppInfo::title(),
                                        MessageIcon::Error);
    } catch (const std::bad_alloc&) {
        const RuntimeError error(RuntimeError::OutOfMemory,
                                 QStringLiteral("メモリが不足しています。"));
        Platform::current().showMessage(ErrorReporter::runtimeErrorText(error), AppInfo::title(),
                                        MessageIcon::Error);
    }
}

QAction* frmMain::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void frmMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* fileNew = addItem(file, QStringLiteral("新規作成(&N)"), QStringLiteral("mnuFile_New"));
    QAction* fileOpen =
        addItem(file, QStringLiteral("開く(&O)..."), QStringLiteral("mnuFile_Open"));
    fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    QAction* fileSave =
        addItem(file, QStringLiteral("上書き保存(&S)"), QStringLiteral("mnuFile_Save"));
    fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(file, QStringLiteral("名前を付けて保存(&A)..."), QStringLiteral("mnuFile_SaveAs"));
    file->addSeparator();
    QAction* fileEnd = addItem(file, QStringLiteral("終了(&X)"), QStringLiteral("mnuFile_End"));
    connect(fileNew, &QAction::triggered, this, [this] { command([this] { FileNew(); }); });
    connect(fileOpen, &QAction::triggered, this, [this] { command([this] { FileOpen(); }); });
    connect(fileSave, &QAction::triggered, this, [this] { command([this] { FileSave(); }); });
    connect(action(QStringLiteral("mnuFile_SaveAs")), &QAction::triggered, this,
            [this] { command([this] { FileSaveAs(); }); });
    connect(fileEnd, &QAction::triggered, this, &frmMain::FileEnd);

    m_editMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    m_editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_sortMenu = m_editMenu->addMenu(QStringLiteral("シングル並べ替え(S)"));
    m_sortMenu->setObjectName(QStringLiteral("mnuEdit_Sort"));
    m_sortMenu->menuAction()->setObjectName(QStringLiteral("mnuEdit_Sort_Item"));
    const QStringList money = {QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"),
                               QStringLiteral("３等推定金額")};
    for (int i = 0; i < 3; ++i) {
        QAction* item =
            addItem(m_sortMenu, money[i], QStringLiteral("mnuEdit_Sort_Money_%1").arg(i));
        connect(item, &QAction::triggered, this,
                [this, i] { command([this, i] { Sort(SortKind::Estimate, i); }); });
    }
    m_sortMenu->addSeparator();
    // The design's placeholders get their captions at start; the fourth stays hidden.
    for (int i = 0; i < 4; ++i) {
        QAction* item = addItem(m_sortMenu, QStringLiteral("[%1]").arg(i),
                                QStringLiteral("mnuEdit_Sort_Mark_%1").arg(i));
        connect(item, &QAction::triggered, this,
                [this, i] { command([this, i] { Sort(SortKind::Mark, i); }); });
    }
    m_sortMenu->addSeparator();
    const QStringList ninki = {QStringLiteral("１番人気"), QStringLiteral("２番人気"),
                               QStringLiteral("３番人気"), QStringLiteral("４番人気")};
    for (int i = 0; i < 4; ++i) {
        QAction* item =
            addItem(m_sortMenu, ninki[i], QStringLiteral("mnuEdit_Sort_Ninki_%1").arg(i));
        connect(item, &QAction::triggered, this,
                [this, i] { command([this, i] { Sort(SortKind::Popularity, i); }); });
    }
    m_sortMenu->addSeparator();
    QAction* byHits =
        addItem(m_sortMenu, QStringLiteral("当せん数"), QStringLiteral("mnuEdit_Sort_Result"));
    connect(byHits, &QAction::triggered, this, [this] { command([this] { SortResult(); }); });
    m_sortMenu->addSeparator();
    QAction* order = addItem(m_sortMenu, QStringLiteral("昇順で並べ替える"),
                             QStringLiteral("mnuEdit_Sort_Order"));
    order->setCheckable(true);
    order->setChecked(true);

    m_editMenu->addSeparator();
    QAction* dedupe = addItem(m_editMenu, QStringLiteral("重複シングル削除"),
                              QStringLiteral("mnuEdit_JSingleDel"));
    connect(dedupe, &QAction::triggered, this, [this] { command([this] { RemoveDuplicates(); }); });
    m_editMenu->addSeparator();
    addItem(m_editMenu, QStringLiteral("全てのシングルを選択"), QStringLiteral("mnuEdit_Select_0"));
    addItem(m_editMenu, QStringLiteral("全てのシングル選択を解除"),
            QStringLiteral("mnuEdit_Select_1"));
    m_editMenu->addSeparator();
    addItem(m_editMenu, QStringLiteral("シングルを追加"), QStringLiteral("mnuEdit_SingleAdd"));
    QAction* add2 = addItem(m_editMenu, QStringLiteral("シングルを数値で追加"),
                            QStringLiteral("mnuEdit_SingleAdd2"));
    connect(add2, &QAction::triggered, this, [this] { command([this] { AddByMarks(); }); });
    addItem(m_editMenu, QStringLiteral("選択シングルを削除"), QStringLiteral("mnuEdit_SingleDel"));
    connect(m_editMenu, &QMenu::aboutToShow, this, &frmMain::applyEditMenuRules);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("mnuView"));
    const QStringList pages = {QStringLiteral("ホーム(&H)"), QStringLiteral("シングル(&S)"),
                               QStringLiteral("チェック(&C)")};
    for (int i = 0; i < 3; ++i) {
        QAction* item = addItem(view, pages[i], QStringLiteral("mnuView_Menu_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] {
            command([this, i] { ShowPage(i); });
            // A refused switch keeps the marks as they were.
            for (int p = 0; p < 3; ++p)
                action(QStringLiteral("mnuView_Menu_%1").arg(p))->setChecked(p == m_currentPage);
        });
    }
    view->addSeparator();
    QAction* percent = addItem(view, QStringLiteral("シングル構成を％で表示"),
                               QStringLiteral("mnuView_SinglePercent"));
    percent->setCheckable(true);
    connect(percent, &QAction::triggered, this, [this] { command([this] { TogglePercent(); }); });

    QMenu* tool = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    tool->setObjectName(QStringLiteral("mnuTool"));
    QMenu* copy = tool->addMenu(QStringLiteral("クリップボードにコピー"));
    copy->setObjectName(QStringLiteral("mnuTool_Clipboard"));
    const QList<QAction*> exports = {addItem(copy, QStringLiteral("買い目（１口が行）"),
                                             QStringLiteral("mnuTool_Clipboard_Class_3")),
                                     addItem(copy, QStringLiteral("買い目（１口が列）"),
                                             QStringLiteral("mnuTool_Clipboard_Class_4"))};
    for (int i = 0; i < 2; ++i)
        connect(exports[i], &QAction::triggered, this, [this, i] {
            command([this, i] { ClipboardExport(clsTClipboard::RowLayout + i); });
        });
    QMenu* import = tool->addMenu(QStringLiteral("クリップボードから取り込み"));
    import->setObjectName(QStringLiteral("mnuTool_ClipImport"));
    QAction* importRows = addItem(import, QStringLiteral("買い目（１口が行）"),
                                  QStringLiteral("mnuTool_ClipImport_Class_0"));
    connect(importRows, &QAction::triggered, this,
            [this] { command([this] { ClipboardImport(clsTClipImport::ClipboardText); }); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* version =
        addItem(help, QStringLiteral("バージョン情報(&A)..."), QStringLiteral("mnuHelp_Version"));
    connect(version, &QAction::triggered, this, [this] { command([this] { ShowAbout(); }); });

    // Creation: the mark sort items get their captions, and the fourth mark and popularity
    // items stay hidden.
    const QStringList marks = {QStringLiteral("ホーム勝ち"), QStringLiteral("その他"),
                               QStringLiteral("アウェイ勝ち")};
    for (int i = 0; i < 3; ++i)
        action(QStringLiteral("mnuEdit_Sort_Mark_%1").arg(i))->setText(marks[i]);
    action(QStringLiteral("mnuEdit_Sort_Mark_3"))->setVisible(false);
    action(QStringLiteral("mnuEdit_Sort_Ninki_3"))->setVisible(false);
}

void frmMain::createContent() {
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("FormScroller"));
    m_scroller->setWidgetResizable(true);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("picBase"));
    m_content->setMinimumSize(WindowGeometry::MinimumContent);
    m_scroller->setWidget(m_content);
    setCentralWidget(m_scroller);

    m_tabs = new TabStrip(m_content);
    m_tabs->setObjectName(QStringLiteral("imgMenu"));
    m_home = new HomePage(m_content);
    m_singlesPage = new SinglesPage(m_content);
    m_checkPage = new CheckPage(m_content);
    m_statusBar = new StatusBar(m_content);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_content->installEventFilter(this);
    layoutContent();

    connect(m_tabs, &TabStrip::tabClicked, this,
            [this](int page) { command([this, page] { ShowPage(page); }); });
    connect(m_home, &HomePage::scheduleLinkClicked, this,
            [this] { command([this] { OpenSalesSchedule(); }); });
    connect(m_singlesPage->cmdSingleAdd2, &QPushButton::clicked, this,
            [this] { command([this] { AddByMarks(); }); });
    connect(m_singlesPage->cmdSort, &QPushButton::clicked, this, &frmMain::showSortPopup);
    for (int i = 0; i < 3; ++i)
        connect(m_home->cmdOfficialDownload[static_cast<std::size_t>(i)], &QPushButton::clicked,
                this, [this, i] { command([this, i] { OfficialDownload(i); }); });
    connect(m_home->cmdVantrelDownload, &QPushButton::clicked, this,
            [this] { command([this] { VantrelDownload(); }); });
    connect(m_checkPage->cmdSortResult, &QPushButton::clicked, this,
            [this] { command([this] { SortResult(); }); });
    connect(m_checkPage->cmdResultViewNext, &QPushButton::clicked, this,
            [this] { command([this] { ShowNextResult(); }); });
    connect(m_checkPage->cmdResultViewAll, &QPushButton::clicked, this,
            [this] { command([this] { ShowAllResults(); }); });
    connect(m_home->cmdUser2, &QPushButton::clicked, this,
            [this] { command([this] { UserTeamNames(); }); });
}

void frmMain::layoutContent() {
    const QSize size = m_content->size();
    const int statusHeight = m_statusBar->height();
    const int pagesHeight = size.height() - statusHeight;
    m_tabs->setGeometry(0, 0, TabStripWidth, pagesHeight);
    for (QWidget* page : std::initializer_list<QWidget*>{m_home, m_singlesPage, m_checkPage})
        page->setGeometry(PageLeft, 0, size.width() - (PageLeft + 1), pagesHeight);
    m_statusBar->setGeometry(0, pagesHeight, size.width(), statusHeight);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_content && event->type() == QEvent::Resize)
        layoutContent();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::applyColourScheme() {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (QWidget* white :
         std::initializer_list<QWidget*>{m_content, m_tabs, m_home, m_home->picKaisai})
        setBackground(white, Qt::white);
    setBackground(m_singlesPage, buttonFace);
    setBackground(m_checkPage, buttonFace);
    // Qt always draws with a style, as a themed desktop does, so the inner panels take the
    // light grey of current systems.
    for (QWidget* inner : std::initializer_list<QWidget*>{
             m_singlesPage->picSingleBase, m_singlesPage->pageBar, m_checkPage->picResultBase,
             m_checkPage->picResultView, m_singlesPage->lblComment, m_checkPage->pageBar})
        setBackground(inner, InnerPanel);
    for (QCheckBox* box : m_content->findChildren<QCheckBox*>())
        setBackground(box, InnerPanel);
    setBackground(m_home->chkDownload, Qt::white);
    // On the white home page the check box shows the page itself.
    m_home->chkDownload->setAutoFillBackground(false);
}

void frmMain::placeWindow() {
    m_content->resize(WindowGeometry::MinimumContent);
    QScreen* screen = this->screen();
    // Frame: what the window adds around the content panel, the menu bar included.
    const QSize frame =
        (frameGeometry().size() - geometry().size()) + QSize(0, menuBar()->sizeHint().height());
    const QSize screenPixels = screen->size() * screen->devicePixelRatio();
    const QRect outer = WindowGeometry::place(screenPixels, screen->availableGeometry(),
                                              WindowGeometry::MinimumContent, frame);
    const QSize border = frameGeometry().size() - geometry().size();
    resize(outer.size() - border);
    move(outer.topLeft());
    m_placed = true;
}

void frmMain::Load() {
    applyColourScheme();

    const ProgramSettings settings = ProgramSettings::Load();
    m_kaisaikai = settings.Kaisaikai;
    m_home->chkDownload->setChecked(settings.DownloadMessage);
    m_checkPage->chkResultAll->setChecked(settings.ResultAll);

    m_vantrel = std::make_unique<clsVantrelDownload>();
    m_tmain = new clsTMain(this);
    m_tmain->Initialize(m_home->txtScheduleNo, m_home->cmbKumi, this);
    connect(m_tmain, &clsTMain::KaisaikaiChange, this, &frmMain::onKaisaikaiChange);

    placeWindow();

    const clsFileSystemObject fso;
    const QString userData = fso.GetFullPath(QStringLiteral("UserData/Kelvormini"));
    // A folder that cannot be created only leaves the file dialogs in their default folder.
    fso.FolderCheck(userData);
    m_userDataFolder = userData;

    ShowPage(0);
    m_home->lblVersion->setText(QStringLiteral("Version ") + versionText());
    refreshTitle();

    const QString number = QString::number(m_kaisaikai);
    const bool unchanged = m_home->txtScheduleNo->text() == number;
    m_home->txtScheduleNo->setText(number);
    m_home->txtScheduleNo->setSelection(0, 4);
    // Draw 0 is already in the box, so no change reloads it: show its (empty) state directly.
    if (unchanged)
        onKaisaikaiChange(m_kaisaikai, m_kumi);
}

QString frmMain::versionText() {
    const QVersionNumber version = QVersionNumber::fromString(AppInfo::version());
    return WindowGeometry::versionText(version.majorVersion(), version.minorVersion(),
                                       version.microVersion());
}

QString frmMain::salesScheduleUrl() {
    return QStringLiteral(
        "http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule");
}

QString frmMain::titleText() const {
    QString title = QStringLiteral(" Vantrel  ") + AppInfo::title();
    if (!m_currentFile.isEmpty())
        title += QStringLiteral(" - [") + QFileInfo(m_currentFile).fileName() + u']';
    return title;
}

void frmMain::refreshTitle() {
    setWindowTitle(titleText());
}

void frmMain::ShowPage(int page) {
    if (m_busy)
        return;
    if (page < 0 || page > 2)
        throw RuntimeError::subscriptOutOfRange();
    WaitCursor wait;
    m_currentPage = page;
    for (int p = 0; p < 3; ++p)
        action(QStringLiteral("mnuView_Menu_%1").arg(p))->setChecked(p == page);
    m_tabs->setCurrent(page);
    if (page == 0)
        refreshSchedulePanel();
    if (page == 2) {
        m_resultCheck->SetResultData(m_kaisaikai, m_kumi, m_result,
                                     m_checkPage->chkResultAll->isChecked());
        checkSingles();
        applyViewButtonRule();
    }
    const std::array<QWidget*, 3> pages = {m_home, m_singlesPage, m_checkPage};
    for (QWidget* p : pages)
        p->hide();
    pages[static_cast<std::size_t>(page)]->show();
}

void frmMain::refreshSchedulePanel() {
    QWidget* panel = m_home->picKaisai;
    if (m_schedule.Kaisaikai < 1) {
        panel->hide();
        return;
    }
    panel->show();
    const DateTime now = Platform::current().now();
    m_home->lblStatus->setText(DrawTexts::saleStatus(m_schedule, now));
    m_home->lblSaleStart->setText(DrawTexts::dateForm(m_schedule.SaleStart));
    m_home->lblSaleEnd->setText(DrawTexts::dateForm(m_schedule.SaleEnd));
    m_home->lblResultDate->setText(DrawTexts::dateForm(m_schedule.ResultDate));
}

void frmMain::onKaisaikaiChange(qint32 lngKaisaikai, const QString& strKumi) {
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_schedule = m_tmain->Schedule();
    m_vote = m_tmain->Vote();
    m_result = m_tmain->Result();
    m_drawLabel = DrawTexts::drawLabel(lngKaisaikai, strKumi);
    m_statusBar->setText(DrawTexts::votePrefix(m_vote) + m_drawLabel);
    refreshSchedulePanel();
    refreshDownloadButtons();
}

void frmMain::refreshDownloadButtons() {
    m_home->cmdOfficialDownload[0]->setEnabled(!m_tmain->CheckScheduleFile());
    m_home->cmdOfficialDownload[1]->setEnabled(!m_tmain->CheckVoteFile());
    m_home->cmdOfficialDownload[2]->setEnabled(!m_tmain->CheckResultFile());
}

void frmMain::OfficialDownload(int index) {
    if (m_busy)
        return;
    // An empty box (-1) has no draw to download either; without this the controllers would
    // answer with a download failure that never was attempted.
    if (m_kaisaikai <= 0) {
        Platform::current().showMessage(QStringLiteral("開催回を設定して下さい"), AppInfo::title(),
                                        MessageIcon::Information);
    } else {
        const bool confirm = m_home->chkDownload->isChecked();
        if (index == 0)
            m_tmain->GetSchedule(confirm);
        else if (index == 1)
            m_tmain->GetVote(confirm);
        else
            m_tmain->GetResult(confirm);
    }
    refreshDownloadButtons();
}

void frmMain::VantrelDownload() {
    if (m_busy)
        return;
    if (!clsShell().CheckVirtualstoreAdmin())
        return;
    const bool confirm = m_home->chkDownload->isChecked();
    if (m_vantrel->DownloadTeamName2(this, confirm))
        m_tmain->ScheduleInitialize();
}

void frmMain::UserTeamNames() {
    frmTeamName::ShowDialog(this);
    m_tmain->ScheduleInitialize();
}

void frmMain::checkSingles() {
    m_busy = true;
    m_resultCheck->SetSingle(static_cast<qint32>(m_singles.size()), m_singles);
    m_busy = false;
}

void frmMain::applyViewButtonRule() {
    const bool more = m_result.Kaisaikai > 0 && !m_resultCheck->FullResult();
    m_checkPage->cmdResultViewAll->setEnabled(more);
    m_checkPage->cmdResultViewNext->setEnabled(more);
}

void frmMain::ShowNextResult() {
    m_resultCheck->SetNextData();
    applyViewButtonRule();
}

void frmMain::ShowAllResults() {
    m_resultCheck->SetAlltData();
    applyViewButtonRule();
}

void frmMain::SortResult() {
    if (m_singles.empty())
        return;
    const bool ascending = action(QStringLiteral("mnuEdit_Sort_Order"))->isChecked();
    m_resultCheck->GradeSort(m_singles, ascending);
    checkSingles();
}

void frmMain::applyEditMenuRules() {
    const bool voteLoaded = m_vote.Kaisaikai != 0;
    for (int i = 0; i < 3; ++i) {
        action(QStringLiteral("mnuEdit_Sort_Money_%1").arg(i))->setEnabled(voteLoaded);
        action(QStringLiteral("mnuEdit_Sort_Ninki_%1").arg(i))->setEnabled(voteLoaded);
    }
    action(QStringLiteral("mnuEdit_Sort_Result"))->setEnabled(m_currentPage == 2);
    const bool singlesPage = m_currentPage == 1;
    for (const char16_t* name : {u"mnuEdit_Select_0", u"mnuEdit_Select_1", u"mnuEdit_SingleAdd",
                                 u"mnuEdit_SingleAdd2", u"mnuEdit_SingleDel"})
        action(QString::fromUtf16(name))->setEnabled(singlesPage);
}

void frmMain::showSortPopup() {
    applyEditMenuRules();
    m_sortMenu->popup(QCursor::pos());
}

void frmMain::FileNew() {
    ShowPage(0);
    clearList();
    refreshTitle();
}

void frmMain::FileEnd() {
    close();
}

namespace {
const QString CsvFilter = QStringLiteral("CSVファイル(*.csv)");
} // namespace

void frmMain::FileOpen() {
    clsTFileCSV csv;
    const QString suggested = csv.GetCsvFileName(m_kaisaikai, m_kumi);
    QString path = DesktopAccess::current().openFileName(this, QStringLiteral("ファイルを開く"),
                                                         CsvFilter, m_userDataFolder, suggested);
    if (path.isEmpty())
        return;
    path = clsFileSystemObject().ExtensionCheck(path, QStringLiteral("csv"));
    clearList();

    m_busy = true;
    qint32 count = 0;
    std::vector<qint32> singles;
    try {
        // A load that fails leaves the list empty; the file still becomes the current one.
        if (csv.CsvLoad(path, count, singles)) {
            singles.resize(static_cast<std::size_t>(count));
            m_singles = std::move(singles);
            recomputeFrame();
        }
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_busy = false;

    const qint32 number = csv.GetKaisaikai(path);
    if (number > 0)
        m_tmain->SetKaisaikai(number);
    ShowPage(1);
    m_currentFile = path;
    refreshTitle();
}

void frmMain::saveTo(const QString& path) {
    clsTFileCSV csv;
    m_busy = true;
    try {
        csv.CsvSave(path, static_cast<qint32>(m_singles.size()), m_singles);
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_busy = false;
}

void frmMain::FileSave() {
    if (m_currentFile.isEmpty()) {
        FileSaveAs();
        return;
    }
    saveTo(m_currentFile);
}

void frmMain::FileSaveAs() {
    const QString suggested =
        m_currentFile.isEmpty() ? clsTFileCSV().GetCsvFileName(m_kaisaikai, m_kumi) : m_currentFile;
    QString path = DesktopAccess::current().saveFileName(this, QStringLiteral("名前を付けて保存"),
                                                         CsvFilter, m_userDataFolder, suggested);
    if (path.isEmpty())
        return;
    path = clsFileSystemObject().ExtensionCheck(path, QStringLiteral("csv"));
    saveTo(path);
    m_currentFile = path;
    refreshTitle();
}

void frmMain::Sort(SortKind kind, int index) {
    if (m_singles.empty())
        return;
    clsTSingleSort sorter;
    sorter.SetVoteData(m_vote);
    const bool ascending = action(QStringLiteral("mnuEdit_Sort_Order"))->isChecked();
    switch (kind) {
    case SortKind::Estimate:
        sorter.MoneySort(m_singles, index, ascending);
        break;
    case SortKind::Mark:
        sorter.MarkSort(m_singles, index, ascending);
        break;
    case SortKind::Popularity:
        sorter.NinkiSort(m_singles, index, ascending);
        break;
    }
    if (m_currentPage == 1 || m_currentPage == 2)
        ShowPage(m_currentPage);
}

void frmMain::ClipboardExport(int index) {
    clsTClipboard exporter;
    exporter.Copy(index, static_cast<qint32>(m_singles.size()), m_singles,
                  DesktopAccess::current().setClipboardText);
}

void frmMain::ClipboardImport(int index) {
    std::vector<qint32> singles;
    qint32 count = 0;
    {
        WaitCursor wait;
        const QString text = index == clsTClipImport::ClipboardText
                                 ? DesktopAccess::current().clipboardText()
                                 : QString();
        count = clsTClipImport().Import(index, text, singles);
    }
    if (count <= 0)
        return;
    setSingleList(std::move(singles));
    ShowPage(2);
    Platform::current().showMessage(QString::number(count) + QStringLiteral("口取り込みしました"),
                                    AppInfo::title(), MessageIcon::Information);
}

void frmMain::clearList() {
    m_singles.clear();
    m_singleFrame = SingleFrame{};
    m_showZero = {};
    m_resultCheck->Clear();
    m_currentFile.clear();
}

void frmMain::recomputeFrame() {
    clsTSingleFrame frame;
    frame.GetSingleFrame(static_cast<qint32>(m_singles.size()), m_singles, m_singleFrame);
}

void frmMain::setSingleList(std::vector<qint32> singles) {
    m_singles = std::move(singles);
    m_busy = true;
    recomputeFrame();
    m_busy = false;
}

void frmMain::RemoveDuplicates() {
    WaitCursor wait;
    if (m_singles.empty())
        return;
    const auto oldCount = static_cast<qint64>(m_singles.size());
    std::vector<qint32> survivors = DuplicateSingles::removeDuplicates(m_singles);
    if (static_cast<qint64>(survivors.size()) == oldCount) {
        Platform::current().showMessage(QStringLiteral("重複したシングルは存在しません"),
                                        AppInfo::title(), MessageIcon::Information);
    } else {
        const auto newCount = static_cast<qint64>(survivors.size());
        setSingleList(std::move(survivors));
        Platform::current().showMessage(
            QStringLiteral("重複したシングルを消去しました\r\nシングル総数：") +
                NumberFormat::format(oldCount, QStringLiteral("#,##0")) + QStringLiteral(" → ") +
                NumberFormat::format(newCount, QStringLiteral("#,##0")),
            AppInfo::title(), MessageIcon::Information);
    }
    ShowPage(2);
}

void frmMain::AddByMarks() {
    const QString marks = frmNumbers::ShowDialog(this);
    if (marks.isEmpty())
        return;
    SingleCodec::Marks kousei{};
    for (int k = 0; k < SingleCodec::MatchCount; ++k)
        kousei[static_cast<std::size_t>(k)] = static_cast<quint8>(marks.at(k).unicode() - u'0');
    std::vector<qint32> singles = m_singles;
    singles.push_back(SingleCodec::encode(kousei));
    setSingleList(std::move(singles));
}

void frmMain::TogglePercent() {
    m_showPercent = action(QStringLiteral("mnuView_SinglePercent"))->isChecked();
}

void frmMain::OpenSalesSchedule() {
    DesktopAccess::current().openUrl(QUrl(salesScheduleUrl()));
}

void frmMain::ShowAbout() {
    frmAbout::ShowForm(this, versionText());
}

void frmMain::writeSettings() {
    ProgramSettings settings;
    settings.Kaisaikai = m_kaisaikai;
    settings.DownloadMessage = m_home->chkDownload->isChecked();
    settings.ResultAll = m_checkPage->chkResultAll->isChecked();
    settings.Save();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}
