#include "app/DesktopAccess.h"

#include "base/AppInfo.h"
#include "base/Platform.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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

// "csv" for "CSVファイル(*.csv)"; empty when the filter names no extension.
QString firstExtension(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return QString();
    qsizetype end = star + 2;
    while (end < filter.size() && filter.at(end).isLetterOrNumber())
        ++end;
    return filter.mid(star + 2, end - star - 2);
}

DesktopAccess::FileDialog answerOf(QFileDialog::AcceptMode mode) {
    return [mode](QWidget* owner, const QString& title, const QString& filter,
                  const QString& folder, const QString& suggestedName) {
        const std::unique_ptr<QFileDialog> dialog =
            DesktopAccess::fileDialog(owner, mode, title, filter, folder, suggestedName);
        if (dialog->exec() != QDialog::Accepted)
            return QString();
        return dialog->selectedFiles().value(0);
    };
}

DesktopAccess defaults() {
    DesktopAccess access;
    access.openFileName = answerOf(QFileDialog::AcceptOpen);
    access.saveFileName = answerOf(QFileDialog::AcceptSave);
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

std::unique_ptr<QFileDialog> DesktopAccess::fileDialog(QWidget* owner, QFileDialog::AcceptMode mode,
                                                       const QString& title, const QString& filter,
                                                       const QString& folder,
                                                       const QString& suggestedName) {
    auto dialog = std::make_unique<QFileDialog>(owner, title, QString(), filter);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setDefaultSuffix(firstExtension(filter));
    const QString start = startPath(folder, suggestedName);
    if (QFileInfo(start).isDir()) {
        dialog->setDirectory(start);
    } else {
        dialog->setDirectory(QFileInfo(start).absolutePath());
        dialog->selectFile(QFileInfo(start).fileName());
    }
    return dialog;
}

DesktopAccess& DesktopAccess::current() {
    static DesktopAccess access = defaults();
    return access;
}

bool DesktopAccess::openLink(const QUrl& url) {
    DesktopAccess& access = current();
    if (access.openUrl(url))
        return true;
    const bool mail = url.scheme() == QStringLiteral("mailto");
    const QString address = mail ? url.path() : url.toString();
    access.setClipboardText(address);
    const QString text =
        mail ? QStringLiteral("メールソフトを起動できませんでした。\r\n"
                              "次のアドレスをクリップボードにコピーしました。\r\n\r\n")
             : QStringLiteral("ブラウザーを起動できませんでした。\r\n"
                              "次のアドレスをクリップボードにコピーしましたので、"
                              "ブラウザーに貼り付けて開いて下さい。\r\n\r\n");
    Platform::current().showMessage(text + address, AppInfo::title(), MessageIcon::Warning);
    return false;
}

void DesktopAccess::restoreDefaults() {
    current() = defaults();
}
