#include "support/OfficialSite.h"

#include "base/OfficialUrlSettings.h"
#include "base/Platform.h"
#include "base/ShiftJis.h"
#include "drawdata/clsXmlSchedule.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The URL with its scheme and host replaced by base.
QString onServer(const QString& url, const QString& base) {
    const qsizetype hostStart = url.indexOf(u"://"_s);
    const qsizetype pathStart = hostStart < 0 ? -1 : url.indexOf(u'/', hostStart + 3);
    return pathStart < 0 ? url : base + url.mid(pathStart);
}

void writeSysData(const QString& name, const QString& text) {
    const QString folder = Platform::current().programFolder() + u"/SysData"_s;
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(ShiftJis::encode(text));
}

} // namespace

OfficialSite::OfficialSite() {
    m_started = m_server.start();
    OfficialUrlSettings& settings = OfficialUrlSettings::current();
    settings = OfficialUrlSettings::defaults();
    const QString base = m_server.baseUrl();
    settings.bigOfficialScheduleUrl = onServer(settings.bigOfficialScheduleUrl, base);
    settings.bigOfficialResultUrl = onServer(settings.bigOfficialResultUrl, base);
    settings.totoOfficialVoteUrl = onServer(settings.totoOfficialVoteUrl, base);
}

QString OfficialSite::target(const QString& url) const {
    return url.mid(m_server.baseUrl().size());
}

QString OfficialSite::scheduleTarget(const QString& holdCntId) const {
    const OfficialUrlSettings& settings = OfficialUrlSettings::current();
    return target(settings.bigOfficialScheduleUrl + holdCntId + settings.bigOfficialMiniBigUrl);
}

QString OfficialSite::voteTarget(const QString& holdCntId) const {
    const OfficialUrlSettings& settings = OfficialUrlSettings::current();
    return target(settings.totoOfficialVoteUrl + holdCntId + settings.totoOfficialTotoUrl);
}

QString OfficialSite::resultTarget(const QString& holdCntId) const {
    return target(OfficialUrlSettings::current().bigOfficialResultUrl + holdCntId);
}

void OfficialSite::serveSchedule(const QString& holdCntId, const QByteArray& page, int status) {
    m_server.setRoute(scheduleTarget(holdCntId), status, page);
}

void OfficialSite::serveVote(const QString& holdCntId, const QByteArray& page, int status) {
    m_server.setRoute(voteTarget(holdCntId), status, page);
}

void OfficialSite::serveResult(const QString& holdCntId, const QByteArray& page, int status) {
    m_server.setRoute(resultTarget(holdCntId), status, page);
}

void OfficialSite::serveSchedule(const QString& holdCntId, const LoopbackHttpServer::Route& route) {
    m_server.setRoute(scheduleTarget(holdCntId), route);
}

void OfficialSite::serveVote(const QString& holdCntId, const LoopbackHttpServer::Route& route) {
    m_server.setRoute(voteTarget(holdCntId), route);
}

void OfficialSite::serveResult(const QString& holdCntId, const LoopbackHttpServer::Route& route) {
    m_server.setRoute(resultTarget(holdCntId), route);
}

QStringList OfficialSite::requestedTargets() const {
    QStringList targets;
    for (const LoopbackHttpServer::Request& request : m_server.requests())
        targets << QString::fromUtf8(request.target);
    return targets;
}

QString OfficialSite::testPage(const QString& fileName) {
    QFile file(QStringLiteral(KELVOR_TEST_DATA) + u"/web/"_s + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void OfficialSite::writeTeamNames() {
    writeSysData(u"TeamName.dat"_s, u";Vantrel TeamName Data File (TeamName.dat)\r\n"
                                    u"鹿島 = 鹿島アントラーズ\r\n清水 = 清水エスパルス\r\n"
                                    u"浦和 = 浦和レッズ\r\nＧ大阪 = ガンバ大阪\r\n"
                                    u"川崎Ｆ = 川崎フロンターレ\r\n名古屋 = 名古屋グランパス\r\n"
                                    u"横浜FM = 横浜Ｆ・マリノス\r\nＣ大阪 = セレッソ大阪\r\n"
                                    u"神戸 = ヴィッセル神戸\r\n広島 = サンフレッチェ広島\r\n"
                                    u"鳥栖 = サガン鳥栖\r\n福岡 = アビスパ福岡\r\n"
                                    u"磐田 = ジュビロ磐田\r\n大分 = 大分トリニータ\r\n"
                                    u"横浜FC = 横浜ＦＣ\r\n徳島 = 徳島ヴォルティス\r\n"
                                    u"仙台 = ベガルタ仙台\r\n湘南 = 湘南ベルマーレ\r\n"_s);
    writeSysData(u"TeamName1.dat"_s, u";Vantrel TeamName Data File (TeamName1.dat)\r\n"
                                     u"市原 = ジェフユナイテッド市原\r\n"_s);
    writeSysData(u"TeamName2.dat"_s, u";Vantrel TeamName Data File (TeamName2.dat)\r\n"
                                     u"Version = 1\r\nRevision = 5\r\n"
                                     u"ﾌﾞﾗｼﾞﾙ = ブラジル\r\n[End]\r\n"_s);
    writeSysData(u"J1J2.dat"_s, u"2021J1 = 鹿島,浦和,川崎Ｆ\r\n"_s);
}

ScheduleData OfficialSite::schedule1234() {
    const QStringList teams{u"鹿島"_s,   u"清水"_s,   u"浦和"_s,   u"Ｇ大阪"_s, u"川崎Ｆ"_s,
                            u"名古屋"_s, u"横浜FM"_s, u"Ｃ大阪"_s, u"神戸"_s,   u"広島"_s,
                            u"鳥栖"_s,   u"福岡"_s,   u"磐田"_s,   u"大分"_s,   u"横浜FC"_s,
                            u"徳島"_s,   u"仙台"_s,   u"湘南"_s};
    ScheduleData data;
    data.Kaisaikai = 1234;
    for (int m = 0; m < 9; ++m) {
        MatchInfo& match = data.Matches[size_t(m)];
        match.Home = teams[2 * m];
        match.Away = teams[2 * m + 1];
        match.MatchDate = DateTime::fromDate(QDate(2021, 3, m < 4 ? 6 : 7));
        match.StartTime = DateTime::fromTime(QTime(14, 0));
        match.Stadium = u"競技場"_s + QString::number(m + 1);
        match.State = u"VS"_s;
    }
    data.SaleStart = DateTime::fromDateTime(QDate(2021, 3, 1), QTime(19, 0));
    data.SaleEnd = DateTime::fromDateTime(QDate(2021, 3, 6), QTime(13, 50));
    data.ResultDate = DateTime::fromDate(QDate(2021, 3, 8));
    return data;
}

bool OfficialSite::storeSchedule(const ScheduleData& data) {
    clsXmlSchedule xml;
    xml.SetData(data);
    return xml.XmlSave(xml.GetFileName(data.Kaisaikai, data.Kumi));
}
