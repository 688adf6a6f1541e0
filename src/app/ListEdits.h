#pragma once

class SingleList;
struct VoteData;

// The Edit menu's commands on the whole single list: the sorts, which hand the list a new
// order, and the removal of duplicate singles with its message.
class ListEdits {
public:
    enum class SortKind { Estimate, Mark, Popularity };

    explicit ListEdits(SingleList& list) : m_list(list) {}

    // index: which estimate, mark or popularity rank the list is sorted by. False for an empty
    // list, which has nothing to sort.
    bool sort(SortKind kind, int index, const VoteData& vote, bool ascending);
    // Keeps the first of every number; says how many were removed, or that none were. False for
    // an empty list.
    bool removeDuplicates();

private:
    SingleList& m_list;
};
