#include "app/HomePage.h"

#include "widgets/NumberBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry,
              const QString& name = QString()) {
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    if (!name.isEmpty())
        result->setObjectName(name);
    return result;
}

QGroupBox* frame(QWidget* parent, const QString& title, const QRect& geometry) {
    auto* result = new QGroupBox(title, parent);
    result->setGeometry(geometry);
    return result;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry,
                    const QString& name) {
    auto* result = new QPushButton(text, parent);
    result->setGeometry(geometry);
    result->setObjectName(name);
    return result;
}

} // namespace

HomePage::HomePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMain_0"));

    // The draw choice: 第 [number] 回 [group].
    QFont large = font();
    large.setPointSize(14);
    large.setBold(true);
    QLabel* dai = label(this, QStringLiteral("第"), QRect(28, 22, 24, 30));
    dai->setFont(large);
    txtScheduleNo = new NumberBox(this);
    txtScheduleNo->setObjectName(QStringLiteral("txtScheduleNo"));
    txtScheduleNo->setGeometry(54, 22, 70, 30);
    txtScheduleNo->setFont(large);
    txtScheduleNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* kai = label(this, QStringLiteral("回"), QRect(150, 22, 24, 30));
    kai->setFont(large);
    cmbKumi = new QComboBox(this);
    cmbKumi->setObjectName(QStringLiteral("cmbKumi"));
    cmbKumi->setGeometry(180, 24, 72, 26);

    QGroupBox* kaisai = frame(this, QStringLiteral("開催情報"), QRect(24, 68, 540, 236));
    picKaisai = new QWidget(kaisai);
    picKaisai->setObjectName(QStringLiteral("picKaisai"));
    picKaisai->setGeometry(12, 24, 516, 166);
    picKaisai->setAutoFillBackground(true);
    const QStringList captions = {QStringLiteral("販売開始日："), QStringLiteral("販売終了日："),
                                  QStringLiteral("結果発表日：")};
    std::array<QLabel**, 3> dates = {&lblSaleStart, &lblSaleEnd, &lblResultDate};
    const QStringList names = {QStringLiteral("lblSaleStart"), QStringLiteral("lblSaleEnd"),
                               QStringLiteral("lblResultDate")};
    QFont dateFont = font();
    dateFont.setPointSize(12);
    for (int i = 0; i < 3; ++i) {
        label(picKaisai, captions[i], QRect(8, 8 + i * 34, 110, 28))->setFont(dateFont);
        *dates[static_cast<std::size_t>(i)] =
            label(picKaisai, QString(), QRect(120, 8 + i * 34, 390, 28), names[i]);
        (*dates[static_cast<std::size_t>(i)])->setFont(dateFont);
    }
    lblStatus = label(picKaisai, QString(), QRect(8, 116, 500, 40), QStringLiteral("lblStatus"));
    lblStatus->setFont(large);
    lblStatus->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));

    lblSchedule = label(kaisai, QStringLiteral("販売スケジュールを確認する"),
                        QRect(12, 200, 240, 24), QStringLiteral("lblSchedule"));
    lblSchedule->setStyleSheet(
        QStringLiteral("color: rgb(0, 0, 238); text-decoration: underline;"));
    lblSchedule->setCursor(Qt::PointingHandCursor);
    lblSchedule->installEventFilter(this);

    QGroupBox* official =
        frame(this, QStringLiteral("オフィシャルサイトよりダウンロード"), QRect(24, 320, 540, 110));
    const QStringList downloads = {QStringLiteral("開催情報"), QStringLiteral("投票状況"),
                                   QStringLiteral("くじ結果")};
    for (int i = 0; i < 3; ++i)
        cmdOfficialDownload[static_cast<std::size_t>(i)] =
            button(official, downloads[i], QRect(16 + i * 130, 28, 120, 34),
                   QStringLiteral("cmdOfficialDownload_%1").arg(i));
    chkDownload = new QCheckBox(QStringLiteral("ダウンロード時に確認"), official);
    chkDownload->setObjectName(QStringLiteral("chkDownload"));
    chkDownload->setGeometry(18, 74, 240, 24);

    QGroupBox* user = frame(this, QStringLiteral("ユーザー定義"), QRect(592, 68, 310, 80));
    cmdUser2 = button(user, QStringLiteral("海外チーム名"), QRect(16, 30, 130, 34),
                      QStringLiteral("cmdUser2"));

    fraVantrelDownload =
        frame(this, QStringLiteral("Vantrelよりダウンロード"), QRect(592, 164, 310, 80));
    fraVantrelDownload->setObjectName(QStringLiteral("fraVantrelDownload"));
    cmdVantrelDownload = button(fraVantrelDownload, QStringLiteral("海外チーム名"),
                                QRect(16, 30, 130, 34), QStringLiteral("cmdVantrelDownload"));

    QGroupBox* software = frame(this, QStringLiteral("ソフトウェア情報"), QRect(592, 260, 310, 80));
    lblVersion = label(software, QString(), QRect(16, 32, 280, 28), QStringLiteral("lblVersion"));
}

bool HomePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblSchedule && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Q_EMIT scheduleLinkClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
