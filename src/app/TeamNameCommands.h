#pragma once

#include "web/clsVantrelDownload.h"

#include <QObject>

class CommandGuard;
class HomePage;
class MainMenus;
class QWidget;

// The main window's team-name commands, each run through the window's command guard: the
// maker's update of the overseas names (海外チーム名 on the home page), the user's own names
// (the user team-name window) and ツール > 海外チーム名を元に戻す, which puts back the overseas
// file that the last update replaced and keeps the replaced one in its place, so that it also
// undoes itself. Changed tells the window to read the team names again.
class TeamNameCommands : public QObject {
    Q_OBJECT

public:
    TeamNameCommands(QWidget* window, const MainMenus& menus, const CommandGuard& guard,
                     const HomePage& home);

    // Asks first; true when the two overseas files were swapped.
    static bool RestorePrevious();

Q_SIGNALS:
    void Changed();

private:
    void update();

    QWidget* m_window;
    const CommandGuard& m_guard;
    const HomePage& m_home;
    // Fetches the maker's catalogue once per run of the program.
    clsVantrelDownload m_maker;
};
