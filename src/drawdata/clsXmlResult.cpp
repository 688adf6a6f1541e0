#include "drawdata/clsXmlResult.h"

#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "drawdata/DrawDocumentDates.h"
#include "drawdata/DrawDocumentReader.h"
#include "drawdata/DrawDocumentValues.h"
#include "drawdata/DrawDocumentWriter.h"
#include "drawdata/clsToto.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Sets the grade field of a per-grade table ("<一等>" ... "<三等>"); other grades are ignored.
void applyGrade(std::array<Money, ResultData::GradeCount>& table, const QString& field,
                const QString& value) {
    for (qint32 g = 1; g <= ResultData::GradeCount; ++g) {
        if (field == u'<' + clsXmlResult::GradeName(g) + u'>') {
            table[std::size_t(g - 1)] = ValueText::toMoney(value);
            return;
        }
    }
}

// A field below "<指定試合>"; paths outside the field table are ignored.
void applyMatchValue(ResultData& data, qint32 matchNo, const QString& field, const QString& value) {
    using namespace DrawDocumentValues;
    if (field == u"<くじ結果>"_s)
        data.Matches[matchIndex(matchNo)].Mark = ValueText::toByte(value);
    else if (field == u"<競技場>"_s)
        data.Matches[matchIndex(matchNo)].Stadium = value;
    else if (field == u"<ホーム>"_s)
        data.Matches[matchIndex(matchNo)].Home = value;
    else if (field == u"<アウェイ>"_s)
        data.Matches[matchIndex(matchNo)].Away = value;
    else if (field == u"<ホーム得点>"_s)
        data.Matches[matchIndex(matchNo)].HomeScore = ValueText::toByte(value);
    else if (field == u"<アウェイ得点>"_s)
        data.Matches[matchIndex(matchNo)].AwayScore = ValueText::toByte(value);
    else if (field == u"<試合開催日>"_s)
        data.Matches[matchIndex(matchNo)].MatchDate = toDateTime(value);
}

void applyValue(ResultData& data, qint32& matchNo, const QString& path, const QString& value) {
    using namespace DrawDocumentValues;
    const QString match = u"<指定試合>"_s;
    const QString prize = u"<当せん金>"_s;
    const QString winners = u"<当せん口数>"_s;
    const QString carryOver = u"<次回への繰越金>"_s;
    if (path == u"<開催回>"_s)
        data.Kaisaikai = ValueText::toLong(value);
    else if (path.startsWith(prize))
        applyGrade(data.Prize, path.mid(prize.size()), value);
    else if (path.startsWith(winners))
        applyGrade(data.Winners, path.mid(winners.size()), value);
    else if (path.startsWith(carryOver))
        applyGrade(data.CarryOver, path.mid(carryOver.size()), value);
    else if (DrawDocumentDates::apply(data, path, value) ||
             DrawDocumentDates::applyRefund(data, path, value))
        return;
    else if (path == u"<売上金額>"_s)
        data.Sales = ValueText::toMoney(value);
    else if (path == u"<投票口数>"_s)
        data.Votes = ValueText::toMoney(value);
    else if (path == u"<投票枚数>"_s)
        data.Tickets = ValueText::toMoney(value);
    else if (path == u"<開催状態>"_s) {
        if (value == u"中止"_s)
            data.Cancelled = true;
    } else if (path == match + u"<番号>"_s)
        matchNo = ValueText::toLong(value);
    else if (path.startsWith(match))
        applyMatchValue(data, matchNo, path.mid(match.size()), value);
}

} // namespace

clsXmlResult::clsXmlResult() : m_reporter(u"clsXmlResult"_s) {}

QString clsXmlResult::GradeName(qint32 lngGrade) {
    static const std::array<QString, 6> names = {u"一等"_s, u"二等"_s, u"三等"_s,
                                                 u"四等"_s, u"五等"_s, u"六等"_s};
    if (lngGrade < 1 || lngGrade > qint32(names.size()))
        throw RuntimeError::subscriptOutOfRange();
    return names[std::size_t(lngGrade - 1)];
}

QString clsXmlResult::GetFileName(qint32 lngKaisaikai, const QString& strKumi) const {
    return DrawDocumentWriter::FileName(u"miniBIG_Result"_s, u"result"_s, lngKaisaikai, strKumi);
}

bool clsXmlResult::XmlSave(const QString& strPath) {
    DrawDocumentWriter w;
    w.Header(u"minibig_result.xsl"_s);
    w.Line(u"<miniBIG>"_s);
    w.Line(u"<結果>"_s);
    w.Element(u"開催回"_s, m_data.Kaisaikai);
    if (!m_data.Kumi.isEmpty())
        w.Element(u"組"_s, m_data.Kumi);
    for (int n = 1; n <= MatchCount; ++n) {
        const ResultMatch& match = m_data.Matches[n - 1];
        w.Line(u"<指定試合>"_s);
        w.Element(u"番号"_s, n);
        w.Element(u"くじ結果"_s, qint32(match.Mark));
        w.Element(u"ホーム"_s, match.Home);
        w.Element(u"アウェイ"_s, match.Away);
        w.Element(u"ホーム得点"_s, qint32(match.HomeScore));
        w.Element(u"アウェイ得点"_s, qint32(match.AwayScore));
        w.Line(u"</指定試合>"_s);
    }
    if (m_data.Cancelled) {
        w.Element(u"開催状態"_s, u"中止"_s);
        DrawDocumentDates::write(w, m_data, DrawDocumentDates::Written::Refund);
    } else {
        const qint32 grades = clsToto().GetMaxGrade(m_data);
        const auto table = [&](const QString& name,
                               const std::array<Money, ResultData::GradeCount>& values) {
            w.Line(u'<' + name + u'>');
            for (qint32 g = 1; g <= grades; ++g)
                w.Element(GradeName(g), values[std::size_t(g - 1)]);
            w.Line(u"</"_s + name + u'>');
        };
        table(u"当せん金"_s, m_data.Prize);
        table(u"当せん口数"_s, m_data.Winners);
        table(u"次回への繰越金"_s, m_data.CarryOver);
        DrawDocumentDates::write(w, m_data, DrawDocumentDates::Written::SaleResultAndPayout);
        w.Element(u"売上金額"_s, m_data.Sales);
        w.Element(u"投票口数"_s, m_data.Votes);
        w.Element(u"投票枚数"_s, m_data.Tickets);
    }
    w.Line(u"</結果>"_s);
    w.Line(u"</miniBIG>"_s);
    return w.Save(strPath, m_reporter, u"XmlSave"_s);
}

bool clsXmlResult::XmlLoad(const QString& strPath) {
    DrawDocumentReader reader(m_reporter);
    QString text;
    if (!reader.ReadFile(strPath, text))
        return false;
    return reader.ReadRecord(text, u"<結果>"_s, m_data, applyValue);
}
