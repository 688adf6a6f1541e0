#include "drawdata/clsXmlVote.h"

#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "drawdata/DrawDocumentDates.h"
#include "drawdata/DrawDocumentReader.h"
#include "drawdata/DrawDocumentValues.h"
#include "drawdata/DrawDocumentWriter.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Outcome elements in the order they are written: index = outcome mark.
const std::array<QString, 3>& outcomeNames() {
    static const std::array<QString, 3> names = {u"その他"_s, u"ホーム勝ち"_s, u"ホーム負け"_s};
    return names;
}

// Sets a money field of the three-way totals ("<合計>", "<マルチ>", "<シングル>").
void applyTotal(Money& total, Money& multi, Money& single, const QString& field,
                const QString& value) {
    if (field == u"<合計>"_s)
        total = ValueText::toMoney(value);
    else if (field == u"<マルチ>"_s)
        multi = ValueText::toMoney(value);
    else if (field == u"<シングル>"_s)
        single = ValueText::toMoney(value);
}

// A field below "<指定試合>"; paths outside the field table are ignored.
void applyMatchValue(VoteData& data, qint32 matchNo, const QString& field, const QString& value) {
    using namespace DrawDocumentValues;
    if (field == u"<試合開催日>"_s) {
        data.Matches[matchIndex(matchNo)].MatchDate = toDateTime(value);
    } else if (field == u"<試合開始予定時間>"_s) {
        data.Matches[matchIndex(matchNo)].StartTime = toDateTime(value);
    } else if (field == u"<ホーム>"_s) {
        data.Matches[matchIndex(matchNo)].Home = value;
    } else if (field == u"<アウェイ>"_s) {
        data.Matches[matchIndex(matchNo)].Away = value;
    } else {
        for (std::size_t k = 0; k < outcomeNames().size(); ++k) {
            const QString outcome = u'<' + outcomeNames()[k] + u'>';
            if (field == outcome + u"<投票口数>"_s)
                data.Matches[matchIndex(matchNo)].Outcomes[k].Votes = ValueText::toMoney(value);
            else if (field == outcome + u"<投票率>"_s)
                data.Matches[matchIndex(matchNo)].Outcomes[k].Rate = ValueText::toMoney(value);
        }
    }
}

void applyValue(VoteData& data, qint32& matchNo, const QString& path, const QString& value) {
    using namespace DrawDocumentValues;
    const QString match = u"<指定試合>"_s;
    if (path == u"<開催回>"_s)
        data.Kaisaikai = ValueText::toLong(value);
    else if (path == u"<販売終了時点>"_s)
        data.AsOf = toDateTime(value);
    else if (const QString sales = u"<売上金額>"_s; path.startsWith(sales))
        applyTotal(data.SalesTotal, data.SalesMulti, data.SalesSingle, path.mid(sales.size()),
                   value);
    else if (const QString votes = u"<投票口数>"_s; path.startsWith(votes))
        applyTotal(data.VotesTotal, data.VotesMulti, data.VotesSingle, path.mid(votes.size()),
                   value);
    else if (const QString tickets = u"<投票枚数>"_s; path.startsWith(tickets))
        applyTotal(data.TicketsTotal, data.TicketsMulti, data.TicketsSingle,
                   path.mid(tickets.size()), value);
    else if (DrawDocumentDates::apply(data, path, value))
        return;
    else if (path == match + u"<番号>"_s)
        matchNo = ValueText::toLong(value);
    else if (path.startsWith(match))
        applyMatchValue(data, matchNo, path.mid(match.size()), value);
}

} // namespace

clsXmlVote::clsXmlVote() : m_reporter(u"clsXmlVote"_s) {}

QString clsXmlVote::GetFileName(qint32 lngKaisaikai, const QString& strKumi) const {
    return DrawDocumentWriter::FileName(u"miniBIG_Vote"_s, u"vote"_s, lngKaisaikai, strKumi);
}

DrawDocumentWriter clsXmlVote::buildText(bool blnHeader) const {
    DrawDocumentWriter w;
    if (blnHeader) {
        w.Header(u"minibig_vote.xsl"_s);
        w.Line(u"<miniBIG>"_s);
    }
    w.Line(u"<投票状況>"_s);
    w.Element(u"開催回"_s, m_data.Kaisaikai);
    if (!m_data.Kumi.isEmpty())
        w.Element(u"組"_s, m_data.Kumi);
    w.Element(u"販売終了時点"_s, m_data.AsOf);
    for (int n = 1; n <= MatchCount; ++n) {
        const VoteMatch& match = m_data.Matches[n - 1];
        w.Line(u"<指定試合>"_s);
        w.Element(u"番号"_s, n);
        w.Element(u"試合開催日"_s, match.MatchDate);
        w.Element(u"試合開始予定時間"_s, match.StartTime);
        w.Element(u"ホーム"_s, match.Home);
        w.Element(u"アウェイ"_s, match.Away);
        for (std::size_t k = 0; k < outcomeNames().size(); ++k) {
            w.Line(u'<' + outcomeNames()[k] + u'>');
            w.Element(u"投票口数"_s, match.Outcomes[k].Votes);
            w.Element(u"投票率"_s, match.Outcomes[k].Rate);
            w.Line(u"</"_s + outcomeNames()[k] + u'>');
        }
        w.Line(u"</指定試合>"_s);
    }
    w.Line(u"</投票状況>"_s);
    if (blnHeader)
        w.Line(u"</miniBIG>"_s);
    return w;
}

QString clsXmlVote::GetXmlString(bool blnHeader) const {
    return buildText(blnHeader).Text();
}

bool clsXmlVote::SetXmlString(const QString& strXML, bool blnHeader) {
    const QString text = blnHeader ? strXML : u"<miniBIG>\r\n"_s + strXML + u"\r\n</miniBIG>"_s;
    const DrawDocumentReader reader(m_reporter);
    return reader.ReadRecord(text, u"<投票状況>"_s, m_data, applyValue);
}

bool clsXmlVote::XmlSave(const QString& strPath) {
    return buildText(true).Save(strPath, m_reporter, u"XmlSave"_s);
}

bool clsXmlVote::XmlLoad(const QString& strPath) {
    DrawDocumentReader reader(m_reporter);
    QString text;
    if (!reader.ReadFile(strPath, text))
        return false;
    return reader.ReadRecord(text, u"<投票状況>"_s, m_data, applyValue);
}
