#include "app/HomePage.h"

#include "app/ControlTips.h"
#include "app/DrawTexts.h"
#include "app/PageParts.h"
#include "drawdata/ScheduleData.h"
#include "widgets/LinkLabel.h"
#include "widgets/NumberBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace PageParts;

HomePage::HomePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain_0"));

    // The draw choice: 第 [number] 回 [group].
    QFont large = font();
    large.setPointSize(14);
    large.setBold(true);
    label(this, QStringLiteral("第"), QRect(28, 22, 24, 30), QString())->setFont(large);
    m_drawNumber = new NumberBox(this);
    m_drawNumber->setObjectName(QStringLiteral("txtScheduleNo"));
    m_drawNumber->setGeometry(54, 22, 70, 30);
    m_drawNumber->setFont(large);
    m_drawNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(this, QStringLiteral("回"), QRect(150, 22, 24, 30), QString())->setFont(large);
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("cmbKumi"));
    m_group->setGeometry(180, 24, 72, 26);

    QGroupBox* kaisai = frame(this, QStringLiteral("開催情報"), QRect(24, 68, 540, 236));
    m_schedulePanel = hostArea(kaisai, QStringLiteral("picKaisai"), QRect(12, 24, 516, 166));
    m_schedulePanel->setAutoFillBackground(true);
    const QStringList captions = {QStringLiteral("販売開始日："), QStringLiteral("販売終了日："),
                                  QStringLiteral("結果発表日：")};
    const std::array<QLabel**, 3> dates = {&m_saleStart, &m_saleEnd, &m_resultDate};
    const QStringList names = {QStringLiteral("lblSaleStart"), QStringLiteral("lblSaleEnd"),
                               QStringLiteral("lblResultDate")};
    QFont dateFont = font();
    dateFont.setPointSize(12);
    for (int i = 0; i < 3; ++i) {
        label(m_schedulePanel, captions[i], QRect(8, 8 + i * 34, 110, 28), QString())
            ->setFont(dateFont);
        QLabel* date = label(m_schedulePanel, QString(), QRect(120, 8 + i * 34, 390, 28), names[i]);
        date->setFont(dateFont);
        *dates[static_cast<std::size_t>(i)] = date;
    }
    m_saleStatus =
        label(m_schedulePanel, QString(), QRect(8, 116, 500, 40), QStringLiteral("lblStatus"));
    m_saleStatus->setFont(large);
    m_saleStatus->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));

    auto* scheduleLink = new LinkLabel(QStringLiteral("販売スケジュールを確認する"), kaisai);
    scheduleLink->setObjectName(QStringLiteral("lblSchedule"));
    scheduleLink->setGeometry(12, 200, 240, 24);
    scheduleLink->setStyleSheet(
        QStringLiteral("color: rgb(0, 0, 238); text-decoration: underline;"));
    connect(scheduleLink, &LinkLabel::activated, this, &HomePage::scheduleLinkClicked);

    QGroupBox* official =
        frame(this, QStringLiteral("オフィシャルサイトよりダウンロード"), QRect(24, 320, 540, 110));
    const QStringList downloads = {QStringLiteral("開催情報"), QStringLiteral("投票状況"),
                                   QStringLiteral("くじ結果")};
    for (int i = 0; i < 3; ++i) {
        QPushButton* download = button(official, downloads[i], QRect(16 + i * 130, 28, 120, 34),
                                       QStringLiteral("cmdOfficialDownload_%1").arg(i));
        connect(download, &QPushButton::clicked, this,
                [this, i] { Q_EMIT officialDownloadClicked(i); });
        m_officialDownloads[static_cast<std::size_t>(i)] = download;
    }
    m_confirmDownloads = new QCheckBox(QStringLiteral("ダウンロード時に確認"), official);
    m_confirmDownloads->setObjectName(QStringLiteral("chkDownload"));
    m_confirmDownloads->setGeometry(18, 74, 240, 24);

    QGroupBox* user = frame(this, QStringLiteral("ユーザー定義"), QRect(592, 68, 310, 80));
    QPushButton* userNames = button(user, QStringLiteral("海外チーム名"), QRect(16, 30, 130, 34),
                                    QStringLiteral("cmdUser2"));
    connect(userNames, &QPushButton::clicked, this, &HomePage::userTeamNamesClicked);

    QGroupBox* maker =
        frame(this, QStringLiteral("Vantrelよりダウンロード"), QRect(592, 164, 310, 80));
    maker->setObjectName(QStringLiteral("fraVantrelDownload"));
    QPushButton* makerNames = button(maker, QStringLiteral("海外チーム名"), QRect(16, 30, 130, 34),
                                     QStringLiteral("cmdVantrelDownload"));
    connect(makerNames, &QPushButton::clicked, this, &HomePage::makerDownloadClicked);

    QGroupBox* software = frame(this, QStringLiteral("ソフトウェア情報"), QRect(592, 260, 310, 80));
    m_version = label(software, QString(), QRect(16, 32, 280, 28), QStringLiteral("lblVersion"));
}

bool HomePage::confirmDownloads() const {
    return m_confirmDownloads->isChecked();
}

void HomePage::setConfirmDownloads(bool on) {
    m_confirmDownloads->setChecked(on);
}

void HomePage::setVersionText(const QString& version) {
    m_version->setText(QStringLiteral("Version ") + version);
}

void HomePage::showSchedule(const ScheduleData& schedule, DateTime now) {
    if (schedule.Kaisaikai < 1) {
        m_schedulePanel->hide();
        return;
    }
    m_schedulePanel->show();
    m_saleStatus->setText(DrawTexts::saleStatus(schedule, now));
    m_saleStart->setText(DrawTexts::dateForm(schedule.SaleStart));
    m_saleEnd->setText(DrawTexts::dateForm(schedule.SaleEnd));
    m_resultDate->setText(DrawTexts::dateForm(schedule.ResultDate));
}

void HomePage::setDownloadState(int index, DownloadState state) {
    QPushButton* download = m_officialDownloads.at(static_cast<std::size_t>(index));
    download->setEnabled(downloadable(state));
    download->setToolTip(ControlTips::officialDownload(index, state));
}

void HomePage::applyColourScheme() {
    setBackground(this, Qt::white);
    setBackground(m_schedulePanel, Qt::white);
    // On the white page the check box shows the page itself.
    m_confirmDownloads->setAutoFillBackground(false);
}
