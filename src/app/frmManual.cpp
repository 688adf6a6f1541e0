#include "app/frmManual.h"

#include "app/WindowFit.h"
#include "base/AppInfo.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

frmManual::frmManual(QWidget* owner)
    : QWidget(owner, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(AppInfo::title() + QStringLiteral(" 使い方"));
    m_browser->setObjectName(QStringLiteral("txtManual"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(startPage()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    // Escape closes the manual as it does a dialog.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
}

frmManual* frmManual::showFor(QWidget* owner) {
    auto* manual = owner->findChild<frmManual*>(QString(), Qt::FindDirectChildrenOnly);
    if (manual == nullptr) {
        manual = new frmManual(owner);
        WindowFit::placeBeside(manual, owner, QSize(760, 680));
    }
    manual->show();
    manual->raise();
    manual->activateWindow();
    return manual;
}
