#include "drawdata/clsTotoData.h"

#include "base/AppInfo.h"
#include "base/Platform.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString& lastMissingTeamName() {
    static QString name;
    return name;
}

// The names of a league list, for lists that separate them ("札幌,仙台,..." or with blanks).
QStringList listedNames(const QString& list) {
    static const QRegularExpression separators(u"[,、\\s]+"_s);
    return list.split(separators, Qt::SkipEmptyParts);
}

} // namespace

clsTotoData::clsTotoData() {
    m_teamName.Initialize(u"SysData/TeamName.dat"_s);
    m_teamName1.Initialize(u"SysData/TeamName1.dat"_s);
    m_teamName2.Initialize(u"SysData/TeamName2.dat"_s);
    m_teamName3.Initialize(u"SysData/TeamName3.dat"_s);
    m_j1j2.Initialize(u"SysData/J1J2.dat"_s);
}

QString clsTotoData::LastMissingTeamName() {
    return lastMissingTeamName();
}

void clsTotoData::SetLastMissingTeamName(const QString& strLongName) {
    lastMissingTeamName() = strLongName;
}

QString clsTotoData::GetShortTeamName(const QString& strLongName, qint32 lngKaisaikai) {
    if (lngKaisaikai == 0) {
        Platform::current().showMessage(u"開催回が不明です"_s, u"GetShortTeamName"_s,
                                        MessageIcon::Warning);
        return QString();
    }
    QString shortName = m_teamName.GetKey(strLongName);
    if (shortName.isEmpty())
        shortName =
            (lngKaisaikai < OverseasTableFrom ? m_teamName1 : m_teamName2).GetKey(strLongName);
    if (shortName.isEmpty() && m_teamName3.Enabled())
        shortName = m_teamName3.GetKey(strLongName);
    if (!shortName.isEmpty())
        return shortName;
    Platform::current().showMessage(
        u"チーム名："_s + strLongName + u" が見つかりません。"_s + u"\r\n"_s +
            u"最新のチーム名データをダウンロードするかチーム名を追加して下さい。"_s,
        AppInfo::title(), MessageIcon::Warning);
    SetLastMissingTeamName(strLongName);
    return QString();
}

QList<std::pair<QString, QString>> clsTotoData::TeamNamePairs(qint32 lngKaisaikai) const {
    QList<std::pair<QString, QString>> pairs;
    for (const clsIniFile* table :
         {&m_teamName, lngKaisaikai < OverseasTableFrom ? &m_teamName1 : &m_teamName2,
          &m_teamName3}) {
        for (qint32 i = 1; i <= table->Count(); ++i)
            pairs.append(table->Item(i));
    }
    return pairs;
}

QString clsTotoData::GetLongTeamName(const QString& strShortName) const {
    return m_teamName.GetItem(strShortName, QString());
}

QString clsTotoData::GetShortToJ1J2String(const QString& strShortName, qint32 lngYear) const {
    if (strShortName.isEmpty())
        return QString();
    QStringList lists;
    for (int k = 1; k <= 3; ++k)
        lists << m_j1j2.GetItem(QString::number(lngYear) + u'J' + QString::number(k), QString());
    // A listed name equal to the club decides first, so that a club whose short name is part
    // of another's (栃木 in 栃木Ｃ) is not taken for that club's league; only then does a
    // list that merely contains the name count.
    for (int k = 1; k <= 3; ++k) {
        if (listedNames(lists[k - 1]).contains(strShortName))
            return u'J' + QString::number(k);
    }
    for (int k = 1; k <= 3; ++k) {
        if (lists[k - 1].contains(strShortName))
            return u'J' + QString::number(k);
    }
    return QString();
}

QString clsTotoData::GetTeamName2Version() const {
    return m_teamName2.GetItem(u"Version"_s, u"0"_s) + u'.' +
           m_teamName2.GetItem(u"Revision"_s, u"0"_s);
}

bool clsTotoData::ExistsLongTeamName(const QString& strLongName) const {
    return m_teamName.KeyExists(strLongName) || m_teamName2.KeyExists(strLongName) ||
           (m_teamName3.Enabled() && m_teamName3.KeyExists(strLongName));
}

QStringList clsTotoData::ShortTeamNames(qint32 lngKaisaikai) const {
    QStringList names;
    const clsIniFile& second = lngKaisaikai < OverseasTableFrom ? m_teamName1 : m_teamName2;
    for (const clsIniFile* table : {&m_teamName, &second, &m_teamName3}) {
        for (qint32 i = 1; table->Enabled() && i <= table->Count(); ++i) {
            const QString& name = table->Item(i).first;
            // TeamName2.dat carries its version in two entries of its own.
            if (table == &m_teamName2 && (name.compare(u"Version"_s, Qt::CaseInsensitive) == 0 ||
                                          name.compare(u"Revision"_s, Qt::CaseInsensitive) == 0))
                continue;
            if (!names.contains(name))
                names << name;
        }
    }
    return names;
}
