// The list view's own writes of a row, as the control makes them for itself:
// a commit, a move, a swap, a sort. Nothing here ends an edit or forgets the
// sort order (the control's SetItemText does both, and must not be used for
// these), and the item parameter is written only here, marked as the
// control's own so that the notifications it causes are told apart from a
// parameter written from outside.
#pragma once
#include "afxcmn.h"

class ListRowWriter
{
public:
    explicit ListRowWriter(CListCtrl& list) : m_list(list) {}
    ListRowWriter(const ListRowWriter&) = delete;
    ListRowWriter& operator=(const ListRowWriter&) = delete;

    BOOL SetText(int nRow, int nColumn, LPCSTR lpszText) const;
    BOOL SetTextAndImage(int nRow, int nColumn, LPCSTR lpszText, int nImage) const;
    // LVIS_ state bits under nMask, exactly (no single-check rule: moving a mark is no new check).
    BOOL SetState(int nRow, UINT nState, UINT nMask) const;
    BOOL SetParam(int nRow, LPARAM param);
    // Inserts a row of the control's own, its parameter kept as given; the index or -1.
    int Insert(const LVITEMA& item);

    // A parameter write or insertion of ours is under way.
    BOOL IsWritingParam() const { return m_nParamWrites > 0; }
    BOOL IsInserting() const { return m_nInserts > 0; }

private:
    CListCtrl& m_list;
    int m_nParamWrites = 0;
    int m_nInserts = 0;
};
