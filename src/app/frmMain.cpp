#include "app/frmMain.h"

#include "app/CheckPage.h"
#include "app/DesktopAccess.h"
#include "app/DrawTexts.h"
#include "app/HomePage.h"
#include "app/MainMenus.h"
#include "app/PageBar.h"
#include "app/PageParts.h"
#include "app/ProgramLogo.h"
#include "app/SingleListFile.h"
#include "app/SinglesPage.h"
#include "app/WindowFit.h"
#include "app/WindowGeometry.h"
#include "app/clsShell.h"
#include "app/clsTMain.h"
#include "app/frmAbout.h"
#include "app/frmAnalysis.h"
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
#include "results/clsTGame.h"
#include "results/clsTResult.h"
#include "results/clsTResultCheck.h"
#include "singles/DuplicateSingles.h"
#include "singles/MarkAreaLayout.h"
#include "singles/clsTSingle.h"
#include "singles/clsTSingleDraw.h"
#include "singles/clsTSingleGame.h"
#include "singles/clsTSingleSort.h"
#include "web/clsVantrelDownload.h"
#include "widgets/NumberBox.h"
#include "widgets/PageTurnImage.h"
#include "widgets/StatusBar.h"
#include "widgets/TabStrip.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QVersionNumber>
#include <new>

namespace {

// Marks the window busy for its lifetime; every way out restores the flag, an exception too.
using BusyScope = QScopedValueRollback<bool>;

constexpr int TabStripWidth = 70;
constexpr int PageLeft = 71;
// The tab strip's background band starts here and runs to the screen's right edge.
constexpr int TabBackgroundLeft = 300;

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_menus(std::make_unique<const MainMenus>(menuBar())),
      m_listFile(std::make_unique<SingleListFile>(this, m_busy)), m_tmain(new clsTMain(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(ProgramLogo::icon());
    connectMenus();
    createContent();
    m_tabs->placeBackground(TabBackgroundLeft, screen()->size().width());
    bindCheckPage();
    bindSinglesPage();
    connectPages();
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

template <typename Sender, typename Signal, typename F>
void frmMain::runOn(Sender* sender, Signal signal, F body) {
    connect(sender, signal, this, [this, body] { command(body); });
}

template <typename Sender, typename Signal, typename F>
void frmMain::runWhenIdle(Sender* sender, Signal signal, F body) {
    runOn(sender, signal, [this, body] {
        if (!m_busy)
            body();
    });
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
    runWhenIdle(m.selectAll, &QAction::triggered, [this] { m_single->SetAllSelect(true); });
    runWhenIdle(m.selectNone, &QAction::triggered, [this] { m_single->SetAllSelect(false); });
    runWhenIdle(m.singleAdd, &QAction::triggered, [this] { m_single->Add(); });
    runWhenIdle(m.singleDelete, &QAction::triggered, [this] { m_single->SelectDelete(); });
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
    runOn(m.helpVersion, &QAction::triggered, [this] { ShowAbout(); });
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
}

void frmMain::bindCheckPage() {
    const CheckPage::ViewHosts& hosts = m_checkPage->viewHosts();
    m_game = new clsTGame(this);
    m_game->Initialize(hosts.game, true);
    m_result = new clsTResult(this);
    m_result->Initialize(hosts.resultGrid, hosts.gradeTable, hosts.resultMarks, hosts.counts,
                         hosts.confirmed, nullptr);
    m_result->SingleCountLabel(hosts.pageBar->countLabel());
    m_result->PageLabel(hosts.pageBar->pageLabel());
    m_result->MovePreviousImage(hosts.pageBar->previousImage());
    m_result->MoveNextImage(hosts.pageBar->nextImage());
    m_popup7 = new QMenu(this);
    m_popup7->setObjectName(QStringLiteral("mnuPopup7"));
    QAction* cancelled = m_popup7->addAction(QStringLiteral("中止"));
    cancelled->setObjectName(QStringLiteral("mnuPopup7_0"));
    runOn(cancelled, &QAction::triggered, [this] { m_result->SetPopup(0); });
    m_result->setPopupMenu(m_popup7);
    connect(m_game, &clsTGame::VoteClick, this, [this] { m_result->CountVisible(true); });
    connect(m_result, &clsTResult::Checked, this, &frmMain::analysisFollowMarks);
}

void frmMain::bindSinglesPage() {
    const SinglesPage::ViewHosts& hosts = m_singlesPage->viewHosts();
    m_singleGame = new clsTSingleGame(this);
    // Match rows as high as the rows of marks beside them.
    m_singleGame->Initialize(hosts.matchList, MarkAreaLayout::RowPitch);
    m_single = new clsTSingle(this);
    m_single->Initialize(hosts.marks, hosts.counts, hosts.summary);
    m_single->setSingleCountLabel(hosts.pageBar->countLabel());
    m_single->setPageLabel(hosts.pageBar->pageLabel());
    m_single->setMovePreviousImage(hosts.pageBar->previousImage());
    m_single->setMoveNextImage(hosts.pageBar->nextImage());
    m_single->setMovePreviousImageDisable(PageTurnImage::picture(PageTurnImage::Previous, false));
    m_single->setMoveNextImageDisable(PageTurnImage::picture(PageTurnImage::Next, false));

    connect(m_single, &clsTSingle::ChangeValue, this, [this](qint32 position, qint32 single) {
        m_singles[static_cast<std::size_t>(position)] = single;
        markListChanged();
    });
    connect(m_single, &clsTSingle::ChangeCount, this,
            [this](qint32 count, const std::vector<qint32>& singles) {
                m_singles.assign(singles.begin(), singles.begin() + count);
                markListChanged();
                m_single->SetSingle(count, m_singles);
            });
    connect(m_single, &clsTSingle::ChangeFrame, this, [this](const SingleFrame& frame) {
        m_singleFrame = frame;
        m_single->SetSingleFrame(m_singleFrame, m_showZero);
    });
    connect(m_single, &clsTSingle::ChangeLock, this,
            [this](bool locked) { m_single->setEditLock(locked); });
}

const clsTResultCheck& frmMain::resultCheck() const {
    return m_result->Check();
}

void frmMain::connectPages() {
    connect(m_tabs, &TabStrip::tabClicked, this,
            [this](int page) { command([this, page] { ShowPage(page); }); });
    runOn(m_home, &HomePage::scheduleLinkClicked, [this] { OpenSalesSchedule(); });
    connect(m_home, &HomePage::officialDownloadClicked, this,
            [this](int i) { command([this, i] { OfficialDownload(i); }); });
    runOn(m_home, &HomePage::makerDownloadClicked, [this] { VantrelDownload(); });
    runOn(m_home, &HomePage::userTeamNamesClicked, [this] { UserTeamNames(); });
    runOn(m_singlesPage, &SinglesPage::addByMarksClicked, [this] { AddByMarks(); });
    runWhenIdle(m_singlesPage, &SinglesPage::addClicked, [this] { m_single->Add(); });
    runWhenIdle(m_singlesPage, &SinglesPage::deleteClicked, [this] { m_single->SelectDelete(); });
    connect(m_singlesPage, &SinglesPage::sortClicked, this, &frmMain::showSortPopup);
    runOn(m_checkPage, &CheckPage::sortByHitsClicked, [this] { SortResult(); });
    runOn(m_checkPage, &CheckPage::showNextClicked, [this] { ShowNextResult(); });
    runOn(m_checkPage, &CheckPage::showAllClicked, [this] { ShowAllResults(); });
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
    PageParts::setBackground(m_content, Qt::white);
    PageParts::setBackground(m_tabs, Qt::white);
    m_home->applyColourScheme();
    m_singlesPage->applyColourScheme();
    m_checkPage->applyColourScheme();
}

void frmMain::placeWindow() {
    m_content->resize(WindowGeometry::MinimumContent);
    WindowFit::apply(this, WindowGeometry::MinimumContent, menuBar()->sizeHint().height());
}

void frmMain::Load() {
    applyColourScheme();

    const ProgramSettings settings = ProgramSettings::Load();
    m_kaisaikai = settings.Kaisaikai;
    m_home->setConfirmDownloads(settings.DownloadMessage);
    m_checkPage->setShowAllResults(settings.ResultAll);

    m_vantrel = std::make_unique<clsVantrelDownload>();
    m_tmain->Initialize(m_home->drawNumberBox(), m_home->groupSelector(), this);
    connect(m_tmain, &clsTMain::KaisaikaiChange, this, &frmMain::onKaisaikaiChange);

    placeWindow();

    // A portable copy keeps the user's files in its own folder, an installed one in the user's
    // documents (the platform knows which).
    const QString userData = Platform::current().userDataFolder();
    // A folder that cannot be created only leaves the file dialogs in their default folder.
    clsFileSystemObject().FolderCheck(userData);
    m_userDataFolder = userData;
    m_listFile->setFolder(userData);

    ShowPage(0);
    m_home->setVersionText(versionText());
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

QString frmMain::versionText() {
    const QVersionNumber version = QVersionNumber::fromString(AppInfo::version());
    return WindowGeometry::versionText(version.majorVersion(), version.minorVersion(),
                                       version.microVersion());
}

QString frmMain::salesScheduleUrl() {
    return QStringLiteral(
        "http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule");
}

const QString& frmMain::currentFile() const {
    return m_listFile->currentFile();
}

QString frmMain::titleText() const {
    QString title = QStringLiteral(" Vantrel  ") + AppInfo::title();
    if (!m_listFile->currentFile().isEmpty())
        title += QStringLiteral(" - [") + QFileInfo(m_listFile->currentFile()).fileName() + u']';
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
    m_menus->markPage(page);
    m_tabs->setCurrent(page);
    if (page == 0)
        refreshSchedulePanel();
    if (page == 1) {
        m_singleGame->SetScheduleData(m_tmain->Schedule());
        m_single->SetVoteData(m_tmain->Vote());
        m_single->SetSingle(static_cast<qint32>(m_singles.size()), m_singles);
        m_single->MovePage(0);
        m_single->SetSingleFrame(m_singleFrame, m_showZero);
        m_single->MovePage(0);
    }
    if (page == 2) {
        m_game->Schedure(m_tmain->Schedule());
        m_game->Vote(m_tmain->Vote());
        m_result->SetScheduleData(m_tmain->Schedule());
        m_result->SetResultData(m_kaisaikai, m_kumi, m_tmain->Result(),
                                m_checkPage->showAllResults());
        checkSingles();
        m_result->SetSingleFrame(m_singleFrame, m_showZero);
        applyViewButtonRule();
    }
    const std::array<QWidget*, 3> pages = {m_home, m_singlesPage, m_checkPage};
    for (QWidget* p : pages)
        p->hide();
    pages[static_cast<std::size_t>(page)]->show();
    // The keyboard works the singles at once.
    if (page == 1)
        m_single->draw()->area()->setFocus();
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
    m_home->setDownloadEnabled(0, !m_tmain->CheckScheduleFile());
    m_home->setDownloadEnabled(1, !m_tmain->CheckVoteFile());
    m_home->setDownloadEnabled(2, !m_tmain->CheckResultFile());
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
        const bool confirm = m_home->confirmDownloads();
        if (index == 0)
            m_tmain->GetSchedule(confirm);
        else if (index == 1)
            m_tmain->GetVote(confirm);
        else
            m_tmain->GetResult(confirm);
    }
    refreshDownloadButtons();
    analysisFollowDraw();
}

void frmMain::VantrelDownload() {
    if (m_busy)
        return;
    if (!clsShell().CheckVirtualstoreAdmin())
        return;
    if (m_vantrel->DownloadTeamName2(this, m_home->confirmDownloads())) {
        m_tmain->ScheduleInitialize();
        analysisFollowDraw();
    }
}

void frmMain::UserTeamNames() {
    frmTeamName::ShowDialog(this);
    m_tmain->ScheduleInitialize();
    analysisFollowDraw();
}

void frmMain::checkSingles() {
    const BusyScope busy(m_busy, true);
    m_result->SetSingle(static_cast<qint32>(m_singles.size()), m_singles);
}

void frmMain::applyViewButtonRule() {
    m_checkPage->setRevealButtonsEnabled(m_tmain->Result().Kaisaikai > 0 &&
                                         !m_result->FullResult());
}

void frmMain::ShowNextResult() {
    if (m_busy)
        return;
    m_result->SetNextData();
    applyViewButtonRule();
}

void frmMain::ShowAllResults() {
    if (m_busy)
        return;
    m_result->SetAlltData();
    applyViewButtonRule();
}

void frmMain::SortResult() {
    if (m_busy || m_singles.empty())
        return;
    m_result->GradeSort(m_singles, m_menus->ascending());
    markListChanged();
    checkSingles();
}

void frmMain::applyEditMenuRules() {
    m_menus->applyEditRules(m_tmain->Vote().Kaisaikai != 0, m_currentPage);
}

void frmMain::showSortPopup() {
    applyEditMenuRules();
    m_menus->sortMenu->popup(QCursor::pos());
}

void frmMain::FileNew() {
    if (m_busy || !mayDropList())
        return;
    ShowPage(0);
    clearList();
    refreshTitle();
}

void frmMain::FileEnd() {
    close();
}

QString frmMain::draftFileName() const {
    return clsTFileCSV().GetCsvFileName(m_kaisaikai, m_kumi);
}

void frmMain::markListChanged() {
    m_listFile->markChanged();
    analysisFollowList();
}

bool frmMain::mayDropList() {
    const bool mayDrop = m_listFile->mayDrop(m_singles, draftFileName());
    refreshTitle();
    return mayDrop;
}

void frmMain::FileOpen() {
    if (m_busy || !mayDropList())
        return;
    const QString path = m_listFile->askOpenPath(draftFileName());
    if (path.isEmpty())
        return;
    clearList();
    {
        const BusyScope busy(m_busy, true);
        // A load that fails leaves the list empty and no file current.
        if (m_listFile->load(path, m_singles))
            recomputeFrame();
    }
    analysisFollowList();
    const qint32 number = clsTFileCSV().GetKaisaikai(path);
    if (number > 0)
        m_tmain->SetKaisaikai(number);
    ShowPage(1);
    refreshTitle();
}

bool frmMain::FileSave() {
    if (m_busy)
        return false;
    const bool saved = m_listFile->save(m_singles, draftFileName());
    refreshTitle();
    return saved;
}

bool frmMain::FileSaveAs() {
    if (m_busy)
        return false;
    const bool saved = m_listFile->saveAs(m_singles, draftFileName());
    refreshTitle();
    return saved;
}

void frmMain::Sort(SortKind kind, int index) {
    if (m_busy || m_singles.empty())
        return;
    clsTSingleSort sorter;
    sorter.SetVoteData(m_tmain->Vote());
    const bool ascending = m_menus->ascending();
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
    markListChanged();
    if (m_currentPage == 1 || m_currentPage == 2)
        ShowPage(m_currentPage);
}

void frmMain::ClipboardExport(int index) {
    if (m_busy)
        return;
    clsTClipboard exporter;
    exporter.Copy(index, static_cast<qint32>(m_singles.size()), m_singles,
                  DesktopAccess::current().setClipboardText);
}

void frmMain::ClipboardImport(int index) {
    if (m_busy)
        return;
    std::vector<qint32> singles;
    qint32 count = 0;
    {
        WaitCursor wait;
        const QString text = index == clsTClipImport::ClipboardText
                                 ? DesktopAccess::current().clipboardText()
                                 : QString();
        count = clsTClipImport().Import(index, text, singles);
    }
    if (count <= 0 || !mayDropList())
        return;
    setSingleList(std::move(singles));
    // The imported list is in no file yet: Save asks where instead of overwriting the last one.
    m_listFile->detach();
    refreshTitle();
    ShowPage(2);
    Platform::current().showMessage(QString::number(count) + QStringLiteral("口取り込みしました"),
                                    AppInfo::title(), MessageIcon::Information);
}

void frmMain::clearList() {
    m_singles.clear();
    m_singleFrame = SingleFrame{};
    m_showZero = {};
    m_result->Clear();
    m_listFile->clear();
    analysisFollowList();
}

void frmMain::recomputeFrame() {
    clsTSingleFrame frame;
    frame.GetSingleFrame(static_cast<qint32>(m_singles.size()), m_singles, m_singleFrame);
}

void frmMain::setSingleList(std::vector<qint32> singles) {
    m_singles = std::move(singles);
    const BusyScope busy(m_busy, true);
    recomputeFrame();
    analysisFollowList();
}

void frmMain::RemoveDuplicates() {
    if (m_busy)
        return;
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
        markListChanged();
        Platform::current().showMessage(
            QStringLiteral("重複したシングルを消去しました\r\nシングル総数：") +
                NumberFormat::format(oldCount, QStringLiteral("#,##0")) + QStringLiteral(" → ") +
                NumberFormat::format(newCount, QStringLiteral("#,##0")),
            AppInfo::title(), MessageIcon::Information);
    }
    ShowPage(2);
}

void frmMain::AddByMarks() {
    if (m_busy)
        return;
    const QString marks = frmNumbers::ShowDialog(this);
    if (!marks.isEmpty())
        m_single->AddEx(marks);
}

void frmMain::TogglePercent() {
    m_showPercent = m_menus->viewPercent->isChecked();
    m_single->setSinglePercent(m_showPercent);
    m_result->Percent(m_showPercent);
}

void frmMain::OpenSalesSchedule() {
    DesktopAccess::openLink(QUrl(salesScheduleUrl()));
}

void frmMain::ShowAbout() {
    frmAbout::ShowForm(this, versionText());
}

void frmMain::ShowAnalysis() {
    if (m_analysis == nullptr) {
        m_analysis = new frmAnalysis(this);
        analysisFollowDraw();
        analysisFollowMarks();
    }
    // A hidden window was not kept up to date: the list may have changed since.
    if (!m_analysis->isVisible())
        m_analysis->SetSingle(m_singles);
    m_analysis->show();
    m_analysis->raise();
    m_analysis->activateWindow();
}

void frmMain::analysisFollowList() {
    if (m_analysis != nullptr && m_analysis->isVisible())
        m_analysis->SetSingle(m_singles);
}

void frmMain::analysisFollowDraw() {
    if (m_analysis != nullptr)
        m_analysis->SetDrawData(m_kaisaikai, m_tmain->Schedule(), m_tmain->Vote());
}

void frmMain::analysisFollowMarks() {
    if (m_analysis == nullptr)
        return;
    // The check page holds the marks of the draw it last showed; another draw has none yet.
    const clsTResultCheck& check = resultCheck();
    m_analysis->SetResultMarks(check.Kaisaikai() == m_kaisaikai ? check.Marks() : ResultMarks{});
}

void frmMain::writeSettings() {
    ProgramSettings settings;
    settings.Kaisaikai = m_kaisaikai;
    settings.DownloadMessage = m_home->confirmDownloads();
    settings.ResultAll = m_checkPage->showAllResults();
    settings.Save();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_busy || !mayDropList()) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}
