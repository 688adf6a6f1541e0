#include "documents/DamagedDocument.h"

#include "base/Platform.h"
#include "base/clsFileSystemObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace DamagedDocument {

QString Folder() {
    return Platform::current().programFolder() + u"/SysData/Damaged"_s;
}

bool OfferRepair(const QString& path, const QString& document) {
    Platform& platform = Platform::current();
    const QString title = u' ' + document;
    if (!platform.askYesNo(u"保存されている "_s + document + u" のファイルが壊れています。\r\n"_s +
                               QDir::toNativeSeparators(path) + u"\r\n\r\nこのファイルを "_s +
                               QDir::toNativeSeparators(Folder()) +
                               u" に移して、もう一度ダウンロードしますか？"_s,
                           title, MessageIcon::Warning, true))
        return false;
    if (!MoveAside(path).isEmpty())
        return true;
    platform.showMessage(u"壊れたファイルを移動できませんでした。\r\n"_s +
                             QDir::toNativeSeparators(path),
                         title, MessageIcon::Warning);
    return false;
}

QString MoveAside(const QString& path) {
    if (!clsFileSystemObject().FolderCheck(Folder()))
        return QString();
    const QFileInfo file(path);
    QString target = Folder() + u'/' + file.fileName();
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = Folder() + u'/' + file.completeBaseName() + u" ("_s + QString::number(n) +
                 u")."_s + file.suffix();
    // A rename never replaces a file; between two drives it copies, then removes the original.
    return QFile::rename(path, target) ? target : QString();
}

} // namespace DamagedDocument
