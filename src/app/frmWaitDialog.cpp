#include "app/frmWaitDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

frmWaitDialog::frmWaitDialog(QWidget* parent)
    : QDialog(parent), m_message(new QLabel(this)), m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("frmWaitDialog"));
    setWindowTitle(QStringLiteral(" 処理中 . . ."));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    auto* wait = new QLabel(QStringLiteral("しばらくお待ち下さい"), this);
    wait->setObjectName(QStringLiteral("lblWait"));
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_bar->setObjectName(QStringLiteral("prgBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%p%"));
    layout->addWidget(wait);
    layout->addWidget(m_message);
    layout->addWidget(m_bar);
    setFixedWidth(360);
}
