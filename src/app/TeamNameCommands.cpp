#include "app/TeamNameCommands.h"

#include "app/CommandGuard.h"
#include "app/HomePage.h"
#include "app/MainMenus.h"
#include "app/clsShell.h"
#include "app/frmTeamName.h"
#include "base/Platform.h"
#include "drawdata/TeamName2Files.h"
#include "drawdata/TeamNameFileCheck.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {
const QString Title = u" Vantrel"_s;
} // namespace

TeamNameCommands::TeamNameCommands(QWidget* window, const MainMenus& menus,
                                   const CommandGuard& guard, const HomePage& home)
    : m_window(window), m_guard(guard), m_home(home) {
    connect(&home, &HomePage::makerDownloadClicked, this,
            [this] { m_guard.run([this] { update(); }); });
    connect(&home, &HomePage::userTeamNamesClicked, this, [this] {
        m_guard.run([this] {
            frmTeamName::ShowDialog(m_window);
            Q_EMIT Changed();
        });
    });
    connect(menus.toolRestoreTeamNames, &QAction::triggered, this, [this] {
        m_guard.run([this] {
            if (RestorePrevious())
                Q_EMIT Changed();
        });
    });
}

void TeamNameCommands::update() {
    if (clsShell().CheckVirtualstoreAdmin() &&
        m_maker.DownloadTeamName2(m_window, m_home.confirmDownloads()))
        Q_EMIT Changed();
}

bool TeamNameCommands::RestorePrevious() {
    Platform& platform = Platform::current();
    if (!TeamName2Files::HasPrevious()) {
        platform.showMessage(u"元に戻す海外チーム名がありません。"_s, Title,
                             MessageIcon::Information);
        return false;
    }
    const qint32 version = TeamName2Files::PreviousVersion();
    const QString which = version > 0
                              ? u"バージョン "_s + TeamNameFileCheck::VersionText(version) + u' '
                              : u"以前のファイル"_s;
    if (!platform.askYesNo(u"海外チーム名を"_s + which + u"に戻します。よろしいですか？"_s, Title,
                           MessageIcon::Information, false))
        return false;
    if (!TeamName2Files::Swap())
        return false;
    platform.showMessage(u"海外チーム名を"_s + which + u"に戻しました。"_s, Title,
                         MessageIcon::Information);
    return true;
}
