#include "analysis/OutcomeModel.h"
#include "drawdata/MatchCount.h"

namespace {

constexpr std::array<double, 3> Uniform{1.0 / 3, 1.0 / 3, 1.0 / 3};

// The vote rates of a match; a match without votes (or with counts that make no sense) is
// even.
std::array<double, 3> voteChances(const VoteData& vote, int k) {
    if (vote.Kaisaikai == 0)
        return Uniform;
    const auto& outcomes = vote.Matches[k].Outcomes;
    double total = 0;
    for (const OutcomeVote& outcome : outcomes) {
        if (outcome.Votes.raw() < 0)
            return Uniform;
        total += double(outcome.Votes.raw());
    }
    if (!(total > 0))
        return Uniform;
    std::array<double, 3> chances{};
    for (int m = 0; m < 3; ++m)
        chances[m] = double(outcomes[m].Votes.raw()) / total;
    return chances;
}

} // namespace

OutcomeModel::OutcomeModel() {
    for (int k = 0; k < MatchCount; ++k)
        setOpen(k, Uniform);
}

OutcomeModel OutcomeModel::fromDraw(const VoteData& vote, const ResultMarks& marks) {
    OutcomeModel model;
    for (int k = 0; k < MatchCount; ++k) {
        bool cancelled = false;
        std::array<bool, 3> hits{};
        for (int m = 0; m < 3; ++m) {
            cancelled = cancelled || marks[m][k] == 3;
            hits[m] = marks[m][k] != 0;
        }
        if (cancelled)
            model.setCancelled(k);
        else if (hits[0] || hits[1] || hits[2])
            // Two marked outcomes cannot come from a click, but a hand-edited file can hold
            // them: both count as hits, as in the check.
            model.fixMatch(k, State::Decided, hits);
        else
            model.setOpen(k, voteChances(vote, k));
    }
    return model;
}

void OutcomeModel::setOpen(int k, const std::array<double, 3>& chances) {
    Match& match = m_matches[k];
    match.state = State::Open;
    match.canonical = {0, 1, 2};
    match.chance = chances;
    deriveHitChances(match);
}

void OutcomeModel::setDecided(int k, quint8 mark) {
    std::array<bool, 3> hits{};
    hits[mark] = true;
    fixMatch(k, State::Decided, hits);
}

void OutcomeModel::setCancelled(int k) {
    fixMatch(k, State::Cancelled, {true, true, true});
}

void OutcomeModel::fixMatch(int k, State state, const std::array<bool, 3>& hits) {
    Match& match = m_matches[k];
    match.state = state;
    quint8 fixed = 0;
    while (!hits[fixed])
        ++fixed;
    for (quint8 m = 0; m < 3; ++m)
        match.canonical[m] = hits[m] ? fixed : m;
    match.chance = {};
    match.chance[fixed] = 1;
    deriveHitChances(match);
}

void OutcomeModel::deriveHitChances(Match& match) {
    for (int mark = 0; mark < 3; ++mark) {
        const quint8 c = match.canonical[mark];
        match.hit[mark] = match.chance[c];
        // The sum of the other outcomes rather than 1 - hit, so that a certain hit is an
        // exact zero miss.
        double miss = 0;
        for (int m = 0; m < 3; ++m)
            if (m != c)
                miss += match.chance[m];
        match.miss[mark] = miss;
    }
}

int OutcomeModel::openMatchCount() const {
    int open = 0;
    for (const Match& match : m_matches)
        open += match.state == State::Open;
    return open;
}

qint32 OutcomeModel::possibleOutcomeCount() const {
    qint32 count = 1;
    for (int i = openMatchCount(); i > 0; --i)
        count *= 3;
    return count;
}

qint32 OutcomeModel::canonicalNumber(qint32 number) const {
    const SingleCodec::Marks& marks = SingleCodec::marksUnchecked(number);
    qint32 result = 0;
    qint32 power = 1;
    for (int k = 0; k < MatchCount; ++k, power *= 3)
        result += m_matches[k].canonical[marks[k]] * power;
    return result;
}

bool OutcomeModel::isPossible(const SingleCodec::Marks& outcome) const {
    for (int k = 0; k < MatchCount; ++k) {
        const Match& match = m_matches[k];
        if (match.state != State::Open && match.chance[outcome[k]] != 1)
            return false;
    }
    return true;
}
