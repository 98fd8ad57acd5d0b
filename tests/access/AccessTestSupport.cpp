#include "AccessTestSupport.h"

namespace {
const IID kIIDAccessible = { 0x618736e0, 0x3c3d, 0x11cf, { 0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71 } };

std::string Narrow(BSTR text)
{
    if (text == nullptr)
        return std::string();
    int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string s(n > 0 ? n : 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, &s[0], n, nullptr, nullptr);
    s.resize(n > 0 ? n - 1 : 0);
    return s;
}

VARIANT Self()
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = CHILDID_SELF;
    return v;
}
}

IAccessible* AccessibleOf(HWND hWnd)
{
    IAccessible* pAcc = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, kIIDAccessible, reinterpret_cast<void**>(&pAcc))))
        return nullptr;
    return pAcc;
}

AccessibleFacts ReadAccessible(HWND hWnd)
{
    AccessibleFacts facts;
    IAccessible* pAcc = AccessibleOf(hWnd);
    if (pAcc == nullptr)
        return facts;
    facts.bFound = true;
    BSTR text = nullptr;
    if (pAcc->get_accName(Self(), &text) == S_OK && text != nullptr) {
        facts.bHasName = true;
        facts.name = Narrow(text);
    }
    ::SysFreeString(text);
    VARIANT v;
    ::VariantInit(&v);
    if (SUCCEEDED(pAcc->get_accRole(Self(), &v)) && v.vt == VT_I4)
        facts.role = v.lVal;
    ::VariantClear(&v);
    if (SUCCEEDED(pAcc->get_accState(Self(), &v)) && v.vt == VT_I4)
        facts.state = v.lVal;
    ::VariantClear(&v);
    text = nullptr;
    if (pAcc->get_accValue(Self(), &text) == S_OK)
        facts.value = Narrow(text);
    ::SysFreeString(text);
    text = nullptr;
    if (pAcc->get_accDefaultAction(Self(), &text) == S_OK)
        facts.action = Narrow(text);
    ::SysFreeString(text);
    pAcc->Release();
    return facts;
}

HRESULT DoDefaultAction(IAccessible* pAcc) { return pAcc->accDoDefaultAction(Self()); }

bool RoleIsOneOf(long role, std::initializer_list<long> roles)
{
    for (long r : roles)
        if (r == role)
            return true;
    return false;
}
