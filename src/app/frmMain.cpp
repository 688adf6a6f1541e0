#include "app/frmMain.h"

#include "app/CheckPage.h"
#include "app/CommandGuard.h"
#include "app/ContentScroller.h"
#include "app/DesktopAccess.h"
#include "app/DrawTexts.h"
#include "app/HomePage.h"
#include "app/ListEdits.h"
#include "app/MainContent.h"
#include "app/MainMenus.h"
#include "app/ProgramLogo.h"
#include "app/SingleListFile.h"
#include "app/SinglesPage.h"
#include "app/TeamNameCommands.h"
#include "app/WaysForward.h"
#include "app/WindowFit.h"
#include "app/WindowGeometry.h"
#include "app/WindowPlaces.h"
#include "app/clsTMain.h"
#include "app/frmAbout.h"
#include "app/frmAnalysis.h"
#include "app/frmLedger.h"
#include "app/frmManual.h"
#include "app/frmNumbers.h"
#include "base/AppInfo.h"
#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/ProgramSettings.h"
#include "base/clsFileSystemObject.h"
#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"
#include "io/clsTFileCSV.h"
#include "results/clsTResultCheck.h"
#include "singles/SingleList.h"
#include "widgets/NumberBox.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_menus(std::make_unique<const MainMenus>(menuBar())),
      m_list(new SingleList(this)), m_guard(std::make_unique<CommandGuard>(*m_list)),
      m_listFile(std::make_unique<SingleListFile>(this, *m_list)),
      m_edits(std::make_unique<ListEdits>(*m_list)), m_tmain(new clsTMain(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(ProgramLogo::icon());
    connectMenus();
    m_ways = std::make_unique<WaysForward>(this, *m_menus, *m_guard);
    createContent();
    connectPages();
    connect(m_list, &SingleList::fileStateChanged, this, &frmMain::refreshTitle);
}

frmMain::~frmMain() = default;

template <typename F> void frmMain::command(F&& body) {
    m_guard->run(std::forward<F>(body));
}

template <typename Sender, typename Signal, typename F>
void frmMain::runOn(Sender* sender, Signal signal, F body) {
    connect(sender, signal, this, [this, body] { command(body); });
}

void frmMain::connectMenus() {
    const MainMenus& m = *m_menus;
    runOn(m.fileNew, &QAction::triggered, [this] { FileNew(); });
    runOn(m.fileOpen, &QAction::triggered, [this] { FileOpen(); });
    runOn(m.fileSave, &QAction::triggered, [this] { FileSave(); });
    runOn(m.fileSaveAs, &QAction::triggered, [this] { FileSaveAs(); });
    connect(m.fileEnd, &QAction::triggered, this, &frmMain::FileEnd);

    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        runOn(m.sortEstimate[at], &QAction::triggered, [this, i] { Sort(SortKind::Estimate, i); });
        runOn(m.sortMark[at], &QAction::triggered, [this, i] { Sort(SortKind::Mark, i); });
        runOn(m.sortPopularity[at], &QAction::triggered,
              [this, i] { Sort(SortKind::Popularity, i); });
    }
    runOn(m.sortByHits, &QAction::triggered, [this] { SortResult(); });
    runOn(m.removeDuplicates, &QAction::triggered, [this] { RemoveDuplicates(); });
    runOn(m.singleAddByMarks, &QAction::triggered, [this] { AddByMarks(); });
    runOn(m.selectAll, &QAction::triggered, [this] { m_singlesPage->selectAll(true); });
    runOn(m.selectNone, &QAction::triggered, [this] { m_singlesPage->selectAll(false); });
    runOn(m.singleAdd, &QAction::triggered, [this] { m_singlesPage->addSingle(); });
    runOn(m.singleDelete, &QAction::triggered, [this] { m_singlesPage->deleteSelected(); });
    connect(m.editMenu, &QMenu::aboutToShow, this, &frmMain::applyEditMenuRules);

    for (int i = 0; i < 3; ++i)
        connect(m.viewPage[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] {
            command([this, i] { ShowPage(i); });
            // A refused switch keeps the marks as they were.
            m_menus->markPage(m_currentPage);
        });
    runOn(m.viewPercent, &QAction::triggered, [this] { TogglePercent(); });

    for (int i = 0; i < 2; ++i)
        runOn(m.clipboardExport[static_cast<std::size_t>(i)], &QAction::triggered,
              [this, i] { ClipboardExport(clsTClipboard::RowLayout + i); });
    runOn(m.clipboardImport, &QAction::triggered,
          [this] { ClipboardImport(clsTClipImport::ClipboardText); });
    runOn(m.toolAnalysis, &QAction::triggered, [this] { ShowAnalysis(); });
    runOn(m.toolLedger, &QAction::triggered, [this] { frmLedger::ShowFor(*this); });
    runOn(m.helpManual, &QAction::triggered, [this] { frmManual::showFor(this); });
    runOn(m.helpVersion, &QAction::triggered, [this] { ShowAbout(); });
}

void frmMain::createContent() {
    m_scroller = new ContentScroller(this);
    m_scroller->setWidgetResizable(true);
    m_scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes through the pages' controls, never to the scroll area around them.
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_content = new MainContent(*m_list);
    m_scroller->setWidget(m_content);
    setCentralWidget(m_scroller);
    m_home = m_content->home();
    m_singlesPage = m_content->singlesPage();
    m_checkPage = m_content->checkPage();
    m_statusBar = m_content->statusBar();
}

void frmMain::connectPages() {
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages as the tab strip does.
    for (const auto& turning :
         {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, 2}}) {
        auto* turn = new QAction(this);
        turn->setShortcuts(turning.first);
        addAction(turn);
        runOn(turn, &QAction::triggered,
              [this, step = turning.second] { ShowPage((m_currentPage + step) % 3); });
    }
    connect(m_content->tabs(), &TabStrip::tabClicked, this,
            [this](int page) { command([this, page] { ShowPage(page); }); });
    runOn(m_home, &HomePage::scheduleLinkClicked, [this] { OpenSalesSchedule(); });
    connect(m_home, &HomePage::officialDownloadClicked, this,
            [this](int i) { command([this, i] { OfficialDownload(i); }); });
    runOn(m_singlesPage, &SinglesPage::addByMarksClicked, [this] { AddByMarks(); });
    runOn(m_singlesPage, &SinglesPage::addClicked, [this] { m_singlesPage->addSingle(); });
    runOn(m_singlesPage, &SinglesPage::deleteClicked, [this] { m_singlesPage->deleteSelected(); });
    connect(m_singlesPage, &SinglesPage::sortClicked, this, &frmMain::showSortPopup);
    runOn(m_checkPage, &CheckPage::sortByHitsClicked, [this] { SortResult(); });
    runOn(m_checkPage, &CheckPage::showNextClicked, [this] { ShowNextResult(); });
    runOn(m_checkPage, &CheckPage::showAllClicked, [this] { ShowAllResults(); });
    connect(m_checkPage, &CheckPage::Checked, this, &frmMain::analysisFollowMarks);
}

void frmMain::placeWindow() {
    m_content->resize(WindowGeometry::MinimumContent);
    if (!WindowPlaces::restore(this, QStringLiteral("main")))
        WindowFit::apply(this, WindowGeometry::MinimumContent, menuBar()->sizeHint().height());
}

void frmMain::Load() {
    m_content->applyColourScheme();

    const ProgramSettings settings = ProgramSettings::Load();
    m_kaisaikai = settings.Kaisaikai;
    m_home->setConfirmDownloads(settings.DownloadMessage);
    m_checkPage->setShowAllAlways(settings.ResultAll);

    m_teamNames = std::make_unique<TeamNameCommands>(this, *m_menus, *m_guard, *m_home);
    connect(m_teamNames.get(), &TeamNameCommands::Changed, this, [this] {
        m_tmain->ScheduleInitialize();
        analysisFollowDraw();
    });
    m_tmain->Initialize(m_home->drawNumberBox(), m_home->groupSelector(), this);
    connect(m_tmain, &clsTMain::KaisaikaiChange, this, &frmMain::onKaisaikaiChange);

    placeWindow();

    // Portable: the user's files beside the program; installed: in the user's documents.
    const QString userData = Platform::current().userDataFolder();
    // A folder that cannot be created only leaves the file dialogs in their default folder.
    clsFileSystemObject().FolderCheck(userData);
    m_userDataFolder = userData;
    m_listFile->setFolder(userData);

    ShowPage(0);
    m_home->setVersionText(WindowGeometry::programVersionText());
    refreshTitle();

    NumberBox* box = m_home->drawNumberBox();
    const QString number = QString::number(m_kaisaikai);
    const bool unchanged = box->text() == number;
    box->setText(number);
    box->setSelection(0, 4);
    // Draw 0 is already in the box, so no change reloads it: show its (empty) state directly.
    if (unchanged)
        onKaisaikaiChange(m_kaisaikai, m_kumi);
}

QString frmMain::salesScheduleUrl() {
    return OfficialUrlSettings::current().bigOfficialSalesScheduleUrl;
}

QWidget* frmMain::contentPanel() const {
    return m_content;
}

const QString& frmMain::currentFile() const {
    return m_list->currentFile();
}

const std::vector<qint32>& frmMain::singles() const {
    return m_list->singles();
}

const SingleFrame& frmMain::singleFrame() const {
    return m_list->frame();
}

QString frmMain::titleText() const {
    QString title = QStringLiteral(" Vantrel  ") + AppInfo::title();
    if (!m_list->currentFile().isEmpty())
        title += QStringLiteral(" - [") + QFileInfo(m_list->currentFile()).fileName() + u']';
    return title;
}

void frmMain::refreshTitle() {
    setWindowTitle(titleText());
}

void frmMain::ShowPage(int page) {
    if (page < 0 || page > 2)
        throw RuntimeError::subscriptOutOfRange();
    WaitCursor wait;
    m_currentPage = page;
    m_menus->markPage(page);
    applyEditMenuRules();
    if (page == 0)
        refreshSchedulePanel();
    if (page == 1)
        m_singlesPage->showDraw(m_tmain->Schedule(), m_tmain->Vote());
    if (page == 2)
        m_checkPage->showDraw(m_kaisaikai, m_kumi, m_tmain->Schedule(), m_tmain->Vote(),
                              m_tmain->Result());
    m_content->showOnly(page);
    // The keyboard works the singles at once.
    if (page == 1)
        m_singlesPage->focusMarks();
}

void frmMain::refreshSchedulePanel() {
    m_home->showSchedule(m_tmain->Schedule(), Platform::current().now());
}

void frmMain::onKaisaikaiChange(qint32 lngKaisaikai, const QString& strKumi) {
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_drawLabel = DrawTexts::drawLabel(lngKaisaikai, strKumi);
    m_statusBar->setText(DrawTexts::votePrefix(m_tmain->Vote()) + m_drawLabel);
    refreshSchedulePanel();
    refreshDownloadButtons();
    analysisFollowDraw();
    analysisFollowMarks();
}

void frmMain::refreshDownloadButtons() {
    for (int i = 0; i < 3; ++i)
        m_home->setDownloadState(i, m_tmain->DownloadStateOf(i));
}

void frmMain::OfficialDownload(int index) {
    m_tmain->Download(index, m_home->confirmDownloads());
    refreshDownloadButtons();
    analysisFollowDraw();
}

void frmMain::ShowNextResult() {
    m_checkPage->showNextResult();
}

void frmMain::ShowAllResults() {
    m_checkPage->showAllResults();
}

void frmMain::SortResult() {
    m_checkPage->sortByHits(m_menus->ascending());
}

void frmMain::applyEditMenuRules() {
    m_menus->applyEditRules(m_tmain->Vote().Kaisaikai != 0, m_currentPage);
}

void frmMain::showSortPopup(QPoint place) {
    applyEditMenuRules();
    m_menus->sortMenu->popup(place);
}

void frmMain::FileNew() {
    if (!mayDropList())
        return;
    ShowPage(0);
    m_list->clear();
}

void frmMain::FileEnd() {
    close();
}

QString frmMain::draftFileName() const {
    return clsTFileCSV().GetCsvFileName(m_kaisaikai, m_kumi);
}

bool frmMain::mayDropList() {
    return m_listFile->mayDrop(draftFileName());
}

void frmMain::FileOpen() {
    if (!mayDropList())
        return;
    const QString path = m_listFile->askOpenPath(draftFileName());
    if (!path.isEmpty())
        loadList(path);
}

void frmMain::openList(const QString& path) {
    if (mayDropList())
        loadList(path);
}

void frmMain::loadList(const QString& path) {
    // A refused file changes nothing; a failed load leaves the list empty, and the draw of the
    // file name is loaded even so.
    if (m_listFile->open(path) == SingleListFile::Opened::Refused)
        return;
    const qint32 number = clsTFileCSV().GetKaisaikai(path);
    if (number > 0)
        m_tmain->SetKaisaikai(number);
    ShowPage(1);
}

bool frmMain::FileSave() {
    return m_listFile->save(draftFileName());
}

bool frmMain::FileSaveAs() {
    return m_listFile->saveAs(draftFileName());
}

void frmMain::Sort(SortKind kind, int index) {
    if (m_edits->sort(kind, index, m_tmain->Vote(), m_menus->ascending()) &&
        (m_currentPage == 1 || m_currentPage == 2))
        ShowPage(m_currentPage);
}

void frmMain::ClipboardExport(int index) {
    m_listFile->exportText(index);
}

void frmMain::ClipboardImport(int index) {
    const qint32 count = m_listFile->importText(index, draftFileName());
    if (count <= 0)
        return;
    ShowPage(2);
    Platform::current().showMessage(QString::number(count) + QStringLiteral("口取り込みしました"),
                                    AppInfo::title(), MessageIcon::Information);
}

void frmMain::setSingleList(std::vector<qint32> singles) {
    m_list->replace(std::move(singles));
}

void frmMain::RemoveDuplicates() {
    if (m_edits->removeDuplicates())
        ShowPage(2);
}

void frmMain::AddByMarks() {
    const QString marks = frmNumbers::ShowDialog(this);
    if (!marks.isEmpty())
        m_singlesPage->addMarks(marks);
}

void frmMain::TogglePercent() {
    m_showPercent = m_menus->viewPercent->isChecked();
    m_singlesPage->setPercent(m_showPercent);
    m_checkPage->setPercent(m_showPercent);
}

void frmMain::OpenSalesSchedule() {
    DesktopAccess::openLink(QUrl(salesScheduleUrl()));
}

void frmMain::ShowAbout() {
    frmAbout::ShowForm(this, WindowGeometry::programVersionText());
}

void frmMain::ShowAnalysis() {
    if (m_analysis == nullptr) {
        m_analysis = new frmAnalysis(this);
        if (!WindowPlaces::restore(m_analysis, QStringLiteral("analysis")))
            WindowFit::placeBeside(m_analysis, this, m_analysis->size());
        m_analysis->FollowList(*m_list);
        analysisFollowDraw();
        analysisFollowMarks();
    }
    m_analysis->show();
    m_analysis->raise();
    m_analysis->activateWindow();
}

void frmMain::analysisFollowDraw() {
    if (m_analysis != nullptr)
        m_analysis->SetDrawData(m_kaisaikai, m_tmain->Schedule(), m_tmain->Vote());
}

void frmMain::analysisFollowMarks() {
    if (m_analysis == nullptr)
        return;
    // The check page holds the marks of the draw it last showed; another draw has none yet.
    const clsTResultCheck& check = m_checkPage->resultCheck();
    m_analysis->SetResultMarks(check.Kaisaikai() == m_kaisaikai ? check.Marks() : ResultMarks{});
}

void frmMain::writeSettings() {
    ProgramSettings settings;
    settings.Kaisaikai = m_kaisaikai;
    settings.DownloadMessage = m_home->confirmDownloads();
    settings.ResultAll = m_checkPage->showAllAlways();
    settings.Save();
    WindowPlaces::remember(
        {{QStringLiteral("main"), this}, {QStringLiteral("analysis"), m_analysis}});
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->ignore();
    command([this, event] {
        if (!mayDropList())
            return;
        writeSettings();
        event->accept();
    });
}
