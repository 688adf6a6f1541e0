#include "base/OfficialUrlSettings.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "base/clsIniFile.h"

#include <QUrl>
#include <iterator>

namespace {

const QString officialHost = QStringLiteral("store.toto-dream.com");

// The keys in file order with the field each one fills.
struct UrlKey {
    const char16_t* name;
    QString OfficialUrlSettings::*field;
};

const UrlKey urlKeys[] = {
    {u"bigOfficialScheduleUrl", &OfficialUrlSettings::bigOfficialScheduleUrl},
    {u"bigOfficialResultUrl", &OfficialUrlSettings::bigOfficialResultUrl},
    {u"bigOfficialBigUrl", &OfficialUrlSettings::bigOfficialBigUrl},
    {u"bigOfficialMiniBigUrl", &OfficialUrlSettings::bigOfficialMiniBigUrl},
    {u"bigOfficialBig1000Url", &OfficialUrlSettings::bigOfficialBig1000Url},
    {u"bigOfficialBig100Url", &OfficialUrlSettings::bigOfficialBig100Url},
    {u"totoOfficialVoteUrl", &OfficialUrlSettings::totoOfficialVoteUrl},
    {u"totoOfficialTotoUrl", &OfficialUrlSettings::totoOfficialTotoUrl},
    {u"bigOfficialSalesScheduleUrl", &OfficialUrlSettings::bigOfficialSalesScheduleUrl},
    {u"Proxy", &OfficialUrlSettings::Proxy},
};

// The comment line above each key; an empty line goes before the vote page's group and before
// each of our own keys.
const char16_t* const keyComments[] = {u";BIGオフィシャル開催情報URL",
                                       u";BIGオフィシャルくじ結果URL",
                                       u";BIGオフィシャルURL(BIG)",
                                       u";BIGオフィシャルURL(mini BIG)",
                                       u";BIGオフィシャルURL(BIG 1000)",
                                       u";BIGオフィシャルURL(100円BIG)",
                                       u";totoオフィシャル投票状況URL",
                                       u";totoオフィシャルURL(toto)",
                                       u";BIGオフィシャル販売スケジュールURL",
                                       u";プロキシサーバー(host:port、空欄のときは環境の設定)"};
static_assert(std::size(keyComments) == std::size(urlKeys));
constexpr std::size_t firstGroupBreak = 6;

void reportCorrupt() {
    Platform::current().showMessage(QStringLiteral("bigSettings.ini") +
                                        QStringLiteral("ファイルが破損しています。"),
                                    AppInfo::title(), MessageIcon::Error);
}

} // namespace

OfficialUrlSettings OfficialUrlSettings::defaults() {
    const QString site = QStringLiteral("https://") + officialHost;
    OfficialUrlSettings s;
    s.Version = 1;
    s.bigOfficialScheduleUrl =
        site +
        QStringLiteral("/dcs/subos/screen/pi02/spin005/"
                       "PGSPIN00501DispBIGLotAssignGameDetail.form?popupDispDiv=0&holdCntId=");
    s.bigOfficialResultUrl =
        site + QStringLiteral("/dcs/subos/screen/pi05/spin014/"
                              "PGSPIN01401LnkHoldCntLotResultLstBIG.form?holdCntId=");
    s.bigOfficialBigUrl = QStringLiteral("&commodityId=09");
    s.bigOfficialMiniBigUrl = QStringLiteral("&commodityId=10");
    s.bigOfficialBig1000Url = QStringLiteral("&commodityId=11");
    s.bigOfficialBig100Url = QStringLiteral("&commodityId=13");
    s.totoOfficialVoteUrl = site + QStringLiteral("/dcs/subos/screen/pi09/spin003/"
                                                  "PGSPIN00301InitVoteRate.form?holdCntId=");
    s.totoOfficialTotoUrl = QStringLiteral("&commodityId=01");
    s.bigOfficialSalesScheduleUrl =
        QStringLiteral("http://www.toto-dream.com/dci/I/IPA/IPA02.do?op=initBIGLotSalesSchedule");
    return s;
}

bool OfficialUrlSettings::schedulePageIsDefault() const {
    const auto page = [](const QString& url) -> QString {
        const QUrl parsed(url);
        return parsed.path() + u'?' + parsed.query();
    };
    return page(bigOfficialScheduleUrl) == page(defaults().bigOfficialScheduleUrl) &&
           bigOfficialMiniBigUrl == defaults().bigOfficialMiniBigUrl;
}

OfficialUrlSettings& OfficialUrlSettings::current() {
    static OfficialUrlSettings settings = defaults();
    return settings;
}

void OfficialUrlSettings::Load() {
    OfficialUrlSettings& s = current();
    s = defaults();
    if (!clsFileSystemObject().FileExists(fileName())) {
        Save();
        return;
    }
    clsIniFile ini;
    if (!ini.Initialize(fileName())) {
        reportCorrupt();
        return;
    }
    try {
        s.Version = ValueText::toLong(ini.GetItem(QStringLiteral("Version"), QStringLiteral("0")));
    } catch (const RuntimeError&) {
        reportCorrupt(); // Version keeps its default
    }
    for (const UrlKey& key : urlKeys)
        s.*key.field = ini.GetItem(QString::fromUtf16(key.name), s.*key.field);
    if (s.Version < 1) {
        s = defaults();
        Save();
    }
}

bool OfficialUrlSettings::Save() {
    return current().write(false);
}

bool OfficialUrlSettings::write(bool blnErrMessage) const {
    const QString crlf = QStringLiteral("\r\n");
    QString text;
    text += QStringLiteral(";Vantrel Toto Settings Ini File (bigSettings.ini)") + crlf;
    text += u';' + AppInfo::copyright() + crlf;
    text += crlf;
    text += QStringLiteral("Version = ") + QString::number(Version) + crlf;
    text += crlf;
    for (std::size_t i = 0; i < std::size(urlKeys); ++i) {
        if (i >= firstGroupBreak && i != firstGroupBreak + 1)
            text += crlf;
        text += QString::fromUtf16(keyComments[i]) + crlf;
        text += QString::fromUtf16(urlKeys[i].name) + QStringLiteral(" = ") +
                this->*urlKeys[i].field + crlf;
    }
    clsFileStream stream;
    stream.ErrMessage = blnErrMessage;
    return stream.SaveToFile(fileName(), text);
}
