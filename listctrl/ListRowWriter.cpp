// The list view's own writes of a row, made for the control itself.
#include "ListRowWriter.h"

namespace {
// Marks a write of ours for as long as the list view is busy with it; nested
// writes (from a parent that answers a notification) count too.
class CountScope
{
public:
    explicit CountScope(int& nCount) : m_nCount(nCount) { ++m_nCount; }
    ~CountScope() { --m_nCount; }
    CountScope(const CountScope&) = delete;
    CountScope& operator=(const CountScope&) = delete;

private:
    int& m_nCount;
};
}

BOOL ListRowWriter::SetText(int nRow, int nColumn, LPCSTR lpszText) const
{
    return m_list.CListCtrl::SetItemText(nRow, nColumn, lpszText);
}

BOOL ListRowWriter::SetTextAndImage(int nRow, int nColumn, LPCSTR lpszText, int nImage) const
{
    return m_list.CListCtrl::SetItem(nRow, nColumn, LVIF_TEXT | LVIF_IMAGE, lpszText, nImage, 0, 0, 0);
}

BOOL ListRowWriter::SetState(int nRow, UINT nState, UINT nMask) const
{
    return m_list.CListCtrl::SetItemState(nRow, nState, nMask);
}

BOOL ListRowWriter::SetParam(int nRow, LPARAM param)
{
    CountScope scope(m_nParamWrites);
    return m_list.CListCtrl::SetItem(nRow, 0, LVIF_PARAM, nullptr, 0, 0, 0, param);
}

int ListRowWriter::Insert(const LVITEMA& item)
{
    if (!::IsWindow(m_list.m_hWnd))
        return -1;
    CountScope scope(m_nInserts);
    return static_cast<int>(::SendMessageA(m_list.m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}
