#pragma once

#include <QFileDialog>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

// The file dialogs, the browser and the clipboard, reached through functions that a test can
// replace. The defaults use Qt's own dialogs, QDesktopServices and QClipboard.
struct DesktopAccess {
    // Open and save dialogs: owner, title, filter, initial folder, suggested name; an empty
    // answer means the dialog was cancelled.
    using FileDialog =
        std::function<QString(QWidget* owner, const QString& title, const QString& filter,
                              const QString& folder, const QString& suggestedName)>;

    FileDialog openFileName;
    FileDialog saveFileName;
    std::function<bool(const QUrl& url)> openUrl;
    // Plain text of the clipboard; empty when it holds none.
    std::function<QString()> clipboardText;
    // Clears the clipboard and puts the text on it.
    std::function<void(const QString& text)> setClipboardText;

    // The dialog behind the default open and save answers, ready to show: it starts in the folder
    // with the suggested name, and a name typed without extension gets the filter's first one
    // ("abc" opens or saves abc.csv for "CSVファイル(*.csv)").
    static std::unique_ptr<QFileDialog> fileDialog(QWidget* owner, QFileDialog::AcceptMode mode,
                                                   const QString& title, const QString& filter,
                                                   const QString& folder,
                                                   const QString& suggestedName);

    static DesktopAccess& current();
    // Opens a web page in the browser, or a mailto: address in the mail program. When neither
    // can be started, tells the user so with the address and puts the address on the clipboard.
    // True when the page or address was opened.
    static bool openLink(const QUrl& url);
    // Puts the Qt defaults back.
    static void restoreDefaults();
};
