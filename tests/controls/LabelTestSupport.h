// What the label, link and colour combo tests share: the controls' test
// subclasses and a reader of where a colour was painted.
#pragma once
#include "ControlTestSupport.h"
#include "RecordingParent.h"
#include "PixelReader.h"
#include <functional>

// Answers the system's colour dialog: a colour by its red, green and blue fields, then OK.
std::function<void(HWND)> ChooseInDialog(COLORREF color);

// Where pixels matching a test lie in a rectangle of a window's client area.
struct PixelSpread
{
    int count = 0;
    RECT bounds = { 0, 0, 0, 0 };  // of the matching pixels; empty when none
    // Counts pixel (x, y) in and widens the bounds to hold it.
    void Add(int x, int y);
};
PixelSpread FindPixels(HWND hWnd, const RECT& rc, const std::function<bool(COLORREF)>& match);
PixelSpread FindColor(HWND hWnd, const RECT& rc, COLORREF color);
RECT ClientRect(HWND hWnd);
