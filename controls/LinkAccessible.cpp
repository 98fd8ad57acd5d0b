#include "LinkAccessible.h"
#include "QELMemory.h"
#include <oleacc.h>
#include <new>

namespace link_accessible {

namespace {
// Spelled out here: the import library's IID_IAccessible is oleacc.dll's
// exported data, which mingw reaches only through a dllimport declaration.
const IID kIIDAccessible = { 0x618736e0, 0x3c3d, 0x11cf, { 0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71 } };
const IID kIIDOleWindow = { 0x00000114, 0x0000, 0x0000, { 0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } };

// oleacc is loaded the first time an accessibility client asks: an
// application nobody reads with a screen reader never loads it. It stays
// loaded, as it does in the client once asked.
typedef HRESULT(WINAPI* CreateStdFn)(HWND, LONG, REFIID, void**);
typedef LRESULT(WINAPI* LresultFromObjectFn)(REFIID, WPARAM, LPUNKNOWN);
struct Oleacc
{
    CreateStdFn createStd = nullptr;
    LresultFromObjectFn lresultFromObject = nullptr;
};
const Oleacc& LoadOleacc()
{
    static Oleacc s_oleacc;
    static bool s_bTried = false;
    if (!s_bTried) {
        s_bTried = true;
        HMODULE hModule = ::LoadLibraryA("oleacc.dll");
        if (hModule != nullptr) {
            s_oleacc.createStd = reinterpret_cast<CreateStdFn>(::GetProcAddress(hModule, "CreateStdAccessibleObject"));
            s_oleacc.lresultFromObject =
                reinterpret_cast<LresultFromObjectFn>(::GetProcAddress(hModule, "LresultFromObject"));
        }
    }
    return s_oleacc;
}

bool IsSelf(const VARIANT& varChild) { return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF; }

class CLinkAccessible final : public IAccessible, public IOleWindow
{
public:
    CLinkAccessible(HWND hWnd, IAccessible* pStandard, const Callbacks& callbacks)
        : m_hWnd(hWnd), m_pStandard(pStandard), m_callbacks(callbacks)
    {}
    CLinkAccessible(const CLinkAccessible&) = delete;
    CLinkAccessible& operator=(const CLinkAccessible&) = delete;

    // ----- IUnknown --------------------------------------------------------------------
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIIDAccessible)
            *ppv = static_cast<IAccessible*>(this);
        else if (riid == kIIDOleWindow)
            *ppv = static_cast<IOleWindow*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return static_cast<ULONG>(nRefs);
    }

    // ----- IOleWindow ------------------------------------------------------------------
    STDMETHODIMP GetWindow(HWND* phWnd) override
    {
        if (phWnd == nullptr)
            return E_POINTER;
        *phWnd = m_hWnd;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // ----- IDispatch -------------------------------------------------------------------
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override { return m_pStandard->GetTypeInfoCount(pctinfo); }
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override
    {
        return m_pStandard->GetTypeInfo(iTInfo, lcid, ppTInfo);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override
    {
        return m_pStandard->GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override
    {
        return m_pStandard->Invoke(id, riid, lcid, flags, params, result, excep, argErr);
    }

    // ----- IAccessible: the link's own answers -------------------------------------------
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        if (pvarRole == nullptr)
            return E_POINTER;
        if (!IsSelf(varChild))
            return m_pStandard->get_accRole(varChild, pvarRole);
        pvarRole->vt = VT_I4;
        pvarRole->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        HRESULT hr = m_pStandard->get_accState(varChild, pvarState);
        if (FAILED(hr) || !IsSelf(varChild) || pvarState->vt != VT_I4)
            return hr;
        pvarState->lVal |= STATE_SYSTEM_LINKED;
        // Focusable as the keyboard finds it: with a tab stop.
        pvarState->lVal &= ~STATE_SYSTEM_FOCUSABLE;
        if (::IsWindow(m_hWnd) && (::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_TABSTOP))
            pvarState->lVal |= STATE_SYSTEM_FOCUSABLE;
        if (::IsWindow(m_hWnd) && m_callbacks.visited(m_hWnd))
            pvarState->lVal |= STATE_SYSTEM_TRAVERSED;
        return hr;
    }
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        if (pszDefaultAction == nullptr)
            return E_POINTER;
        if (!IsSelf(varChild))
            return m_pStandard->get_accDefaultAction(varChild, pszDefaultAction);
        *pszDefaultAction = ::SysAllocString(L"Jump");
        return *pszDefaultAction != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override
    {
        if (!IsSelf(varChild))
            return m_pStandard->accDoDefaultAction(varChild);
        if (!::IsWindow(m_hWnd) || !m_callbacks.activate(m_hWnd))
            return E_FAIL;
        return S_OK;
    }

    // ----- IAccessible: the standard object's answers ------------------------------------
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override { return m_pStandard->get_accParent(ppdispParent); }
    STDMETHODIMP get_accChildCount(long* pcountChildren) override
    {
        return m_pStandard->get_accChildCount(pcountChildren);
    }
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return m_pStandard->get_accChild(varChild, ppdispChild);
    }
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override
    {
        return m_pStandard->get_accName(varChild, pszName);
    }
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        return m_pStandard->get_accValue(varChild, pszValue);
    }
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        return m_pStandard->get_accDescription(varChild, pszDescription);
    }
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override
    {
        return m_pStandard->get_accHelp(varChild, pszHelp);
    }
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override
    {
        return m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override
    {
        return m_pStandard->get_accKeyboardShortcut(varChild, pszKeyboardShortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override { return m_pStandard->get_accFocus(pvarChild); }
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override
    {
        return m_pStandard->get_accSelection(pvarChildren);
    }
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override
    {
        return m_pStandard->accSelect(flagsSelect, varChild);
    }
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override
    {
        return m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    }
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt);
    }
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override
    {
        return m_pStandard->accHitTest(xLeft, yTop, pvarChild);
    }
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override
    {
        return m_pStandard->put_accName(varChild, szName);
    }
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override
    {
        return m_pStandard->put_accValue(varChild, szValue);
    }

private:
    virtual ~CLinkAccessible() { m_pStandard->Release(); }

    LONG m_nRefs = 1;
    HWND m_hWnd;
    IAccessible* m_pStandard;
    Callbacks m_callbacks;
};
}

LRESULT Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, const Callbacks& callbacks)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return 0;
    const Oleacc& oleacc = LoadOleacc();
    if (oleacc.createStd == nullptr || oleacc.lresultFromObject == nullptr)
        return 0;
    IAccessible* pStandard = nullptr;
    if (FAILED(oleacc.createStd(hWnd, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&pStandard))) ||
        pStandard == nullptr)
        return 0;
    CLinkAccessible* pLink = nullptr;
    qel_memory::NoThrowDone([&] { pLink = new CLinkAccessible(hWnd, pStandard, callbacks); });
    if (pLink == nullptr) {
        pStandard->Release();
        return 0;
    }
    // The result holds its own reference to the object.
    const LRESULT lResult = oleacc.lresultFromObject(kIIDAccessible, wParam, static_cast<IAccessible*>(pLink));
    pLink->Release();
    return lResult > 0 ? lResult : 0;
}
}
