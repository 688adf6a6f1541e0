#include "app/frmTeamName.h"

#include "drawdata/UserTeamNames.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTeamName::frmTeamName(QWidget* parent)
    : QDialog(parent), m_short(new QLineEdit(this)), m_long(new QLineEdit(this)),
      m_add(new QPushButton(QStringLiteral("追加"), this)),
      m_cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QStringLiteral(" チーム名（ユーザー定義）"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_short->setObjectName(QStringLiteral("txtRyakusho"));
    m_long->setObjectName(QStringLiteral("txtMeisho"));
    m_add->setObjectName(QStringLiteral("cmdAdd"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("追加するチーム名を入力して下さい"), this));
    auto* boxes = new QFormLayout;
    boxes->addRow(QStringLiteral("略称"), m_short);
    boxes->addRow(QStringLiteral("名称"), m_long);
    layout->addLayout(boxes);
    layout->addWidget(new QLabel(
        QStringLiteral("略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"), this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    m_short->setText(UserTeamNames::InitialShortName());
    m_long->setText(UserTeamNames::InitialLongName());

    connect(m_add, &QPushButton::clicked, this, [this] {
        if (UserTeamNames::Add(m_short->text(), m_long->text()))
            accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmTeamName::ShowDialog(QWidget* owner) {
    frmTeamName dialog(owner);
    return dialog.exec() == QDialog::Accepted;
}
