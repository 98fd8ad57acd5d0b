// The list control's sort: a partition-exchange sort of item indices, and the
// walk over the blocks between separator rows.
//
// The order a sort leaves is part of the control's behaviour (it is not
// stable, and callers see where equal items end up), so this is one fixed
// algorithm: the pivot is the middle element, both scans stop at elements
// equal to it, and each side is then sorted by itself.
#pragma once
#include <utility>

namespace list_sort {

// Sorts a[low] ... a[high] (inclusive). compare(x, y) returns negative, 0 or
// positive as the element x orders before, with or after y; with ascending
// false the order is reversed. compare must give the same answer for the same
// pair every time; it need not be a consistent order (typed comparisons of
// mixed texts are not transitive): every scan is still bounded by the range.
//
// Each partition step leaves two independent ranges; the smaller one is
// sorted by a nested call and the larger one by the loop, so the nesting stays
// within log2(n) levels whatever the data. Which range is done first does not
// change the result.
template <class T, class Compare>
void PartitionExchangeSort(T* a, int low, int high, bool ascending, Compare& compare)
{
    while (low < high) {
        const T pivot = a[low + (high - low) / 2];
        int i = low;
        int j = high;
        for (;;) {
            if (ascending) {
                while (compare(a[i], pivot) < 0)
                    ++i;
                while (compare(a[j], pivot) > 0)
                    --j;
            } else {
                while (compare(a[i], pivot) > 0)
                    ++i;
                while (compare(a[j], pivot) < 0)
                    --j;
            }
            if (j < i)
                break;
            if (i != j)
                std::swap(a[i], a[j]);
            ++i;
            --j;
            if (i > j)
                break;
        }
        if (j - low < high - i) {
            if (low < j)
                PartitionExchangeSort(a, low, j, ascending, compare);
            low = i;
        } else {
            if (i < high)
                PartitionExchangeSort(a, i, high, ascending, compare);
            high = j;
        }
    }
}

// Calls sortBlock(first, last) for every block of rows between separator rows,
// in order: the rows before the first separator, between each two, and after
// the last. findSeparator(after) returns the first separator row after the
// position after, or -1. Without separators the whole list is one block. Blocks
// may be empty or of one row (first >= last); sortBlock decides what to do.
template <class FindSeparator, class SortBlock>
void ForEachSortBlock(int nCount, FindSeparator& findSeparator, SortBlock& sortBlock)
{
    int nSeparator = findSeparator(-1);
    int nPrevious = -1;
    for (;;) {
        if (nSeparator < 0) {
            sortBlock(nPrevious + 1, nCount - 1);
            return;
        }
        sortBlock(nPrevious + 1, nSeparator - 1);
        nPrevious = nSeparator;
        nSeparator = findSeparator(nPrevious);
    }
}

}  // namespace list_sort
