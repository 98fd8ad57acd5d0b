// A framework frame whose message map hands the list view's item notifications
// to the test, as a parent's ON_NOTIFY entries receive them: after the control
// has had them reflected.
#pragma once
#include "ZUZIVU70.h"
#include <functional>

class CListParentFrame : public CFrameWnd
{
public:
    CListParentFrame();
    ~CListParentFrame() override;

    using Handler = std::function<void(NMLISTVIEW*, LRESULT*)>;
    Handler onItemChanging, onItemChanged, onDeleteItem, onDeleteAllItems;

protected:
    void OnItemChanging(UINT, NMHDR* pNMHDR, LRESULT* pResult) { Call(onItemChanging, pNMHDR, pResult); }
    void OnItemChanged(UINT, NMHDR* pNMHDR, LRESULT* pResult) { Call(onItemChanged, pNMHDR, pResult); }
    void OnDeleteItem(UINT, NMHDR* pNMHDR, LRESULT* pResult) { Call(onDeleteItem, pNMHDR, pResult); }
    void OnDeleteAllItems(UINT, NMHDR* pNMHDR, LRESULT* pResult) { Call(onDeleteAllItems, pNMHDR, pResult); }
    void PostNcDestroy() override {}  // the test owns the object
    DECLARE_MESSAGE_MAP()

private:
    static void Call(const Handler& handler, NMHDR* pNMHDR, LRESULT* pResult)
    {
        if (handler)
            handler(reinterpret_cast<NMLISTVIEW*>(pNMHDR), pResult);
    }
};
