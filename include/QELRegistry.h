// QELRegistry: an application's settings in the system registry, as typed
// values in fixed formats.
//
// An object names one place: a root key (one of the predefined top-level
// keys) and a current path below it. It never keeps a key open between calls:
// each operation opens what it needs from the root, works and closes it
// again, so objects copy freely and live as long as the application likes.
// Paths are always full paths below the root; the current path is replaced by
// SetKey and CreateKey, never extended.
//
// Stored formats (all numbers little-endian; they are what other versions of
// an application read back, so they never change):
//   integer, boolean, colour, double word   REG_BINARY, 4 bytes
//   real                                     REG_BINARY, 8 bytes (IEEE double)
//   string                                   REG_SZ, the text and one NUL
//   date and time                            REG_BINARY, 12 bytes: the date as a
//                                            double, then its status (int32)
//   font                                     REG_BINARY, the 60-byte LOGFONTA
//   point, size                              REG_BINARY, 8 bytes: x/cx, y/cy
//   rectangle                                REG_BINARY, 16 bytes: l, t, r, b
// Types stored alike read back through one another (WriteInt then ReadColor,
// WritePoint then ReadSize). Reads never fail loudly: the scalar reads return
// the caller's default, the structure reads return 0 and leave the caller's
// object alone.
//
// Paths and names the platform could misread are refused before it sees them:
// a path with a key name longer than 255 characters, an empty name (a leading
// or doubled backslash) or more than 32,767 characters in all, and a value
// name longer than 16,383 characters. Such a path is a key that does not
// exist; such a name, a value that does not exist.
#pragma once
#include "ZUZIVU70Defs.h"
#include "afxdisp.h"
#include <cstdint>

class QEL_API QELRegistry
{
public:
    // Root HKEY_CURRENT_USER (or the given root, taken as it is), empty path,
    // lazy write on, status 0.
    QELRegistry();
    explicit QELRegistry(HKEY hRootKey);
    QELRegistry(const QELRegistry& other);
    QELRegistry& operator=(const QELRegistry& other);
    ~QELRegistry();

    // ----- the place -----------------------------------------------------------
    HKEY GetRootKey() const;
    // Accepts HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE and
    // HKEY_USERS; 0 and nothing changed for any other handle.
    int SetRootKey(HKEY hRootKey);
    CString GetCurrentPath() const;
    // 1 when the current path is not empty; nothing is looked up.
    int PathIsValid() const;
    // Empty path, root HKEY_CURRENT_USER, lazy write on.
    int ClearKey();

    // ----- keys ------------------------------------------------------------------
    // Makes the path (below the root) the current key: opened with full access,
    // or created with every missing level when bCanCreate is non-zero. An empty
    // path makes the root itself current. 0 and the current path kept on failure.
    int SetKey(const CString& strPath, int bCanCreate = 0);
    int CreateKey(const CString& strPath);
    // 1 when the key is gone: deleted, or missing (or not ours to open with full
    // access). A key that still has sub-keys is the platform's to refuse. An
    // empty path would name the root itself and is refused (0). The current
    // path stays as it is.
    int DeleteKey(const CString& strPath);
    // 1 when the path below hRootKey (this object's root when null) opens with
    // full access. The current path plays no part.
    int KeyExists(const CString& strPath, HKEY hRootKey = nullptr) const;
    // Of the current key, opened with full access; -1 when it cannot be.
    int GetSubKeyCount() const;
    int GetValueCount() const;

    // ----- values of the current key: queries and maintenance ----------------------
    // An empty name addresses the key's default value.
    int ValueExists(const CString& strName) const;
    // The value's registry type; REG_NONE when the key or the value is missing.
    DWORD GetDataType(const CString& strName) const;
    // The value's size in bytes; -1 when the key or the value is missing.
    int GetDataSize(const CString& strName) const;
    int DeleteValue(const CString& strName);
    // Moves the value's data and type to the new name. Nothing changes unless
    // the whole move succeeds: not when the old value is missing, the new name
    // is taken (also by the old value itself), or any step fails.
    void RenameValue(const CString& strOldName, const CString& strNewName);

    // ----- typed values -------------------------------------------------------------
    // Writes need the current key to exist (they never create it); 1 when stored.
    int WriteInt(const CString& strName, int nValue);
    int WriteBool(const CString& strName, int bValue);  // stored unchanged, not as 0/1
    int WriteColor(const CString& strName, unsigned long crValue);
    int WriteDword(const CString& strName, unsigned long dwValue);
    int WriteFloat(const CString& strName, double dValue);
    int WriteString(const CString& strName, const CString& strValue);
    int WriteDateTime(const CString& strName, const COleDateTime& dtValue);
    // 0 and nothing stored for a null or empty font object.
    int WriteFont(const CString& strName, const CFont* pFont);
    int WritePoint(const CString& strName, const CPoint* pPoint);
    int WriteSize(const CString& strName, const CSize* pSize);
    int WriteRect(const CString& strName, const CRect* pRect);

    // The stored value, or the default when there is none of exactly the
    // type's size (any registry type is accepted).
    int ReadInt(const CString& strName, int nDefault) const;
    int ReadBool(const CString& strName, int bDefault) const;
    unsigned long ReadColor(const CString& strName, unsigned long crDefault) const;
    unsigned long ReadDword(const CString& strName, unsigned long dwDefault) const;
    double ReadFloat(const CString& strName, double dDefault) const;
    // REG_SZ or REG_EXPAND_SZ (returned as stored, unexpanded), else the default.
    CString ReadString(const CString& strName, const CString& strDefault) const;
    // Up to 12 bytes; the bytes not stored read as zero.
    COleDateTime ReadDateTime(const CString& strName, const COleDateTime& dtDefault) const;
    // The font object gets a new font made from the stored record; 0 and the
    // font object untouched when there is no whole record.
    int ReadFont(const CString& strName, CFont* pFont) const;
    // Up to the structure's size; the bytes not stored keep the caller's values.
    int ReadPoint(const CString& strName, CPoint* pPoint) const;
    int ReadSize(const CString& strName, CSize* pSize) const;
    int ReadRect(const CString& strName, CRect* pRect) const;

private:
    int WriteValue(const CString& strName, DWORD dwType, const BYTE* pData, DWORD nSize) const;
    // nCount (at most 4) 32-bit integers one after another: points, sizes, rectangles.
    int WriteInt32s(const CString& strName, const int32_t* pValues, int nCount) const;
    // Reads the value into pBuffer (nCapacity bytes); *pnSize gets the bytes stored.
    BOOL ReadValue(const CString& strName, BYTE* pBuffer, DWORD nCapacity, DWORD* pnSize) const;
    // Lays the stored bytes over nCount 32-bit integers (points, sizes, rectangles).
    int ReadInt32s(const CString& strName, int32_t* pValues, int nCount) const;
    void FlushIfEager(HKEY hKey) const;
    // The steps of ReadString and RenameValue that need memory of their own;
    // they may throw, their callers catch.
    CString ReadText(HKEY hKey, const CString& strName, DWORD nSize, const CString& strDefault) const;
    void MoveValue(const CString& strOldName, const CString& strNewName);

protected:
    // Result of the last registry call of SetKey (opening), GetDataType and
    // ReadString: 0 for success, else the platform's error code.
    mutable LONG m_nLastStatus;
    HKEY m_hRootKey;

public:
    // While 0, every key created or set and every value written is flushed to
    // disk before its key is closed. Every constructor and ClearKey set it to
    // 1; an application that wants its settings on disk at once clears it.
    int m_bLazyWrite;

protected:
    CString m_strCurrentPath;
};
