// The item store: chunks of blocks that never move, the set of live blocks,
// pins, and the colour arrays kept in step with the columns. Chunks and colour
// arrays come from the module's operator new (in the library: its own counted
// blocks, which the tests can make fail), asked not to throw.
#include "ListItemStore.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
void* RawAllocate(size_t nBytes) { return ::operator new(nBytes, std::nothrow); }
void RawRelease(void* p) { ::operator delete(p); }
// Blocks alive in the module, for leak checks.
volatile LONG g_nLiveBlocks = 0;

// A free slot says so by a negative column count; its colour pointer links the free list.
const int kFreeSlot = -1;
// Chunks grow from a few slots for a small list to this many for a long one.
const int kFirstChunk = 16;
const int kLargestChunk = 4096;

QELListItemMemory* NextFree(QELListItemMemory* pSlot) { return reinterpret_cast<QELListItemMemory*>(pSlot->pColors); }

// A colour array of nColumns text colours followed by nColumns background colours.
COLORREF* NewColors(int nColumns)
{
    return static_cast<COLORREF*>(RawAllocate(sizeof(COLORREF) * 2 * static_cast<size_t>(nColumns > 0 ? nColumns : 1)));
}
}

ListItemStore::~ListItemStore()
{
    ForEachLive([this](QELListItemMemory* pMemory) { Destroy(pMemory); });
    FreeChunks();
}

LONG ListItemStore::LiveInModule() { return g_nLiveBlocks; }

QELListItemMemory* ListItemStore::Create(DWORD_PTR dwData, COLORREF crText, COLORREF crBk)
{
    QELListItemMemory* pSlot = m_pFree;
    if (pSlot != nullptr) {
        m_pFree = NextFree(pSlot);
    } else {
        if (m_nNewest < 0 || m_nUsedInNewest == m_chunks[static_cast<size_t>(m_nNewest)].nCapacity) {
            const int nCapacity =
                m_nNewest < 0 ? kFirstChunk
                              : (std::min)(m_chunks[static_cast<size_t>(m_nNewest)].nCapacity * 2, kLargestChunk);
            Chunk chunk = { static_cast<QELListItemMemory*>(
                                RawAllocate(sizeof(QELListItemMemory) * static_cast<size_t>(nCapacity))),
                            nCapacity };
            if (chunk.pSlots == nullptr)
                return nullptr;
            // Kept in address order, so a parameter finds its chunk by a binary search.
            auto it = std::lower_bound(m_chunks.begin(), m_chunks.end(), chunk,
                                       [](const Chunk& a, const Chunk& b) { return a.pSlots < b.pSlots; });
            try {
                it = m_chunks.insert(it, chunk);
            } catch (const std::bad_alloc&) {
                RawRelease(chunk.pSlots);
                return nullptr;
            }
            m_nNewest = static_cast<int>(it - m_chunks.begin());
            m_nUsedInNewest = 0;
        }
        pSlot = m_chunks[static_cast<size_t>(m_nNewest)].pSlots + m_nUsedInNewest++;
    }
    pSlot->dwData = dwData;
    pSlot->nColumns = 0;
    pSlot->pColors = nullptr;
    pSlot->crText = crText;
    pSlot->crBk = crBk;
    ++m_nLive;
    ::InterlockedIncrement(&g_nLiveBlocks);
    return pSlot;
}

const ListItemStore::Chunk* ListItemStore::FindChunk(const void* p) const
{
    // The last chunk that starts at or before p.
    auto it = std::upper_bound(m_chunks.begin(), m_chunks.end(), p,
                               [](const void* q, const Chunk& c) { return q < static_cast<const void*>(c.pSlots); });
    if (it == m_chunks.begin())
        return nullptr;
    --it;
    const char* pBase = reinterpret_cast<const char*>(it->pSlots);
    const char* pByte = static_cast<const char*>(p);
    const size_t nOffset = static_cast<size_t>(pByte - pBase);
    if (nOffset >= sizeof(QELListItemMemory) * static_cast<size_t>(it->nCapacity) ||
        nOffset % sizeof(QELListItemMemory) != 0)
        return nullptr;
    return &*it;
}

QELListItemMemory* ListItemStore::Find(LPARAM param) const
{
    if (param == 0)
        return nullptr;
    const void* p = reinterpret_cast<const void*>(param);
    const Chunk* pChunk = FindChunk(p);
    if (pChunk == nullptr)
        return nullptr;
    QELListItemMemory* pSlot = reinterpret_cast<QELListItemMemory*>(param);
    // Slots past the newest chunk's high-water mark were never handed out.
    if (pChunk == &m_chunks[static_cast<size_t>(m_nNewest)] && pSlot - pChunk->pSlots >= m_nUsedInNewest)
        return nullptr;
    return pSlot->nColumns == kFreeSlot ? nullptr : pSlot;
}

void ListItemStore::Destroy(QELListItemMemory* pMemory)
{
    RawRelease(pMemory->pColors);
    pMemory->nColumns = kFreeSlot;
    pMemory->pColors = reinterpret_cast<COLORREF*>(m_pFree);
    m_pFree = pMemory;
    --m_nLive;
    ::InterlockedDecrement(&g_nLiveBlocks);
}

BOOL ListItemStore::Release(QELListItemMemory* pMemory)
{
    if (pMemory == nullptr || Find(reinterpret_cast<LPARAM>(pMemory)) != pMemory)
        return FALSE;
    if (IsPinned(pMemory)) {
        return Doom(pMemory);
    }
    Destroy(pMemory);
    // An empty store gives its chunks back, so a list emptied by hand keeps no memory.
    if (m_nLive == 0)
        FreeChunks();
    return TRUE;
}

BOOL ListItemStore::Doom(QELListItemMemory* pMemory)
{
    if (std::find(m_doomed.begin(), m_doomed.end(), pMemory) != m_doomed.end())
        return TRUE;
    try {
        m_doomed.push_back(pMemory);
    } catch (const std::bad_alloc&) {
        return FALSE;  // stays with its pin's owner, released with the store
    }
    return TRUE;
}

void ListItemStore::ReleaseAll()
{
    ForEachLive([this](QELListItemMemory* pMemory) {
        if (IsPinned(pMemory))
            Doom(pMemory);
        else
            Destroy(pMemory);
    });
    if (m_nLive == 0)
        FreeChunks();
}

void ListItemStore::FreeChunks()
{
    for (const Chunk& chunk : m_chunks)
        RawRelease(chunk.pSlots);
    m_chunks.clear();
    m_pFree = nullptr;
    m_nNewest = -1;
    m_nUsedInNewest = 0;
}

template <class F>
void ListItemStore::ForEachLive(F f)
{
    for (size_t k = 0; k < m_chunks.size(); ++k) {
        const int nUsed = static_cast<int>(k) == m_nNewest ? m_nUsedInNewest : m_chunks[k].nCapacity;
        for (int s = 0; s < nUsed; ++s) {
            QELListItemMemory* pSlot = m_chunks[k].pSlots + s;
            if (pSlot->nColumns != kFreeSlot)
                f(pSlot);
        }
    }
}

ListItemStore::Pin::Pin(ListItemStore& store, QELListItemMemory* pMemory) : m_store(store), m_pMemory(pMemory)
{
    if (m_pMemory == nullptr)
        return;
    try {
        m_store.m_pinned.push_back(m_pMemory);
    } catch (const std::bad_alloc&) {
        // Unpinned, the block can only be released early: never used after it.
        m_pMemory = nullptr;
    }
}

ListItemStore::Pin::~Pin()
{
    if (m_pMemory == nullptr)
        return;
    auto& pinned = m_store.m_pinned;
    auto it = std::find(pinned.begin(), pinned.end(), m_pMemory);
    if (it != pinned.end())
        pinned.erase(it);
    if (m_store.IsPinned(m_pMemory))
        return;  // pinned again further out
    auto& doomed = m_store.m_doomed;
    auto itDoomed = std::find(doomed.begin(), doomed.end(), m_pMemory);
    if (itDoomed != doomed.end()) {
        doomed.erase(itDoomed);
        m_store.Release(m_pMemory);
    }
}

BOOL ListItemStore::IsPinned(const QELListItemMemory* pMemory) const
{
    return std::find(m_pinned.begin(), m_pinned.end(), pMemory) != m_pinned.end();
}

// ----- colours ---------------------------------------------------------------------------------

BOOL ListItemStore::GetCellColors(const QELListItemMemory* pMemory, int nColumn, COLORREF& crText, COLORREF& crBk)
{
    if (pMemory == nullptr || nColumn < 0)
        return FALSE;
    if (pMemory->pColors == nullptr) {
        crText = pMemory->crText;
        crBk = pMemory->crBk;
        return TRUE;
    }
    if (nColumn >= pMemory->nColumns)
        return FALSE;
    crText = pMemory->pColors[nColumn];
    crBk = pMemory->pColors[pMemory->nColumns + nColumn];
    return TRUE;
}

BOOL ListItemStore::SetCellColors(QELListItemMemory* pMemory, int nColumns, int nFirst, int nLast, COLORREF color,
                                  BOOL bText)
{
    if (pMemory->pColors == nullptr) {
        // The row's first colour of its own: every cell gets the colours it had.
        if (nColumns <= 0)
            return TRUE;
        COLORREF* pColors = NewColors(nColumns);
        if (pColors == nullptr)
            return FALSE;
        std::fill(pColors, pColors + nColumns, pMemory->crText);
        std::fill(pColors + nColumns, pColors + 2 * nColumns, pMemory->crBk);
        pMemory->pColors = pColors;
        pMemory->nColumns = nColumns;
    }
    // A block that missed a column change (columns changed behind the class's
    // back) keeps to the cells it has.
    nLast = (std::min)(nLast, pMemory->nColumns - 1);
    COLORREF* pTarget = pMemory->pColors + (bText ? 0 : pMemory->nColumns);
    for (int c = (std::max)(nFirst, 0); c <= nLast; ++c)
        pTarget[c] = color;
    return TRUE;
}

void ListItemStore::InsertColumn(int nColumn, int nColumnsBefore, COLORREF crText, COLORREF crBk)
{
    ForEachLive([&](QELListItemMemory* pMemory) {
        if (pMemory->pColors == nullptr) {
            // One colour pair for every cell still holds when the new cells share it.
            if (pMemory->crText == crText && pMemory->crBk == crBk)
                return;
            if (!SetCellColors(pMemory, nColumnsBefore, 0, -1, 0, TRUE) || pMemory->pColors == nullptr) {
                // No columns before: the new one alone, in its colours.
                pMemory->crText = crText;
                pMemory->crBk = crBk;
                return;
            }
        }
        const int nOld = pMemory->nColumns;
        const int nAt = nColumn < 0 ? 0 : (nColumn > nOld ? nOld : nColumn);
        COLORREF* pNew = NewColors(nOld + 1);
        if (pNew == nullptr)
            return;  // out of memory: the block keeps the cells it had
        const COLORREF* pOld = pMemory->pColors;
        for (int c = 0, n = 0; n <= nOld; ++n) {
            if (n == nAt) {
                pNew[n] = crText;
                pNew[nOld + 1 + n] = crBk;
            } else {
                pNew[n] = pOld[c];
                pNew[nOld + 1 + n] = pOld[nOld + c];
                ++c;
            }
        }
        RawRelease(pMemory->pColors);
        pMemory->pColors = pNew;
        pMemory->nColumns = nOld + 1;
    });
}

void ListItemStore::DeleteColumn(int nColumn)
{
    ForEachLive([&](QELListItemMemory* pMemory) {
        const int nOld = pMemory->nColumns;
        if (pMemory->pColors == nullptr || nColumn < 0 || nColumn >= nOld)
            return;
        // Compacted front to back in place: every entry only moves down.
        COLORREF* pColors = pMemory->pColors;
        for (int i = 0, j = 0; i < 2 * nOld; ++i) {
            if (i % nOld != nColumn)
                pColors[j++] = pColors[i];
        }
        pMemory->nColumns = nOld - 1;
    });
}
