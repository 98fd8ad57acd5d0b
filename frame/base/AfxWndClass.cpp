// Window classes: the framework's own and those named by AfxRegisterWndClass.
#include "AfxWndClass.h"
#include "AfxWnd.h"
#include <set>
#include <string>

BOOL AfxRegisterFrameworkClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                               HICON hIcon)
{
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (::GetClassInfoA(hInstance, lpszClassName, &existing))
        return TRUE;
    WNDCLASSA wc = {};
    wc.style = nClassStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = lpszClassName;
    return ::RegisterClassA(&wc) != 0;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The name says what the class is, so equal requests share one class.
    static std::set<std::string> registered;
    char name[96];
    wsprintfA(name, "Afx:%p:%x:%p:%p:%p", (void*)GetModuleHandleA(nullptr), nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    auto it = registered.find(name);
    if (it != registered.end())
        return it->c_str();
    if (!AfxRegisterFrameworkClass(name, nClassStyle, hCursor, hbrBackground, hIcon))
        return nullptr;
    return registered.insert(name).first->c_str();
}
