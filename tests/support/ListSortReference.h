// The list's partition-exchange sort as plainly as it can be written, for tests
// to compare the real one against: the middle element is the pivot, i and j
// scan towards it, both halves are sorted by nested calls. Every access is
// checked, so a scan that leaves the range fails loudly.
#pragma once
#include <utility>
#include <vector>

template <class Compare>
void ReferenceSort(std::vector<int>& a, int low, int high, bool ascending, Compare compare)
{
    auto before = [&](int x, int p) { return ascending ? compare(x, p) < 0 : compare(x, p) > 0; };
    auto after = [&](int x, int p) { return ascending ? compare(x, p) > 0 : compare(x, p) < 0; };
    int p = a.at((low + high) / 2);
    int i = low;
    int j = high;
    do {
        while (before(a.at(i), p))
            i++;
        while (after(a.at(j), p))
            j--;
        if (j < i)
            break;
        if (i != j)
            std::swap(a.at(i), a.at(j));
        i++;
        j--;
    } while (i <= j);
    if (low < j)
        ReferenceSort(a, low, j, ascending, compare);
    if (i < high)
        ReferenceSort(a, i, high, ascending, compare);
}
