#pragma once

#include <QDialog>

class QLabel;

// The About box: the program's name, version and copyright, and links to the maker's mail
// address and web site when the maker has published them.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(QWidget* owner, const QString& versionText, const QString& mail = mailAddress(),
             const QString& web = webSite());

    // Modal, owned by owner and on top when the owner is.
    static void ShowForm(QWidget* owner, const QString& versionText);

    // The maker's addresses, kept here and nowhere else; empty while none is published, and
    // the box then shows no link.
    static QString mailAddress();
    static QString webSite();

    QLabel* lblMail() const { return m_mail; }
    QLabel* lblWeb() const { return m_web; }

private:
    QLabel* m_mail;
    QLabel* m_web;
};
