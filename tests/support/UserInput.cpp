#include "UserInput.h"
#include "TestApp.h"

namespace input {

namespace {
LPARAM Point(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }
}

LPARAM KeyLParam(UINT vk, bool bUp)
{
    UINT scan = ::MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM l = 1 | ((LPARAM)(scan & 0xFF) << 16);
    if (bUp)
        l |= (LPARAM)0xC0000000;
    return l;
}

void MouseMove(HWND hWnd, int x, int y, UINT keys) { ::SendMessageA(hWnd, WM_MOUSEMOVE, keys, Point(x, y)); }

void Click(HWND hWnd, int x, int y, UINT extraKeys)
{
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON | extraKeys, Point(x, y));
    ::SendMessageA(hWnd, WM_LBUTTONUP, extraKeys, Point(x, y));
}

void DoubleClick(HWND hWnd, int x, int y, UINT extraKeys)
{
    Click(hWnd, x, y, extraKeys);
    ::SendMessageA(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON | extraKeys, Point(x, y));
    ::SendMessageA(hWnd, WM_LBUTTONUP, extraKeys, Point(x, y));
}

void RightClick(HWND hWnd, int x, int y)
{
    ::PostMessageA(hWnd, WM_RBUTTONUP, 0, Point(x, y));
    ::SendMessageA(hWnd, WM_RBUTTONDOWN, MK_RBUTTON, Point(x, y));
    PumpMessages(200);
}

void MiddleClick(HWND hWnd, int x, int y)
{
    ::SendMessageA(hWnd, WM_MBUTTONDOWN, MK_MBUTTON, Point(x, y));
    ::SendMessageA(hWnd, WM_MBUTTONUP, 0, Point(x, y));
}

namespace {
void QueueDragMoves(HWND hWndCapture, POINT from, POINT to, UINT keys)
{
    POINT mid = { (from.x + to.x) / 2, (from.y + to.y) / 2 };
    ::PostMessageA(hWndCapture, WM_MOUSEMOVE, MK_LBUTTON | keys, Point(mid.x, mid.y));
    ::PostMessageA(hWndCapture, WM_MOUSEMOVE, MK_LBUTTON | keys, Point(to.x, to.y));
    ::PostMessageA(hWndCapture, WM_LBUTTONUP, keys, Point(to.x, to.y));
}
}

void Drag(HWND hWnd, POINT from, POINT to, UINT keys)
{
    QueueDragMoves(hWnd, from, to, keys);
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, Point(from.x, from.y));
    PumpMessages(200);
}

void DragNonClient(HWND hWnd, UINT nHitTest, POINT from, HWND hWndCapture, POINT to, UINT keys)
{
    POINT fromClient = from;
    ::ScreenToClient(hWndCapture, &fromClient);
    QueueDragMoves(hWndCapture, fromClient, to, keys);
    ::SendMessageA(hWnd, WM_NCLBUTTONDOWN, nHitTest, Point(from.x, from.y));
    PumpMessages(200);
}

void PostClick(HWND hWnd, int x, int y)
{
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, Point(x, y));
    PumpMessages();
}

void PostDoubleClick(HWND hWnd, int x, int y)
{
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, Point(x, y));
    ::PostMessageA(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(x, y));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, Point(x, y));
    PumpMessages();
}

void PostKeyDown(HWND hWnd, UINT vk) { ::PostMessageA(hWnd, WM_KEYDOWN, vk, KeyLParam(vk, false)); }

void PressKey(HWND hWnd, UINT vk)
{
    PostKeyDown(hWnd, vk);
    ::PostMessageA(hWnd, WM_KEYUP, vk, KeyLParam(vk, true));
    PumpMessages();
}

void PostChar(HWND hWnd, char ch) { ::PostMessageA(hWnd, WM_CHAR, (WPARAM)(unsigned char)ch, 1); }

void TypeText(HWND hWnd, const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
        PostChar(hWnd, *p);
    PumpMessages();
}
}
