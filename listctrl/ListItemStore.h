// The list control's item store: it makes, finds and releases the per-item
// memory blocks (QELListItemMemory) of one control.
//
// Blocks come from chunks that never move, so a block keeps its address from
// the item's insertion to its deletion whatever happens to the columns: the
// colours hang off the block in an array of their own, and a row whose cells
// all have the colours they were inserted with has no array at all. The store
// knows every block it made; only a parameter found among them is a block, so
// a value written into the item parameter from outside is never read as one.
#pragma once
#include "QELListCtrl.h"
#include <vector>

class ListItemStore
{
public:
    ListItemStore() = default;
    ~ListItemStore();
    ListItemStore(const ListItemStore&) = delete;
    ListItemStore& operator=(const ListItemStore&) = delete;

    // A new block whose every cell has these colours; null when out of memory.
    QELListItemMemory* Create(DWORD_PTR dwData, COLORREF crText, COLORREF crBk);
    // The live block this parameter holds, or null for any other value.
    QELListItemMemory* Find(LPARAM param) const;
    // Gives a live block back; FALSE for anything that is not one. A pinned
    // block goes only when its pin does.
    BOOL Release(QELListItemMemory* pMemory);
    // Gives back every block (pinned ones when their pins go).
    void ReleaseAll();
    // Blocks of this store alive now, and in the whole module.
    int LiveCount() const { return m_nLive; }
    static LONG LiveInModule();

    // A block held by an operation while no item holds it (an item being moved):
    // the deletion of its old row does not release it.
    class Pin
    {
    public:
        Pin(ListItemStore& store, QELListItemMemory* pMemory);
        ~Pin();
        Pin(const Pin&) = delete;
        // False when the pin could not be recorded (out of memory): the block is not held.
        bool Holds() const { return m_pMemory != nullptr; }
        Pin& operator=(const Pin&) = delete;

    private:
        ListItemStore& m_store;
        QELListItemMemory* m_pMemory;
    };
    BOOL IsPinned(const QELListItemMemory* pMemory) const;

    // The colours of cell nColumn; FALSE when the block has none for it (a
    // column it never heard of).
    static BOOL GetCellColors(const QELListItemMemory* pMemory, int nColumn, COLORREF& crText, COLORREF& crBk);
    // Sets the text or background colour of columns nFirst ... nLast of a list
    // of nColumns columns; FALSE when the block's own colours could not be made.
    static BOOL SetCellColors(QELListItemMemory* pMemory, int nColumns, int nFirst, int nLast, COLORREF color,
                              BOOL bText);
    // Every block follows a column inserted at nColumn into a list that had
    // nColumnsBefore columns (the new cells in these colours), or deleted at nColumn.
    void InsertColumn(int nColumn, int nColumnsBefore, COLORREF crText, COLORREF crBk);
    void DeleteColumn(int nColumn);

private:
    struct Chunk
    {
        QELListItemMemory* pSlots;
        int nCapacity;
    };
    // Calls f for every live block.
    template <class F>
    void ForEachLive(F f);
    const Chunk* FindChunk(const void* p) const;
    void Destroy(QELListItemMemory* pMemory);
    BOOL Doom(QELListItemMemory* pMemory);
    void FreeChunks();

    std::vector<Chunk> m_chunks;           // sorted by address
    QELListItemMemory* m_pFree = nullptr;  // free slots, linked through pColors
    int m_nUsedInNewest = 0;               // slots handed out of the newest chunk
    int m_nNewest = -1;                    // index of the newest chunk in m_chunks
    int m_nLive = 0;
    std::vector<QELListItemMemory*> m_pinned;
    std::vector<QELListItemMemory*> m_doomed;  // released while pinned
};
