#pragma once

#include <QObject>
#include <QString>

class CommandGuard;
class MainMenus;
class frmMain;

// The ways forward that the main window offers when a download fails: a page of the official
// site that the browser saved (ファイル > 保存したページから読み込み..., or the file dropped on
// the window; a dropped singles file opens as 開く opens one), the schedule entered by hand
// (ツール > 開催情報を手入力...) and the connection settings (ツール > 接続設定...). It connects
// those menu items and the window's drops itself, each run through the window's command guard.
class WaysForward : public QObject {
    Q_OBJECT

public:
    WaysForward(frmMain* window, const MainMenus& menus, const CommandGuard& guard);

    // A saved page for the draw its heading names; another draw than the current one is
    // switched to first, when the user agrees and the list may be dropped (the usual question).
    void ReadSavedPage(const QString& path);
    void EnterScheduleByHand();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askSavedPage();
    void openDropped(const QString& path);

    frmMain* m_window;
    const CommandGuard& m_guard;
};
