// QELListCtrl: sorting the rows by the typed texts of one column.
//
// How a sort runs. The list does not change while it is sorted, so the texts
// of the sorted column are read once and each is classified once (number,
// percent, date, text; equal texts share one date reading, the platform's
// parser being the dearest part of a sort); the order comes from the
// partition-exchange sort over those keys and is exactly the order that
// comparing the cells' texts afresh in every comparison would give. The rows are then put in that order by the list
// view itself (LVM_SORTITEMS over the item memory pointers, each ranked by its
// target row), which carries every item's texts, images, states and memory
// along without rewriting a cell. Where that cannot be used (an item without
// memory, so no unique key to rank it by) or did not give the order asked for,
// the rows are rewritten one by one with painting suspended.
#include "QELListCtrl.h"
#include "ListCtrlParts.h"
#include "ListRowSnapshot.h"
#include "logic/ListCompare.h"
#include "logic/ListSortAlgorithm.h"
#include "QELMemory.h"
#include "QELAnsiChars.h"

#include <oleauto.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// The readings the comparison needs from the platform

// A date and time as the platform's automation parser reads it for the user's locale.
bool ParseCellDate(const char* text, double& date)
{
    WCHAR szShort[128];
    std::vector<WCHAR> longText;
    WCHAR* pWide = szShort;
    if (::MultiByteToWideChar(CP_ACP, 0, text, -1, szShort, 128) == 0) {
        int nLength = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        if (nLength <= 0)
            return false;
        longText.resize(static_cast<size_t>(nLength));
        if (::MultiByteToWideChar(CP_ACP, 0, text, -1, longText.data(), nLength) == 0)
            return false;
        pWide = longText.data();
    }
    DATE dt = 0;
    if (FAILED(::VarDateFromStr(pWide, LOCALE_USER_DEFAULT, 0, &dt)))
        return false;
    date = dt;
    return true;
}

// Multibyte comparison in the ANSI code page, as _mbscmp compares: byte-wise for single-byte
// code pages, by whole characters for double-byte ones. Not the runtime's own, which reads
// past a lead byte that ends a text (into the next text of the sort's buffer, or beyond it).
int CompareCellMbcs(const char* text1, const char* text2)
{
    return mbcs_chars::Compare(qel_ansi::Chars(), text1, std::strlen(text1), text2, std::strlen(text2));
}

list_sort::KeyComparer CellComparer() { return list_sort::KeyComparer(ParseCellDate, CompareCellMbcs); }

// ---------------------------------------------------------------------------------------------
// The texts of one column, read once

// A read of what the list view holds, sent straight to its own procedure past
// the control's message map, which has nothing for these reads: a sort reads
// every row two or three times, and the map's walk would double each read's cost.
LRESULT ListViewRead(CWnd& list, UINT message, WPARAM wParam, LPARAM lParam)
{
    return list.DefWindowProc(message, wParam, lParam);
}

class ColumnTexts
{
public:
    // Reads the texts of rows nFirst ... nFirst + nCount - 1.
    void Read(CWnd& list, int nColumn, int nFirst, int nCount)
    {
        m_offsets.resize(static_cast<size_t>(nCount));
        m_buffer.clear();
        m_buffer.reserve(static_cast<size_t>(nCount) * 12);
        std::vector<char> scratch(256);
        for (int k = 0; k < nCount; ++k) {
            m_offsets[static_cast<size_t>(k)] = m_buffer.size();
            for (;;) {
                LVITEMA item = {};
                item.iSubItem = nColumn;
                item.cchTextMax = static_cast<int>(scratch.size());
                item.pszText = scratch.data();
                int nLength = static_cast<int>(ListViewRead(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(nFirst + k),
                                                            reinterpret_cast<LPARAM>(&item)));
                // Windows' list view answers what it copied, Wine's more than that for
                // a buffer too small: either way a full buffer may have cut the text,
                // and one short by less than a character's bytes may have too.
                if (nLength >= item.cchTextMax - static_cast<int>(mbcs_chars::kMaxCharBytes) &&
                    scratch.size() < kMaxText) {
                    scratch.resize(scratch.size() * 2);
                    continue;
                }
                // A text given by the parent may stay in the parent's own buffer.
                const char* pszText =
                    item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA ? item.pszText : "";
                // Only what is there is taken: up to the terminator, never past our buffer.
                size_t nTaken = nLength > 0 ? static_cast<size_t>(nLength) : 0;
                if (pszText == scratch.data() && nTaken > scratch.size() - 1)
                    nTaken = scratch.size() - 1;
                nTaken = strnlen(pszText, nTaken);
                // A text that fills the largest buffer is compared as far as its last whole character.
                if (pszText == scratch.data() && scratch.size() >= kMaxText)
                    nTaken = mbcs_chars::WholeLength(qel_ansi::Chars(), pszText, nTaken);
                m_buffer.insert(m_buffer.end(), pszText, pszText + nTaken);
                break;
            }
            m_buffer.push_back('\0');
        }
    }

    int Count() const { return static_cast<int>(m_offsets.size()); }
    const char* Text(int k) const { return m_buffer.data() + m_offsets[static_cast<size_t>(k)]; }

private:
    static const size_t kMaxText = 1 << 20;
    std::vector<char> m_buffer;
    std::vector<size_t> m_offsets;
};

// The order of the rows nFirst ... after sorting: order[k] is the row that goes
// to nFirst + k. With a separator, its rows stay and the blocks between them
// are sorted apart.
void SortedOrder(const ColumnTexts& texts, int nFirst, const char* pszSeparator, bool bAscending,
                 std::vector<int>& order)
{
    const int nCount = texts.Count();
    std::vector<list_sort::SortKey> keys(static_cast<size_t>(nCount));
    for (int k = 0; k < nCount; ++k)
        keys[static_cast<size_t>(k)].Assign(texts.Text(k));
    list_sort::ShareEqualTexts(keys.data(), keys.size());
    order.resize(static_cast<size_t>(nCount));
    for (int k = 0; k < nCount; ++k)
        order[static_cast<size_t>(k)] = nFirst + k;

    list_sort::KeyComparer comparer = CellComparer();
    auto compare = [&](int nItem1, int nItem2) {
        return comparer(keys[static_cast<size_t>(nItem1 - nFirst)], keys[static_cast<size_t>(nItem2 - nFirst)]);
    };
    auto sortBlock = [&](int first, int last) {
        if (first < last)
            list_sort::PartitionExchangeSort(order.data(), first - nFirst, last - nFirst, bAscending, compare);
    };
    auto findSeparator = [&](int nAfter) {
        for (int k = (nAfter + 1 > nFirst ? nAfter + 1 : nFirst) - nFirst; k < nCount; ++k) {
            if (CompareCellMbcs(texts.Text(k), pszSeparator) == 0)
                return nFirst + k;
        }
        return -1;
    };
    if (pszSeparator != nullptr)
        list_sort::ForEachSortBlock(nFirst + nCount, findSeparator, sortBlock);
    else
        sortBlock(nFirst, nFirst + nCount - 1);
}

// ---------------------------------------------------------------------------------------------
// Putting rows in a new order

// Item parameters (the memory pointers) to target rows.
class RankTable
{
public:
    // FALSE when a parameter is null or appears twice: then it ranks no row.
    // Room for nCount parameters, so that a later Build of as many allocates nothing.
    void Reserve(size_t nCount) { m_slots.reserve(SizeFor(nCount)); }

    bool Build(const std::vector<LPARAM>& params, const std::vector<int>& targets)
    {
        const size_t nSize = SizeFor(params.size());
        m_slots.assign(nSize, Slot{ 0, 0 });
        m_nMask = nSize - 1;
        for (size_t r = 0; r < params.size(); ++r) {
            if (params[r] == 0)
                return false;
            size_t h = Hash(params[r]);
            while (m_slots[h].param != 0) {
                if (m_slots[h].param == params[r])
                    return false;
                h = (h + 1) & m_nMask;
            }
            m_slots[h] = Slot{ params[r], targets[r] };
        }
        return true;
    }

    int Rank(LPARAM param) const
    {
        for (size_t h = Hash(param);; h = (h + 1) & m_nMask) {
            if (m_slots[h].param == param || m_slots[h].param == 0)
                return m_slots[h].nTarget;
        }
    }

    static int CALLBACK CompareByRank(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
    {
        const RankTable* pTable = reinterpret_cast<const RankTable*>(lParamSort);
        int nRank1 = pTable->Rank(lParam1);
        int nRank2 = pTable->Rank(lParam2);
        return nRank1 < nRank2 ? -1 : (nRank1 > nRank2 ? 1 : 0);
    }

private:
    static size_t SizeFor(size_t nCount)
    {
        size_t nSize = 16;
        while (nSize < nCount * 2)
            nSize *= 2;
        return nSize;
    }

    struct Slot
    {
        LPARAM param;
        int nTarget;
    };

    size_t Hash(LPARAM param) const
    {
        // Heap blocks are aligned: the multiplication spreads the high bits down.
        uint64_t h = static_cast<uint64_t>(static_cast<uintptr_t>(param)) * 0x9E3779B97F4A7C15ull;
        return static_cast<size_t>(h >> 32) & m_nMask;
    }

    std::vector<Slot> m_slots;
    size_t m_nMask = 0;
};

// Reads the parameters of every row into params, sized beforehand.
void ReadParams(CWnd& list, std::vector<LPARAM>& params)
{
    const int nCount = static_cast<int>(params.size());
    for (int r = 0; r < nCount; ++r) {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = r;
        ListViewRead(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        params[static_cast<size_t>(r)] = item.lParam;
    }
}

// Suspends painting of a visible window for its lifetime (a hidden one paints nothing anyway,
// and turning redraw back on would show it).
class RedrawSuspension
{
public:
    explicit RedrawSuspension(HWND hWnd) : m_hWnd(::IsWindowVisible(hWnd) ? hWnd : nullptr)
    {
        if (m_hWnd != nullptr)
            ::SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawSuspension()
    {
        if (m_hWnd != nullptr) {
            ::SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
        }
    }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    HWND m_hWnd;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Public operations

void QELListCtrl::SortItems(int nColumn, BOOL bAscending)
{
    // A header click commits an edit: the parent hearing of it may delete us.
    ListLifeGuard guard(m_pParts->pGuards);
    _BeginChange(TRUE, FALSE);
    if (guard.Deleted())
        return;
    if (nColumn < 0 || nColumn >= GetColumnCount() || !IsSortable())
        return;
    // A sort that runs out of memory has not happened: the rows keep their order,
    // the order its column and direction, and the parent hears of nothing.
    const int nOldColumn = m_pParts->order.Column();
    const BOOL bOldAscending = m_pParts->order.Ascending();
    m_pParts->order.Set(nColumn, bAscending);  // the mark follows once the rows are in order

    const int nCount = CListCtrl::GetItemCount();
    if (nCount > 1) {
        const bool bSorted = qel_memory::NoThrow(false, [&] {
            ColumnTexts texts;
            texts.Read(*this, nColumn, 0, nCount);
            std::vector<int> order;
            SortedOrder(texts, 0, m_pParts->order.Separator(), bAscending != FALSE, order);
            return _ReorderRows(0, order.data(), nCount) != FALSE;
        });
        if (!bSorted) {
            m_pParts->order.Set(nOldColumn, bOldAscending);
            return;
        }
    }
    _UpdateSortMark();
    if (HWND hParent = ::GetParent(m_hWnd))
        ::SendMessageA(hParent, LISTMSG_SORTED, static_cast<WPARAM>(nColumn), static_cast<LPARAM>(bAscending));
}

BOOL QELListCtrl::SetSortable(BOOL bSortable)
{
    if (!HasColumnHeader())
        return FALSE;
    HWND hHeader = _GetHeaderWnd();
    if (hHeader == nullptr)
        return FALSE;
    LONG nStyle = ::GetWindowLongA(hHeader, GWL_STYLE);
    if (bSortable) {
        nStyle |= HDS_BUTTONS;
    } else {
        nStyle &= ~static_cast<LONG>(HDS_BUTTONS);
        _UnsetSortedColumn();
    }
    ::SetWindowLongA(hHeader, GWL_STYLE, nStyle);
    ::RedrawWindow(hHeader, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

BOOL QELListCtrl::IsSortable() const
{
    if (!::IsWindow(m_hWnd) || !HasColumnHeader())
        return FALSE;
    HWND hHeader = _GetHeaderWnd();
    return hHeader != nullptr && (::GetWindowLongA(hHeader, GWL_STYLE) & HDS_BUTTONS) != 0;
}

void QELListCtrl::SetSortSeparator(const char* lpszSeparator)
{
    // The separator may be the very text GetSortSeparator gave: the order copies
    // it before it lets the old one go.
    m_pParts->order.SetSeparator(lpszSeparator);
}

const char* QELListCtrl::GetSortSeparator() const { return m_pParts->order.Separator(); }

void QELListCtrl::SetSortMark(BOOL bSortMark)
{
    m_pParts->order.m_bSortMark = bSortMark;
    _UpdateSortMark();
}

BOOL QELListCtrl::GetSortMark() const { return m_pParts->order.m_bSortMark; }

// ---------------------------------------------------------------------------------------------
// Handler and internals

void QELListCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const int nColumn = pListView->iSubItem;
    SortItems(nColumn, nColumn != GetSortedColumn() || !IsSortAscending());
    *pResult = 0;
}

int QELListCtrl::_FindSeparator(int nAfter, int nColumn) const
{
    const char* pszSeparator = GetSortSeparator();
    if (pszSeparator == nullptr || !::IsWindow(m_hWnd))
        return -1;
    const int nCount = CListCtrl::GetItemCount();
    for (int i = nAfter + 1 > 0 ? nAfter + 1 : 0; i < nCount; ++i) {
        if (CompareCellMbcs(CListCtrl::GetItemText(i, nColumn), pszSeparator) == 0)
            return i;
    }
    return -1;
}

BOOL QELListCtrl::_PartialSort(int nFirst, int nLast)
{
    if (nFirst >= nLast || !_IsValidIndex(nFirst) || !_IsValidIndex(nLast))
        return FALSE;
    return qel_memory::NoThrow(FALSE, [&] {
        const int nCount = nLast - nFirst + 1;
        ColumnTexts texts;
        texts.Read(*this, GetSortedColumn(), nFirst, nCount);
        std::vector<int> order;
        SortedOrder(texts, nFirst, nullptr, IsSortAscending() != FALSE, order);
        return _ReorderRows(nFirst, order.data(), nCount);
    });
}

void QELListCtrl::_QuickSortRecursive(int* pIndices, int nLow, int nHigh)
{
    if (pIndices == nullptr || nLow < 0 || nLow >= nHigh)
        return;
    auto compare = [this](int nItem1, int nItem2) { return _CompareItems(nItem1, nItem2); };
    list_sort::PartitionExchangeSort(pIndices, nLow, nHigh, IsSortAscending() != FALSE, compare);
}

int QELListCtrl::_CompareItems(int nItem1, int nItem2) const
{
    CString strText1 = CListCtrl::GetItemText(nItem1, GetSortedColumn());
    CString strText2 = CListCtrl::GetItemText(nItem2, GetSortedColumn());
    return list_sort::CompareCellTexts(strText1, strText2, ParseCellDate, CompareCellMbcs);
}

BOOL QELListCtrl::_ReorderRows(int nFirst, const int* pSource, int nCount)
{
    bool bMoves = false;
    for (int k = 0; k < nCount && !bMoves; ++k)
        bMoves = pSource[k] != nFirst + k;
    if (!bMoves)
        return TRUE;

    // Every row's target: the rows outside the range stay.
    const int nRows = CListCtrl::GetItemCount();
    std::vector<int> targets(static_cast<size_t>(nRows));
    for (int r = 0; r < nRows; ++r)
        targets[static_cast<size_t>(r)] = r;
    for (int k = 0; k < nCount; ++k)
        targets[static_cast<size_t>(pSource[k])] = nFirst + k;

    std::vector<LPARAM> params(static_cast<size_t>(nRows));
    ReadParams(*this, params);
    std::vector<int> source(static_cast<size_t>(nCount));
    for (int k = 0; k < nCount; ++k)
        source[static_cast<size_t>(k)] = pSource[k];
    // Everything the check after the platform's sort needs is had before it
    // runs: once it has moved rows, running out of memory could not undo it.
    std::vector<LPARAM> now(static_cast<size_t>(nRows));
    std::vector<int> rowIndex(static_cast<size_t>(nRows));
    std::vector<int> all(static_cast<size_t>(nRows));
    RankTable rowsNow;
    rowsNow.Reserve(static_cast<size_t>(nRows));

    RankTable ranks;
    if (ranks.Build(params, targets) && ::SendMessageA(m_hWnd, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ranks),
                                                       reinterpret_cast<LPARAM>(&RankTable::CompareByRank))) {
        // Trust, but check: where the rows are not in the order asked for, they
        // are rewritten from where they are now.
        ReadParams(*this, now);
        bool bExact = true;
        for (int r = 0; r < nRows && bExact; ++r) {
            int nWanted = r;
            if (r >= nFirst && r < nFirst + nCount)
                nWanted = source[static_cast<size_t>(r - nFirst)];
            bExact = now[static_cast<size_t>(r)] == params[static_cast<size_t>(nWanted)];
        }
        if (bExact)
            return TRUE;
        // Each wanted item is found by its (unique) parameter among the rows now.
        for (int r = 0; r < nRows; ++r)
            rowIndex[static_cast<size_t>(r)] = r;
        if (!rowsNow.Build(now, rowIndex))
            return FALSE;
        for (int k = 0; k < nCount; ++k)
            source[static_cast<size_t>(k)] = rowsNow.Rank(params[static_cast<size_t>(source[static_cast<size_t>(k)])]);
        // Rows outside the range were moved too: bring the whole list back in line.
        if (nFirst != 0 || nCount != nRows) {
            for (int r = 0; r < nRows; ++r)
                all[static_cast<size_t>(r)] = rowsNow.Rank(params[static_cast<size_t>(r)]);
            for (int k = 0; k < nCount; ++k)
                all[static_cast<size_t>(nFirst + k)] = source[static_cast<size_t>(k)];
            source.swap(all);
            nFirst = 0;
            nCount = nRows;
        }
    }

    // Rewrite the rows: take every row of the range first, then write them in their new places.
    const int nColumns = GetColumnCount() > 0 ? GetColumnCount() : 1;
    std::vector<ListRowSnapshot> snapshots(static_cast<size_t>(nCount));
    for (int k = 0; k < nCount; ++k) {
        if (!snapshots[static_cast<size_t>(k)].Take(*this, nFirst + k, nColumns))
            return FALSE;  // out of memory before anything was written
    }
    RedrawSuspension suspension(m_hWnd);
    ListRowWriter& rows = m_pParts->rows;
    for (int k = 0; k < nCount; ++k) {
        const int nFrom = source[static_cast<size_t>(k)] - nFirst;
        if (nFrom == k)
            continue;
        const ListRowSnapshot& snapshot = snapshots[static_cast<size_t>(nFrom)];
        // The item's own states, exactly: the single-check rule is about changes of
        // checks, and a sort changes none, it only moves them.
        rows.SetState(nFirst + k, snapshot.nState, ListRowSnapshot::kStateMask);
        rows.SetParam(nFirst + k, snapshot.param);
        snapshot.WriteCells(rows, nFirst + k);
    }
    return TRUE;
}
