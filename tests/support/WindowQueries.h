// What tests ask of any window, read straight from the platform: its text, its
// class, its place in its parent, the windows of this thread.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The window's whole text, however long; empty for no window.
std::string WindowText(HWND hWnd);
// The text of control nID of a dialog (or of any parent).
std::string ItemText(HWND hDlg, int nID);
// The window's class name ("#32770" for a dialog).
std::string ClassOf(HWND hWnd);
// The window's rectangle in its parent's client coordinates.
RECT ChildRect(HWND hChild);
// The top-level windows of this thread, in the platform's order.
std::vector<HWND> ThreadWindows();
