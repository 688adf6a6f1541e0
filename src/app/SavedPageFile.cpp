#include "app/SavedPageFile.h"

#include "app/DesktopAccess.h"
#include "base/AppInfo.h"
#include "base/FileErrorText.h"
#include "base/Platform.h"
#include "web/clsWinInet.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace SavedPageFile {

QString askPath(QWidget* owner, const QString& folder) {
    return DesktopAccess::current().openFileName(
        owner, QStringLiteral("保存したページから読み込み"),
        QStringLiteral("Webページ(*.html *.htm)"), folder, QString());
}

bool isPage(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QStringLiteral("html") || suffix == QStringLiteral("htm");
}

bool read(const QString& path, QByteArray& page) {
    QFile file(path);
    errno = 0;
    // Nothing larger than the largest page a download takes: a file of another kind chosen by
    // mistake must not fill the memory.
    if (file.open(QIODevice::ReadOnly) && file.size() <= clsWinInet::MaxBodyBytes) {
        page = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
    }
    const QString cause = file.size() > clsWinInet::MaxBodyBytes
                              ? QStringLiteral("ページのファイルとしては大きすぎます。")
                              : FileErrorText::cause(errno);
    Platform::current().showMessage(path + QStringLiteral("\r\n") +
                                        QStringLiteral("ファイルを読み込めませんでした。") +
                                        QStringLiteral("\r\n") + cause,
                                    AppInfo::title(), MessageIcon::Warning);
    page.clear();
    return false;
}

} // namespace SavedPageFile
