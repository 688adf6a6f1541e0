#include "base/FileErrorText.h"

#include <cerrno>

QString FileErrorText::cause(int errnoValue) {
    switch (errnoValue) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case EACCES:
    case EPERM:
        return QStringLiteral("アクセスが拒否されました。");
    case EROFS:
        return QStringLiteral("読み取り専用のファイル システムです。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("フォルダーまたはファイルが見つかりません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case 0:
        return QStringLiteral("原因はわかりません。");
    default:
        return QStringLiteral("システム エラー %1 です。").arg(errnoValue);
    }
}

namespace {

RuntimeError fileIoError(const QString& fullPath, const QString& cause) {
    return {RuntimeError::FileIo, QStringLiteral("ファイル I/O エラーです。\r\n") + fullPath +
                                      QStringLiteral("\r\n") + cause};
}

} // namespace

RuntimeError FileErrorText::ioError(const QString& fullPath, int errnoValue) {
    return fileIoError(fullPath, cause(errnoValue));
}

RuntimeError FileErrorText::changedWhileReading(const QString& fullPath) {
    return fileIoError(fullPath, QStringLiteral("読み込み中にファイルが変更されました。"));
}
