#include "drawdata/clsXmlSchedule.h"

#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "drawdata/DrawDocumentDates.h"
#include "drawdata/DrawDocumentReader.h"
#include "drawdata/DrawDocumentValues.h"
#include "drawdata/DrawDocumentWriter.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

void applyMatchValue(MatchInfo& match, const QString& field, const QString& value) {
    if (field == u"<ホーム>"_s)
        match.Home = value;
    else if (field == u"<アウェイ>"_s)
        match.Away = value;
    else if (field == u"<試合開催日>"_s)
        match.MatchDate = DrawDocumentValues::toDateTime(value);
    else if (field == u"<試合開始予定時間>"_s)
        match.StartTime = DrawDocumentValues::toDateTime(value);
    else if (field == u"<競技場>"_s)
        match.Stadium = value;
    else if (field == u"<状態>"_s)
        match.State = value;
}

bool isMatchField(const QString& field) {
    static const QStringList fields = {u"<ホーム>"_s,           u"<アウェイ>"_s, u"<試合開催日>"_s,
                                       u"<試合開始予定時間>"_s, u"<競技場>"_s,   u"<状態>"_s};
    return fields.contains(field);
}

void applyValue(ScheduleData& data, qint32& matchNo, const QString& path, const QString& value) {
    using namespace DrawDocumentValues;
    const QString match = u"<指定試合>"_s;
    if (path == u"<開催回>"_s)
        data.Kaisaikai = ValueText::toLong(value);
    else if (path == u"<組>"_s)
        data.Kumi = value;
    else if (DrawDocumentDates::apply(data, path, value))
        return;
    else if (path == u"<開催状態>"_s)
        data.HeldState = value == u"中止"_s ? ScheduleData::Cancelled : ValueText::toLong(value);
    else if (path == match + u"<番号>"_s)
        matchNo = ValueText::toLong(value);
    else if (path.startsWith(match) && isMatchField(path.mid(match.size())))
        applyMatchValue(data.Matches[matchIndex(matchNo)], path.mid(match.size()), value);
}

} // namespace

clsXmlSchedule::clsXmlSchedule() : m_reporter(u"clsXmlSchedule"_s) {}

QString clsXmlSchedule::GetFileName(qint32 lngKaisaikai, const QString& strKumi) const {
    return DrawDocumentWriter::FileName(u"miniBIG_Schedule"_s, u"schedule"_s, lngKaisaikai,
                                        strKumi);
}

bool clsXmlSchedule::XmlSave(const QString& strPath) {
    DrawDocumentWriter w;
    w.Header(u"minibig_schedule.xsl"_s);
    w.Line(u"<miniBIG>"_s);
    w.Line(u"<開催>"_s);
    w.Element(u"開催回"_s, m_data.Kaisaikai);
    if (!m_data.Kumi.isEmpty())
        w.Element(u"組"_s, m_data.Kumi);
    for (int n = 1; n <= MatchCount; ++n) {
        const MatchInfo& match = m_data.Matches[n - 1];
        w.Line(u"<指定試合>"_s);
        w.Element(u"番号"_s, n);
        w.Element(u"試合開催日"_s, match.MatchDate);
        w.Element(u"試合開始予定時間"_s, match.StartTime);
        w.Element(u"競技場"_s, match.Stadium);
        w.Element(u"状態"_s, match.State);
        w.Element(u"ホーム"_s, match.Home);
        w.Element(u"アウェイ"_s, match.Away);
        w.Line(u"</指定試合>"_s);
    }
    if (m_data.HeldState == ScheduleData::Cancelled) {
        DrawDocumentDates::write(w, m_data, DrawDocumentDates::Written::SalePeriod);
        w.Line(u"<開催状態>中止</開催状態>"_s);
    } else {
        DrawDocumentDates::write(w, m_data, DrawDocumentDates::Written::SaleAndResult);
    }
    w.Line(u"</開催>"_s);
    w.Line(u"</miniBIG>"_s);
    return w.Save(strPath, m_reporter, u"XmlSave"_s);
}

bool clsXmlSchedule::XmlLoad(const QString& strPath) {
    DrawDocumentReader reader(m_reporter);
    QString text;
    if (!reader.ReadFile(strPath, text))
        return false;
    return reader.ReadRecord(text, u"<開催>"_s, m_data, applyValue);
}

bool clsXmlSchedule::XmlSave_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    DrawDocumentWriter w;
    w.Header(u"style.xsl"_s);
    w.Line(u"<miniBIG>"_s);
    w.Line(u"<開催>"_s);
    w.Element(u"開催回"_s, lngKaisaikai);
    w.Line(u"<開催状態>"_s + u"1"_s + u"</開催状態>"_s);
    w.Line(u"</開催>"_s);
    w.Line(u"</miniBIG>"_s);
    return w.Save(GetFileName(lngKaisaikai, strKumi), m_reporter, u"XmlSave_NoGame"_s);
}

bool clsXmlSchedule::XmlDelete_NoGame(qint32 lngKaisaikai, const QString& strKumi) {
    const QString path = GetFileName(lngKaisaikai, strKumi);
    if (QFile::remove(path))
        return true;
    m_reporter.failure(u"XmlDelete_NoGame"_s,
                       path + u"\r\n"_s + u"ファイルの削除に失敗しました。"_s);
    return false;
}
