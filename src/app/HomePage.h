#pragma once

#include <QWidget>
#include <array>

class NumberBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The home page (ホーム): the draw choice, the schedule panel with the sale countdown, the
// official and maker-site downloads, the user team names and the version.
class HomePage : public QWidget {
    Q_OBJECT

public:
    explicit HomePage(QWidget* parent = nullptr);

    NumberBox* txtScheduleNo;
    QComboBox* cmbKumi;
    QWidget* picKaisai;
    QLabel* lblSaleStart;
    QLabel* lblSaleEnd;
    QLabel* lblResultDate;
    QLabel* lblStatus;
    QLabel* lblSchedule;
    std::array<QPushButton*, 3> cmdOfficialDownload;
    QCheckBox* chkDownload;
    QPushButton* cmdUser2;
    QPushButton* cmdVantrelDownload;
    QGroupBox* fraVantrelDownload;
    QLabel* lblVersion;

Q_SIGNALS:
    void scheduleLinkClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
