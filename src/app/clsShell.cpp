#include "app/clsShell.h"

#include "base/Platform.h"

#include <QFileInfo>

clsShell::clsShell() : m_folder(Platform::current().programFolder()) {}

clsShell::clsShell(QString strFolder) : m_folder(std::move(strFolder)) {}

bool clsShell::IsVirtualstore() const {
    const QFileInfo folder(m_folder);
    return !(folder.isDir() && folder.isWritable());
}

bool clsShell::CheckVirtualstoreAdmin() const {
    if (!IsVirtualstore())
        return true;
    Platform::current().showMessage(
        QStringLiteral("Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                       "アプリケーションを終了させ管理者として実行して下さい。"),
        QStringLiteral("管理権限不足エラー"), MessageIcon::Warning);
    return false;
}
