#include "app/frmHandSchedule.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "documents/HandEnteredSchedule.h"
#include "drawdata/clsTotoData.h"
#include "drawdata/clsXmlSchedule.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The date a box gives: null for an empty box; false when its text is no date.
bool readDate(const QLineEdit* box, int year, DateTime& value) {
    const QString text = box->text().trimmed();
    value = DateTime();
    if (text.isEmpty())
        return true;
    try {
        value = DateTime::parseSystem(text, year);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

QString dateText(const DateTime& value, bool withTime) {
    return value.isNull()
               ? QString()
               : value.toQDateTime().toString(withTime ? QStringLiteral("yyyy/MM/dd HH:mm")
                                                       : QStringLiteral("yyyy/MM/dd"));
}

} // namespace

frmHandSchedule::frmHandSchedule(qint32 lngKaisaikai, const QString& strKumi,
                                 const ScheduleData& shown, QWidget* parent)
    : QDialog(parent), m_kaisaikai(lngKaisaikai), m_kumi(strKumi),
      m_names(clsTotoData().ShortTeamNames(lngKaisaikai)), m_saleEnd(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("O K"), this)),
      m_cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setObjectName(QStringLiteral("frmHandSchedule"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_saleEnd->setObjectName(QStringLiteral("txtSaleEnd"));
    m_saleEnd->setPlaceholderText(QStringLiteral("2021/03/06 13:50"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("第 ") + QString::number(lngKaisaikai) +
                                QStringLiteral(" 回の指定試合 9 試合を入力して下さい。オフィシャル"
                                               "サイトの開催情報をダウンロードすると、入力した"
                                               "開催情報はそれに置き換えられます。"),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* grid = new QGridLayout;
    const QStringList headings{QStringLiteral("No."), QStringLiteral("ホーム"), QString(),
                               QStringLiteral("アウェイ"), QStringLiteral("開催日（省略可）")};
    for (int c = 0; c < headings.size(); ++c)
        grid->addWidget(new QLabel(headings.at(c), this), 0, c);
    const QStringList choices = QStringList{QString()} + m_names;
    for (int m = 1; m <= MatchCount; ++m) {
        const auto at = std::size_t(m - 1);
        m_home[at] = new QComboBox(this);
        m_away[at] = new QComboBox(this);
        m_date[at] = new QLineEdit(this);
        m_home[at]->setObjectName(QStringLiteral("cmbHome_%1").arg(m));
        m_away[at]->setObjectName(QStringLiteral("cmbAway_%1").arg(m));
        m_date[at]->setObjectName(QStringLiteral("txtMatchDate_%1").arg(m));
        m_home[at]->addItems(choices);
        m_away[at]->addItems(choices);
        m_home[at]->setMaxVisibleItems(20);
        m_away[at]->setMaxVisibleItems(20);
        grid->addWidget(new QLabel(QString::number(m), this), m, 0);
        grid->addWidget(m_home[at], m, 1);
        grid->addWidget(new QLabel(QStringLiteral("VS"), this), m, 2);
        grid->addWidget(m_away[at], m, 3);
        grid->addWidget(m_date[at], m, 4);
    }
    layout->addLayout(grid);
    auto* saleEnd = new QHBoxLayout;
    saleEnd->addWidget(new QLabel(QStringLiteral("販売終了日時"), this));
    saleEnd->addWidget(m_saleEnd);
    layout->addLayout(saleEnd);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    fill(shown);
    connect(m_ok, &QPushButton::clicked, this, &frmHandSchedule::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmHandSchedule::fill(const ScheduleData& shown) {
    if (shown.isEmpty())
        return;
    for (std::size_t m = 0; m < shown.Matches.size(); ++m) {
        const MatchInfo& match = shown.Matches[m];
        m_home[m]->setCurrentIndex(std::max(0, int(m_names.indexOf(match.Home)) + 1));
        m_away[m]->setCurrentIndex(std::max(0, int(m_names.indexOf(match.Away)) + 1));
        m_date[m]->setText(dateText(match.MatchDate, false));
    }
    m_saleEnd->setText(dateText(shown.SaleEnd, true));
}

bool frmHandSchedule::readEntry(ScheduleData& entry) {
    auto refuse = [](QLineEdit* box, const QString& what) {
        Platform::current().showMessage(what + QStringLiteral("が日付ではありません。"), caption(),
                                        MessageIcon::Warning);
        box->setFocus();
        box->selectAll();
        return false;
    };
    entry = ScheduleData();
    entry.Kaisaikai = m_kaisaikai;
    entry.Kumi = m_kumi;
    const int thisYear = Platform::current().now().date().year();
    if (!readDate(m_saleEnd, thisYear, entry.SaleEnd))
        return refuse(m_saleEnd, QStringLiteral("販売終了日時"));
    // Months and days alone belong to the sale's year.
    const int year = entry.SaleEnd.isNull() ? thisYear : entry.SaleEnd.date().year();
    for (std::size_t m = 0; m < entry.Matches.size(); ++m) {
        MatchInfo& match = entry.Matches[m];
        match.Home = m_home[m]->currentText();
        match.Away = m_away[m]->currentText();
        if (!readDate(m_date[m], year, match.MatchDate))
            return refuse(m_date[m], QStringLiteral("第") + QString::number(m + 1) +
                                         QStringLiteral("試合の開催日"));
    }
    return true;
}

void frmHandSchedule::onOk() {
    ScheduleData entry;
    if (!readEntry(entry))
        return;
    const QString reason = HandEnteredSchedule::check(entry, m_names);
    if (!reason.isEmpty()) {
        Platform::current().showMessage(reason, caption(), MessageIcon::Warning);
        return;
    }
    if (HandEnteredSchedule::store(
            HandEnteredSchedule::completed(entry, Platform::current().now())))
        accept();
}

bool frmHandSchedule::ShowDialog(QWidget* owner, qint32 lngKaisaikai, const QString& strKumi) {
    if (lngKaisaikai <= 0) {
        Platform::current().showMessage(QStringLiteral("開催回を設定して下さい"), AppInfo::title(),
                                        MessageIcon::Information);
        return false;
    }
    if (!HandEnteredSchedule::mayEnter(lngKaisaikai, strKumi))
        return false;
    clsXmlSchedule stored;
    const ScheduleData shown = HandEnteredSchedule::exists(lngKaisaikai, strKumi) &&
                                       stored.XmlLoad(stored.GetFileName(lngKaisaikai, strKumi))
                                   ? stored.Data()
                                   : ScheduleData();
    frmHandSchedule dialog(lngKaisaikai, strKumi, shown, owner);
    return dialog.exec() == QDialog::Accepted;
}
