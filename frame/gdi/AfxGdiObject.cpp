// CGdiObject: the handle map and life of every GDI object wrapper.
#include "AfxGdiObject.h"
#include "AfxState.h"
#include "AfxHandleOwner.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnonnull-compare"
#pragma GCC diagnostic ignored "-Waddress"
HGDIOBJ CGdiObject::GetSafeHandle() const { return this == nullptr ? nullptr : m_hObject; }
#pragma GCC diagnostic pop

namespace {
// A temporary wrapper of the class matching the object, so that the casts
// in CFont::FromHandle and its siblings name what the object really is.
CGdiObject* NewWrapperFor(HGDIOBJ hObject)
{
    CGdiObject* p;
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = new CPen;
        break;
    case OBJ_BRUSH:
        p = new CBrush;
        break;
    case OBJ_FONT:
        p = new CFont;
        break;
    case OBJ_BITMAP:
        p = new CBitmap;
        break;
    case OBJ_REGION:
        p = new CRgn;
        break;
    default:
        p = new CGdiObject;
        break;
    }
    p->m_hObject = hObject;
    return p;
}

}

// ----- CGdiObject -------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return AfxWrapperFromHandle(AfxGetThreadState()->m_gdiMap, hObject, &CGdiObject::m_hObject, NewWrapperFor);
}

void PASCAL CGdiObject::DeleteTempMap() { AfxGetThreadState()->m_gdiMap.DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return AfxAttachWrapper(AfxGetThreadState()->m_gdiMap, hObject, this, &CGdiObject::m_hObject);
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (Attach(hObject))
        return TRUE;
    if (hObject != nullptr)
        ::DeleteObject(hObject);
    return FALSE;
}

HGDIOBJ CGdiObject::Detach() { return AfxDetachWrapper(AfxGetThreadState()->m_gdiMap, this, &CGdiObject::m_hObject); }

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    if (m_hObject == nullptr)
        return 0;
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject != nullptr ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects cannot be deleted, so owning one costs nothing.
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject() { return m_hObject != nullptr && ::UnrealizeObject(m_hObject); }
