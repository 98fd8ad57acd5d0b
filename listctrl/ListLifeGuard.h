// Watches a list control across a call that reaches its parent. The parent may
// delete the control from its handler (of a committed edit, a clicked check
// box, a sort); the control's destructor then marks every guard in force, and
// the code that sent the message touches nothing of the control again.
#pragma once

class ListLifeGuard
{
public:
    // pInnermost is the control's record of its innermost guard.
    explicit ListLifeGuard(ListLifeGuard*& pInnermost) : m_ppInnermost(&pInnermost), m_pOuter(pInnermost)
    {
        pInnermost = this;
    }
    ~ListLifeGuard()
    {
        if (!m_bDeleted)
            *m_ppInnermost = m_pOuter;
    }
    ListLifeGuard(const ListLifeGuard&) = delete;
    ListLifeGuard& operator=(const ListLifeGuard&) = delete;

    bool Deleted() const { return m_bDeleted; }
    const bool* DeletedFlag() const { return &m_bDeleted; }

    // The control is going: every guard from the innermost out learns of it.
    static void MarkAll(ListLifeGuard* pInnermost)
    {
        for (ListLifeGuard* pGuard = pInnermost; pGuard != nullptr; pGuard = pGuard->m_pOuter)
            pGuard->m_bDeleted = true;
    }

private:
    ListLifeGuard** m_ppInnermost;
    ListLifeGuard* m_pOuter;
    bool m_bDeleted = false;
};
