#include "app/frmConnectionSettings.h"

#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/UrlSettingsCheck.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One box of the window: its object name, its label, the setting it edits and its check.
struct Field {
    const char16_t* name;
    const char16_t* label;
    QString OfficialUrlSettings::*setting;
    QString (*check)(const QString&);
};

const Field fields[] = {
    {u"txtScheduleUrl", u"開催情報ページのアドレス", &OfficialUrlSettings::bigOfficialScheduleUrl,
     UrlSettingsCheck::pageAddress},
    {u"txtScheduleKey", u"開催情報の商品キー", &OfficialUrlSettings::bigOfficialMiniBigUrl,
     UrlSettingsCheck::productKey},
    {u"txtVoteUrl", u"投票状況ページのアドレス", &OfficialUrlSettings::totoOfficialVoteUrl,
     UrlSettingsCheck::pageAddress},
    {u"txtVoteKey", u"投票状況の商品キー", &OfficialUrlSettings::totoOfficialTotoUrl,
     UrlSettingsCheck::productKey},
    {u"txtResultUrl", u"くじ結果ページのアドレス", &OfficialUrlSettings::bigOfficialResultUrl,
     UrlSettingsCheck::pageAddress},
    {u"txtSalesScheduleUrl", u"販売スケジュールのアドレス",
     &OfficialUrlSettings::bigOfficialSalesScheduleUrl, UrlSettingsCheck::webAddress},
    {u"txtProxy", u"プロキシサーバー", &OfficialUrlSettings::Proxy, UrlSettingsCheck::proxy},
};

} // namespace

frmConnectionSettings::frmConnectionSettings(QWidget* parent)
    : QDialog(parent), m_default(new QPushButton(QStringLiteral("初期値に戻す"), this)),
      m_ok(new QPushButton(QStringLiteral("O K"), this)),
      m_cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setObjectName(QStringLiteral("frmConnectionSettings"));
    setWindowTitle(caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_default->setObjectName(QStringLiteral("cmdDefault"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("オフィシャルサイトのページが移動したときは、新しい"
                                           "アドレスを入力して下さい。次のダウンロードから"
                                           "使われます。"),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    for (const Field& field : fields) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf16(field.name));
        form->addRow(QString::fromUtf16(field.label), edit);
    }
    box(QStringLiteral("txtProxy"))
        ->setPlaceholderText(QStringLiteral("空欄のときは環境の設定を使います"));
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_default);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setMinimumWidth(720);

    fill(OfficialUrlSettings::current());
    connect(m_default, &QPushButton::clicked, this,
            [this] { fill(OfficialUrlSettings::defaults()); });
    connect(m_ok, &QPushButton::clicked, this, &frmConnectionSettings::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* frmConnectionSettings::box(const QString& objectName) const {
    return findChild<QLineEdit*>(objectName, Qt::FindDirectChildrenOnly);
}

void frmConnectionSettings::fill(const OfficialUrlSettings& settings) {
    for (const Field& field : fields)
        box(QString::fromUtf16(field.name))->setText(settings.*field.setting);
}

void frmConnectionSettings::onOk() {
    OfficialUrlSettings edited = OfficialUrlSettings::current();
    for (const Field& field : fields) {
        QLineEdit* edit = box(QString::fromUtf16(field.name));
        const QString value = edit->text().trimmed();
        const QString reason = field.check(value);
        if (!reason.isEmpty()) {
            Platform::current().showMessage(u'「' + QString::fromUtf16(field.label) +
                                                QStringLiteral("」が正しくありません。\r\n") +
                                                reason,
                                            caption(), MessageIcon::Warning);
            edit->setFocus();
            edit->selectAll();
            return;
        }
        edited.*field.setting = value;
    }
    // A file that cannot be written is reported by the file layer; the window stays open.
    if (!edited.write(true))
        return;
    OfficialUrlSettings::current() = edited;
    accept();
}

bool frmConnectionSettings::ShowDialog(QWidget* owner) {
    frmConnectionSettings dialog(owner);
    return dialog.exec() == QDialog::Accepted;
}
