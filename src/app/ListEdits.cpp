#include "app/ListEdits.h"

#include "base/AppInfo.h"
#include "base/NumberFormat.h"
#include "base/Platform.h"
#include "singles/DuplicateSingles.h"
#include "singles/SingleList.h"
#include "singles/clsTSingleSort.h"

bool ListEdits::sort(SortKind kind, int index, const VoteData& vote, bool ascending) {
    if (m_list.isEmpty())
        return false;
    std::vector<qint32> singles = m_list.singles();
    clsTSingleSort sorter;
    sorter.SetVoteData(vote);
    switch (kind) {
    case SortKind::Estimate:
        sorter.MoneySort(singles, index, ascending);
        break;
    case SortKind::Mark:
        sorter.MarkSort(singles, index, ascending);
        break;
    case SortKind::Popularity:
        sorter.NinkiSort(singles, index, ascending);
        break;
    }
    // A new order keeps the frame.
    m_list.edit(std::move(singles), m_list.frame());
    return true;
}

bool ListEdits::removeDuplicates() {
    WaitCursor wait;
    if (m_list.isEmpty())
        return false;
    const auto oldCount = static_cast<qint64>(m_list.count());
    std::vector<qint32> survivors = DuplicateSingles::removeDuplicates(m_list.singles());
    if (static_cast<qint64>(survivors.size()) == oldCount) {
        Platform::current().showMessage(QStringLiteral("重複したシングルは存在しません"),
                                        AppInfo::title(), MessageIcon::Information);
        return true;
    }
    const auto newCount = static_cast<qint64>(survivors.size());
    m_list.replace(std::move(survivors));
    m_list.markChanged();
    Platform::current().showMessage(
        QStringLiteral("重複したシングルを消去しました\r\nシングル総数：") +
            NumberFormat::format(oldCount, QStringLiteral("#,##0")) + QStringLiteral(" → ") +
            NumberFormat::format(newCount, QStringLiteral("#,##0")),
        AppInfo::title(), MessageIcon::Information);
    return true;
}
