#include "web/clsVantrelDownload.h"

#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ShiftJis.h"
#include "drawdata/TeamName2Files.h"
#include "drawdata/TeamNameFileCheck.h"
#include "drawdata/clsTotoData.h"
#include "web/VersionCatalogue.h"

namespace {

const QString Title = QStringLiteral(" Vantrel");
const QString TeamName2File = QStringLiteral("TeamName2.dat");
const QString TeamNamesCaption = QStringLiteral("海外チーム名");

} // namespace

QString clsVantrelDownload::DefaultFolderUrl() {
    return QStringLiteral("http://") + QString::fromUtf16(MakerHost) +
           QStringLiteral("/download/2021/");
}

clsVantrelDownload::clsVantrelDownload(QString strFolderUrl)
    : m_reporter(QStringLiteral("clsVantrelDownload")), m_folderUrl(std::move(strFolderUrl)) {}

bool clsVantrelDownload::DownloadTeamName2(QObject* objOwnerForm, bool blnDQuestion) {
    if (blnDQuestion &&
        !Platform::current().askYesNo(QStringLiteral("Vantrelより ") + TeamNamesCaption +
                                          QStringLiteral(" をダウンロードします。よろしいですか？"),
                                      QStringLiteral("  Vantrel"), MessageIcon::Information, true))
        return false;
    if (m_items.isEmpty() && !GetFileVersion(objOwnerForm))
        return false;

    const qint32 remote = TeamNameFileCheck::VersionNumber(GetItem(TeamName2File, QString()));
    if (remote == 0) {
        warn(QStringLiteral("海外チーム名のバージョン取得に失敗しました。"));
        return false;
    }
    const qint32 local = TeamNameFileCheck::VersionNumber(clsTotoData().GetTeamName2Version());
    if (local == 0) {
        warn(QStringLiteral("海外チーム名のバージョンが不明です。"));
        return false;
    }
    if (remote < local) {
        warn(QStringLiteral("海外チーム名のバージョンが異常です。"));
        return false;
    }
    if (remote == local) {
        inform(QStringLiteral("海外チーム名の情報は最新です。"));
        return true;
    }
    if (!GetTeamName2(objOwnerForm, local, remote))
        return false;
    inform(QStringLiteral("海外チーム名を最新版に更新しました。"));
    return true;
}

QString clsVantrelDownload::GetItem(const QString& strKey, const QString& strDefault) const {
    if (strKey.isEmpty())
        return strDefault;
    for (const auto& [key, value] : m_items) {
        if (key.compare(strKey, Qt::CaseInsensitive) == 0)
            return value;
    }
    return strDefault;
}

QString clsVantrelDownload::download(const QString& strFileName, QObject* objOwnerForm) {
    if (!m_inet.Connection())
        return QString();
    return m_inet.GetHttpDataString(m_folderUrl + strFileName, QString(), objOwnerForm, 0);
}

bool clsVantrelDownload::GetFileVersion(QObject* objOwnerForm) {
    m_items.clear();
    m_inet.SetProgressDialogMessage(QStringLiteral("ファイルバージョン取得中 (Vantrel)"));
    try {
        const QString text = download(QStringLiteral("version.dat"), objOwnerForm);
        if (!checkText(text))
            return false;
        const std::optional<VersionCatalogue::Entries> entries = VersionCatalogue::Read(text);
        if (!entries) {
            downloadFailed(QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"));
            return false;
        }
        m_items = *entries;
        return true;
    } catch (const RuntimeError& e) {
        m_items.clear();
        m_reporter.runtimeError(QStringLiteral("GetFileVersion"), e);
        return false;
    }
}

bool clsVantrelDownload::GetTeamName2(QObject* objOwnerForm, qint32 lngLocal, qint32 lngRemote) {
    m_inet.SetProgressDialogMessage(QStringLiteral("海外チーム名取得中 (Vantrel)"));
    try {
        QByteArray bytes;
        if (m_inet.Connection())
            m_inet.GetHttpData(m_folderUrl + TeamName2File, bytes, QString(), objOwnerForm);
        if (!checkText(ShiftJis::decode(bytes)))
            return false;
        // The answer replaces the installed file only when it is a team-name file of the
        // announced version; the old file is kept for 海外チーム名を元に戻す.
        const TeamNameFileCheck::Verdict verdict =
            TeamNameFileCheck::Check(bytes, lngLocal, lngRemote);
        if (!verdict.accepted()) {
            downloadFailed(QStringLiteral("原因：") + TeamName2File +
                           QStringLiteral(" が異常です") + QStringLiteral("\r\n") +
                           verdict.refusal);
            return false;
        }
        return TeamName2Files::Install(bytes);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetTeamName2"), e);
        return false;
    }
}

bool clsVantrelDownload::checkText(const QString& strText) const {
    if (strText.isEmpty()) {
        downloadFailed(QStringLiteral("原因：サイトが見つかりません"));
        return false;
    }
    if (strText.contains(QStringLiteral("The requested URL was not found on this server"))) {
        downloadFailed(QStringLiteral("原因：アドレスが見つかりません"));
        return false;
    }
    // Another answer than 2xx is an error page, whatever it holds.
    if (!m_inet.LastAnswerOk()) {
        downloadFailed(QStringLiteral("原因：サーバーがエラーを返しました（") +
                       QString::number(m_inet.LastStatus()) + QStringLiteral("）"));
        return false;
    }
    return true;
}

void clsVantrelDownload::inform(const QString& strText) const {
    Platform::current().showMessage(strText, Title, MessageIcon::Information);
}

void clsVantrelDownload::warn(const QString& strText) const {
    Platform::current().showMessage(strText, Title, MessageIcon::Warning);
}

void clsVantrelDownload::downloadFailed(const QString& strCause) const {
    warn(QStringLiteral("インターネットよりダウンロードに失敗しました。") + QStringLiteral("\r\n") +
         strCause);
}
