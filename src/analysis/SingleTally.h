#pragma once

#include <QtGlobal>
#include <span>
#include <vector>

// How often each of the 19 683 single numbers occurs in a single list. Everything the
// analysis says about a list depends on these counts only, so a list of a million singles is
// weighed number by number.
class SingleTally {
public:
    // An empty list.
    SingleTally();
    // Throws RuntimeError::overflow() for a number that is no single.
    explicit SingleTally(std::span<const qint32> singles);

    qint32 count(qint32 number) const { return m_counts[std::size_t(number)]; }
    qint64 total() const { return m_total; }
    // Numbers that occur at least once.
    qint32 distinct() const { return m_distinct; }

private:
    std::vector<qint32> m_counts;
    qint64 m_total = 0;
    qint32 m_distinct = 0;
};
