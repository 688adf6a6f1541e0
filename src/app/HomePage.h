#pragma once

#include "app/DownloadState.h"
#include "base/DateTime.h"

#include <QWidget>
#include <array>

class NumberBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
struct ScheduleData;

// The home page (ホーム): the draw choice, the schedule panel with the sale countdown, the
// official and maker-site downloads, the user team names and the version. The buttons and the
// schedule link are announced as signals; the window decides what they do.
class HomePage : public QWidget {
    Q_OBJECT

public:
    explicit HomePage(QWidget* parent = nullptr);

    // The draw choice, for the current-draw controller to bind.
    NumberBox* drawNumberBox() const { return m_drawNumber; }
    QComboBox* groupSelector() const { return m_group; }

    // 「ダウンロード時に確認」
    bool confirmDownloads() const;
    void setConfirmDownloads(bool on);
    void setVersionText(const QString& version);
    // The schedule panel with the dates and the sale status at `now`; hidden without a schedule.
    void showSchedule(const ScheduleData& schedule, DateTime now);
    // Index 0 schedule, 1 vote, 2 result; the tip says what the button does, or why it is greyed.
    void setDownloadState(int index, DownloadState state);
    // The page and its schedule panel in white.
    void applyColourScheme();

Q_SIGNALS:
    void officialDownloadClicked(int index);
    void makerDownloadClicked();
    void userTeamNamesClicked();
    void scheduleLinkClicked();

private:
    NumberBox* m_drawNumber;
    QComboBox* m_group;
    QWidget* m_schedulePanel;
    QLabel* m_saleStart;
    QLabel* m_saleEnd;
    QLabel* m_resultDate;
    QLabel* m_saleStatus;
    std::array<QPushButton*, 3> m_officialDownloads{};
    QCheckBox* m_confirmDownloads;
    QLabel* m_version;
};
