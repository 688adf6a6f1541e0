#include "app/WaysForward.h"

#include "app/CommandGuard.h"
#include "app/MainMenus.h"
#include "app/SavedPageFile.h"
#include "app/clsTMain.h"
#include "app/frmConnectionSettings.h"
#include "app/frmHandSchedule.h"
#include "app/frmMain.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "singles/SingleList.h"
#include "web/SavedPageKind.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local file of a drop that the window takes (a saved page or a singles file); "" for
// anything else.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return QString();
    const QString path = data->urls().constFirst().toLocalFile();
    const bool singlesFile =
        QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    return SavedPageFile::isPage(path) || singlesFile ? path : QString();
}

} // namespace

WaysForward::WaysForward(frmMain* window, const MainMenus& menus, const CommandGuard& guard)
    : m_window(window), m_guard(guard) {
    connect(menus.fileSavedPage, &QAction::triggered, this,
            [this] { m_guard.run([this] { askSavedPage(); }); });
    connect(menus.toolHandSchedule, &QAction::triggered, this,
            [this] { m_guard.run([this] { EnterScheduleByHand(); }); });
    connect(menus.toolConnection, &QAction::triggered, this,
            [this] { m_guard.run([this] { frmConnectionSettings::ShowDialog(m_window); }); });
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool WaysForward::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (!path.isEmpty()) {
            drop->acceptProposedAction();
            m_guard.run([this, path] { openDropped(path); });
        }
        return true;
    }
    return false;
}

void WaysForward::openDropped(const QString& path) {
    if (SavedPageFile::isPage(path))
        ReadSavedPage(path);
    else
        m_window->openList(path);
}

void WaysForward::askSavedPage() {
    const QString path = SavedPageFile::askPath(m_window, m_window->userDataFolder());
    if (!path.isEmpty())
        ReadSavedPage(path);
}

void WaysForward::ReadSavedPage(const QString& path) {
    QByteArray page;
    if (!SavedPageFile::read(path, page))
        return;
    const SavedPageKind found = SavedPageKind::recognise(page);
    if (found.kind == SavedPageKind::Unknown) {
        Platform::current().showMessage(
            QFileInfo(path).fileName() + QStringLiteral("\r\n") +
                QStringLiteral("オフィシャルサイトの開催情報、投票状況、くじ結果のページとして"
                               "読めませんでした。"),
            AppInfo::title(), MessageIcon::Warning);
        return;
    }
    clsTMain* draw = m_window->currentDraw();
    if (found.Kaisaikai != draw->Kaisaikai()) {
        const QString name = QStringLiteral("第") + QString::number(found.Kaisaikai) + u'回';
        if (!Platform::current().askYesNo(QStringLiteral("このページは") + name +
                                              QStringLiteral("のページです。\r\n") + name +
                                              QStringLiteral("に切り替えて読み込みますか？"),
                                          AppInfo::title(), MessageIcon::Information, true))
            return;
        // The list belongs to the draw it was made for: switching drops it as 新規作成 does,
        // after the usual question; a list kept by the answer keeps the draw too.
        m_window->FileNew();
        if (!m_window->singleList().singles().empty())
            return;
        draw->SetKaisaikai(found.Kaisaikai);
        // The draw box holds four digits at most.
        if (draw->Kaisaikai() != found.Kaisaikai)
            return;
    }
    draw->ReadSavedPage(found.kind, page);
}

void WaysForward::EnterScheduleByHand() {
    clsTMain* draw = m_window->currentDraw();
    if (frmHandSchedule::ShowDialog(m_window, draw->Kaisaikai(), draw->Kumi()))
        draw->Reload();
}
