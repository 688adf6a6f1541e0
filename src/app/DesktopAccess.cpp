#include "app/DesktopAccess.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

namespace {

QString startPath(const QString& folder, const QString& suggestedName) {
    if (suggestedName.isEmpty())
        return folder;
    // A suggested name with its own folder (the current file) is kept as it is.
    if (QDir::isAbsolutePath(suggestedName) || folder.isEmpty())
        return suggestedName;
    return QDir(folder).filePath(suggestedName);
}

DesktopAccess defaults() {
    DesktopAccess access;
    access.openFileName = [](QWidget* owner, const QString& title, const QString& filter,
                             const QString& folder, const QString& suggestedName) {
        return QFileDialog::getOpenFileName(owner, title, startPath(folder, suggestedName), filter);
    };
    access.saveFileName = [](QWidget* owner, const QString& title, const QString& filter,
                             const QString& folder, const QString& suggestedName) {
        return QFileDialog::getSaveFileName(owner, title, startPath(folder, suggestedName), filter);
    };
    access.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    access.clipboardText = [] { return QGuiApplication::clipboard()->text(); };
    access.setClipboardText = [](const QString& text) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    };
    return access;
}

} // namespace

DesktopAccess& DesktopAccess::current() {
    static DesktopAccess access = defaults();
    return access;
}

void DesktopAccess::restoreDefaults() {
    current() = defaults();
}
