// QELRegistry: typed values, written and read in their fixed stored formats.
#include "QELRegistry.h"
#include "logic/RegistryEncoding.h"
#include "RegistryKeyHandle.h"
#include "QELMemory.h"
#include <cstring>
#include <vector>

using namespace registry_encoding;

static_assert(sizeof(LOGFONTA) == kFontSize, "the stored font record is the ANSI LOGFONT");

namespace {
FontRecord FontRecordFrom(const LOGFONTA& lf)
{
    FontRecord font;
    font.height = lf.lfHeight;
    font.width = lf.lfWidth;
    font.escapement = lf.lfEscapement;
    font.orientation = lf.lfOrientation;
    font.weight = lf.lfWeight;
    font.italic = lf.lfItalic;
    font.underline = lf.lfUnderline;
    font.strikeOut = lf.lfStrikeOut;
    font.charSet = lf.lfCharSet;
    font.outPrecision = lf.lfOutPrecision;
    font.clipPrecision = lf.lfClipPrecision;
    font.quality = lf.lfQuality;
    font.pitchAndFamily = lf.lfPitchAndFamily;
    std::memcpy(font.faceName, lf.lfFaceName, kFaceNameSize);
    return font;
}

LOGFONTA LogFontFrom(const FontRecord& font)
{
    LOGFONTA lf;
    lf.lfHeight = font.height;
    lf.lfWidth = font.width;
    lf.lfEscapement = font.escapement;
    lf.lfOrientation = font.orientation;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = font.outPrecision;
    lf.lfClipPrecision = font.clipPrecision;
    lf.lfQuality = font.quality;
    lf.lfPitchAndFamily = font.pitchAndFamily;
    std::memcpy(lf.lfFaceName, font.faceName, kFaceNameSize);
    return lf;
}
}

// ----- writing ---------------------------------------------------------------------

int QELRegistry::WriteValue(const CString& strName, DWORD dwType, const BYTE* pData, DWORD nSize) const
{
    // KEY_WRITE opens, never creates: a setting goes only where the application
    // made its key.
    if (!registry_names::ValueNameIsUsable(strName))
        return 0;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_WRITE) != ERROR_SUCCESS)
        return 0;
    if (::RegSetValueExA(key, strName, 0, dwType, pData, nSize) != ERROR_SUCCESS)
        return 0;
    FlushIfEager(key);
    return 1;
}

int QELRegistry::WriteInt(const CString& strName, int nValue)
{
    BYTE data[kInt32Size];
    EncodeInt32(nValue, data);
    return WriteValue(strName, REG_BINARY, data, sizeof(data));
}

int QELRegistry::WriteBool(const CString& strName, int bValue) { return WriteInt(strName, bValue); }

int QELRegistry::WriteColor(const CString& strName, unsigned long crValue) { return WriteInt(strName, (int)crValue); }

int QELRegistry::WriteDword(const CString& strName, unsigned long dwValue) { return WriteInt(strName, (int)dwValue); }

int QELRegistry::WriteFloat(const CString& strName, double dValue)
{
    BYTE data[kRealSize];
    EncodeReal(dValue, data);
    return WriteValue(strName, REG_BINARY, data, sizeof(data));
}

int QELRegistry::WriteString(const CString& strName, const CString& strValue)
{
    return WriteValue(strName, REG_SZ, reinterpret_cast<const BYTE*>(strValue.GetString()),
                      (DWORD)strValue.GetLength() + 1);
}

int QELRegistry::WriteDateTime(const CString& strName, const COleDateTime& dtValue)
{
    BYTE data[kDateSize];
    EncodeDate({ dtValue.m_dt, DateStatus(dtValue.GetStatus()) }, data);
    return WriteValue(strName, REG_BINARY, data, sizeof(data));
}

int QELRegistry::WriteFont(const CString& strName, const CFont* pFont)
{
    // The record comes from the font itself; an empty font object has none to store.
    LOGFONTA lf;
    if (pFont == nullptr || pFont->GetSafeHandle() == nullptr ||
        ::GetObjectA(pFont->GetSafeHandle(), sizeof(lf), &lf) != (int)sizeof(lf))
        return 0;
    BYTE data[kFontSize];
    EncodeFont(FontRecordFrom(lf), data);
    return WriteValue(strName, REG_BINARY, data, sizeof(data));
}

int QELRegistry::WriteInt32s(const CString& strName, const int32_t* pValues, int nCount) const
{
    BYTE data[kRectSize];
    EncodeInt32s(pValues, (size_t)nCount, data);
    return WriteValue(strName, REG_BINARY, data, (DWORD)(nCount * kInt32Size));
}

int QELRegistry::WritePoint(const CString& strName, const CPoint* pPoint)
{
    if (pPoint == nullptr)
        return 0;
    const int32_t values[] = { pPoint->x, pPoint->y };
    return WriteInt32s(strName, values, 2);
}

int QELRegistry::WriteSize(const CString& strName, const CSize* pSize)
{
    if (pSize == nullptr)
        return 0;
    const int32_t values[] = { pSize->cx, pSize->cy };
    return WriteInt32s(strName, values, 2);
}

int QELRegistry::WriteRect(const CString& strName, const CRect* pRect)
{
    if (pRect == nullptr)
        return 0;
    const int32_t values[] = { pRect->left, pRect->top, pRect->right, pRect->bottom };
    return WriteInt32s(strName, values, 4);
}

// ----- reading -------------------------------------------------------------------------

BOOL QELRegistry::ReadValue(const CString& strName, BYTE* pBuffer, DWORD nCapacity, DWORD* pnSize) const
{
    // The stored type is not examined: whatever fits is the caller's to decode.
    // A larger value fails here and leaves the buffer to be ignored.
    if (!registry_names::ValueNameIsUsable(strName))
        return FALSE;
    RegistryKeyHandle key;
    if (key.Open(m_hRootKey, m_strCurrentPath, KEY_READ) != ERROR_SUCCESS)
        return FALSE;
    DWORD nSize = nCapacity;
    if (::RegQueryValueExA(key, strName, nullptr, nullptr, pBuffer, &nSize) != ERROR_SUCCESS || nSize > nCapacity)
        return FALSE;
    *pnSize = nSize;
    return TRUE;
}

int QELRegistry::ReadInt(const CString& strName, int nDefault) const
{
    BYTE data[kInt32Size];
    DWORD nSize = 0;
    int32_t nValue = 0;
    if (!ReadValue(strName, data, sizeof(data), &nSize) || !DecodeInt32(data, nSize, &nValue))
        return nDefault;
    return nValue;
}

int QELRegistry::ReadBool(const CString& strName, int bDefault) const { return ReadInt(strName, bDefault); }

unsigned long QELRegistry::ReadColor(const CString& strName, unsigned long crDefault) const
{
    return (unsigned long)(uint32_t)ReadInt(strName, (int)crDefault);
}

unsigned long QELRegistry::ReadDword(const CString& strName, unsigned long dwDefault) const
{
    return (unsigned long)(uint32_t)ReadInt(strName, (int)dwDefault);
}

double QELRegistry::ReadFloat(const CString& strName, double dDefault) const
{
    BYTE data[kRealSize];
    DWORD nSize = 0;
    double dValue = 0;
    if (!ReadValue(strName, data, sizeof(data), &nSize) || !DecodeReal(data, nSize, &dValue))
        return dDefault;
    return dValue;
}

CString QELRegistry::ReadString(const CString& strName, const CString& strDefault) const
{
    DWORD dwType = GetDataType(strName);
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return strDefault;
    RegistryKeyHandle key;
    m_nLastStatus = key.Open(m_hRootKey, m_strCurrentPath, KEY_READ);
    if (m_nLastStatus != ERROR_SUCCESS)
        return strDefault;
    DWORD nSize = 0;
    m_nLastStatus = ::RegQueryValueExA(key, strName, nullptr, nullptr, nullptr, &nSize);
    if (m_nLastStatus != ERROR_SUCCESS)
        return strDefault;
    // No memory for the text is a failed read like any other: the default, and
    // the reason in the status.
    CString strValue;
    if (!qel_memory::NoThrowDone([&] { strValue = ReadText(key, strName, nSize, strDefault); }))
        m_nLastStatus = ERROR_NOT_ENOUGH_MEMORY;
    return m_nLastStatus == ERROR_SUCCESS ? strValue : strDefault;
}

CString QELRegistry::ReadText(HKEY hKey, const CString& strName, DWORD nSize, const CString& strDefault) const
{
    // The value may change between the two queries. A value that grew fails the
    // read (ERROR_MORE_DATA) rather than coming back cut short; one that turned
    // into another type is no longer text.
    std::vector<char> buffer(static_cast<size_t>(nSize) + 1, '\0');
    DWORD nRead = (DWORD)buffer.size();
    DWORD dwType = REG_NONE;
    m_nLastStatus = ::RegQueryValueExA(hKey, strName, nullptr, &dwType, reinterpret_cast<BYTE*>(buffer.data()), &nRead);
    if (m_nLastStatus != ERROR_SUCCESS || nRead > buffer.size() || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return strDefault;
    return CString(buffer.data(), (int)TextLength(buffer.data(), nRead));
}

COleDateTime QELRegistry::ReadDateTime(const CString& strName, const COleDateTime& dtDefault) const
{
    BYTE data[kDateSize] = {};
    DWORD nSize = 0;
    DateRecord record;
    if (!ReadValue(strName, data, sizeof(data), &nSize) || !DecodeDate(data, nSize, &record))
        return dtDefault;
    COleDateTime dtValue;
    dtValue.m_dt = record.date;
    dtValue.SetStatus(COleDateTime::DateTimeStatus(record.status));
    return dtValue;
}

int QELRegistry::ReadFont(const CString& strName, CFont* pFont) const
{
    if (pFont == nullptr)
        return 0;
    BYTE data[kFontSize];
    DWORD nSize = 0;
    FontRecord record;
    if (!ReadValue(strName, data, sizeof(data), &nSize) || !DecodeFont(data, nSize, &record, qel_ansi::Chars()))
        return 0;
    // The new font is made before the old one goes, so a record the system
    // refuses leaves the caller's font as it was.
    LOGFONTA lf = LogFontFrom(record);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    if (hFont == nullptr)
        return 0;
    pFont->DeleteObject();
    if (!pFont->Attach(hFont)) {
        ::DeleteObject(hFont);
        return 0;
    }
    return 1;
}

int QELRegistry::ReadInt32s(const CString& strName, int32_t* pValues, int nCount) const
{
    // Read into a buffer of our own: the caller's values change only when the
    // read succeeded, and then only in the bytes that were stored.
    BYTE data[kRectSize];
    DWORD nSize = 0;
    if (!ReadValue(strName, data, (DWORD)(nCount * kInt32Size), &nSize))
        return 0;
    return OverlayInt32s(data, nSize, pValues, (size_t)nCount) ? 1 : 0;
}

int QELRegistry::ReadPoint(const CString& strName, CPoint* pPoint) const
{
    if (pPoint == nullptr)
        return 0;
    int32_t values[] = { pPoint->x, pPoint->y };
    if (!ReadInt32s(strName, values, 2))
        return 0;
    pPoint->x = values[0];
    pPoint->y = values[1];
    return 1;
}

int QELRegistry::ReadSize(const CString& strName, CSize* pSize) const
{
    if (pSize == nullptr)
        return 0;
    int32_t values[] = { pSize->cx, pSize->cy };
    if (!ReadInt32s(strName, values, 2))
        return 0;
    pSize->cx = values[0];
    pSize->cy = values[1];
    return 1;
}

int QELRegistry::ReadRect(const CString& strName, CRect* pRect) const
{
    if (pRect == nullptr)
        return 0;
    int32_t values[] = { pRect->left, pRect->top, pRect->right, pRect->bottom };
    if (!ReadInt32s(strName, values, 4))
        return 0;
    pRect->left = values[0];
    pRect->top = values[1];
    pRect->right = values[2];
    pRect->bottom = values[3];
    return 1;
}
