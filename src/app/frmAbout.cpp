#include "app/frmAbout.h"

#include "app/DesktopAccess.h"
#include "app/ProgramLogo.h"
#include "base/AppInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString frmAbout::mailAddress() {
    return QString();
}

QString frmAbout::webSite() {
    return QString();
}

frmAbout::frmAbout(QWidget* owner, const QString& versionText, const QString& mail,
                   const QString& web)
    : QDialog(owner), m_mail(new QLabel(this)), m_web(new QLabel(this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" バージョン情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (owner != nullptr && (owner->windowFlags() & Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, true);

    auto* logo = new QLabel(this);
    logo->setPixmap(ProgramLogo::picture(64));
    auto* title = new QLabel(AppInfo::title(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version ") + versionText, this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* copyright = new QLabel(AppInfo::copyright(), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));

    m_mail->setObjectName(QStringLiteral("lblMail"));
    m_mail->setText(QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(mail.toHtmlEscaped()));
    m_mail->setVisible(!mail.isEmpty());
    m_web->setObjectName(QStringLiteral("lblWeb"));
    m_web->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(web.toHtmlEscaped()));
    m_web->setVisible(!web.isEmpty());
    for (QLabel* link : {m_mail, m_web}) {
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this,
                [](const QString& url) { DesktopAccess::openLink(QUrl(url)); });
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{title, version, copyright, m_mail, m_web})
        texts->addWidget(w);
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addLayout(texts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

void frmAbout::ShowForm(QWidget* owner, const QString& versionText) {
    frmAbout about(owner, versionText);
    about.exec();
}
