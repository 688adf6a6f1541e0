#pragma once

#include <QDialog>

class QLabel;

// The About box: the program's name, version and copyright, and links to the maker.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(QWidget* owner, const QString& versionText);

    // Modal, owned by owner and on top when the owner is.
    static void ShowForm(QWidget* owner, const QString& versionText);

    static QString mailAddress();
    static QString webSite();

    QLabel* lblMail() const { return m_mail; }
    QLabel* lblWeb() const { return m_web; }

private:
    QLabel* m_mail;
    QLabel* m_web;
};
