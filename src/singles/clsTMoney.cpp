#include "singles/clsTMoney.h"

#include "base/NumberFormat.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "drawdata/MatchCount.h"

#include <cmath>

namespace {

// Products of nine percentages are turned into plain chances by 100^9.
constexpr double PercentPower = 1e18;

} // namespace

clsTMoney::clsTMoney() : m_reporter(QStringLiteral("clsTMoney")) {}

bool clsTMoney::SetVoteData(const VoteData& vote) {
    decltype(m_rate) rate{};
    decltype(m_miss) miss{};
    try {
        for (int k = 0; k < MatchCount; ++k) {
            const auto& outcomes = vote.Matches[k].Outcomes;
            const Money sum = outcomes[0].Votes + outcomes[1].Votes + outcomes[2].Votes;
            const qint32 total = ValueText::toLong(sum.toDouble());
            for (int m = 0; m < 3; ++m) {
                if (total != 0)
                    rate[k][m] = outcomes[m].Votes.toDouble() / total * 100;
                else
                    rate[k][m] = vote.Kaisaikai != 0 ? 1.0 / 3 * 100 : 0;
                miss[k][m] = 100 - rate[k][m];
            }
        }
    } catch (const RuntimeError& e) {
        m_rate = {};
        m_miss = {};
        m_pool = {};
        m_reporter.runtimeError(QStringLiteral("SetVoteData"), e);
        return false;
    }
    m_rate = rate;
    m_miss = miss;
    // 100 yen per 口, half of the sales paid out, shared 0.5 / 0.2 / 0.3 among the grades:
    // 25, 10 and 15 yen, exact in currency.
    const std::array<Money, 3> pool{Money::fromYen(25), Money::fromYen(10), Money::fromYen(15)};
    for (int g = 0; g < 3; ++g)
        m_pool[g] = pool[g].toDouble() * PercentPower;
    return true;
}

template <typename Marks> double clsTMoney::oneMissChance(const Marks& marks) const {
    double sum = 0;
    for (int i = 0; i < MatchCount; ++i) {
        double product = 1;
        for (int k = 0; k < MatchCount; ++k)
            product *= k == i ? m_miss[k][marks[k]] : m_rate[k][marks[k]];
        sum += product;
    }
    return sum;
}

template <typename Marks> double clsTMoney::twoMissChance(const Marks& marks) const {
    double sum = 0;
    for (int i = 0; i < MatchCount - 1; ++i) {
        for (int j = i + 1; j < MatchCount; ++j) {
            double product = 1;
            for (int k = 0; k < MatchCount; ++k)
                product *= k == i || k == j ? m_miss[k][marks[k]] : m_rate[k][marks[k]];
            sum += product;
        }
    }
    return sum;
}

template <typename Marks> Money clsTMoney::estimate(int grade, const Marks& marks) const {
    double chance = 0;
    if (grade == 1) {
        chance = 1;
        for (int k = 0; k < MatchCount; ++k)
            chance *= m_rate[k][marks[k]];
    } else if (grade == 2) {
        chance = oneMissChance(marks);
    } else {
        chance = twoMissChance(marks);
    }
    if (!(chance > 0))
        return {};
    const double quotient = m_pool[grade - 1] / chance;
    if (quotient > double(CapYen))
        return Money::fromYen(CapYen);
    return Money::fromYen(Money::fromDouble(quotient).wholeYen());
}

Money clsTMoney::Estimate(int grade, const std::array<quint8, MatchCount>& marks) const {
    return estimate(grade, marks);
}

Money clsTMoney::reporting(int grade, std::span<const qint32> lngKousei) {
    try {
        if (lngKousei.size() < std::size_t(MatchCount))
            throw RuntimeError::subscriptOutOfRange();
        for (int k = 0; k < MatchCount; ++k)
            if (lngKousei[k] < 0 || lngKousei[k] > 2)
                throw RuntimeError::subscriptOutOfRange();
        return estimate(grade, lngKousei);
    } catch (const RuntimeError& e) {
        m_reporter.runtimeError(QStringLiteral("GetMoney%1").arg(grade), e);
        return {};
    }
}

Money clsTMoney::GetMoney1(std::span<const qint32> lngKousei) {
    return reporting(1, lngKousei);
}
Money clsTMoney::GetMoney2(std::span<const qint32> lngKousei) {
    return reporting(2, lngKousei);
}
Money clsTMoney::GetMoney3(std::span<const qint32> lngKousei) {
    return reporting(3, lngKousei);
}

QString clsTMoney::EstimateText(Money value) {
    const qint64 yen = value.wholeYen();
    if (value.raw() <= 0)
        return {};
    if (yen < 10000)
        return QString::number(yen) + QStringLiteral("円");
    if (yen < 100000)
        return NumberFormat::format(value.toDouble() / 10000, QStringLiteral("0.00")) +
               QStringLiteral("万");
    if (yen < 100000000)
        return QString::number(yen / 10000) + QStringLiteral("万");
    if (yen < 1000000000)
        return QString::number(std::floor(value.toDouble() / 100000000 * 100) / 100, 'g', 15) +
               QStringLiteral("億");
    if (yen < CapYen)
        return QString::number(yen / 100000000) + QStringLiteral("億");
    return QStringLiteral("****億");
}
