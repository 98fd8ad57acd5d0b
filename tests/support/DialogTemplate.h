// Builds a dialog template in memory, so a test can make any dialog without
// a resource script.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class DialogTemplate
{
public:
    // Dialog units; DS_SETFONT is added with "MS Shell Dlg" 8.
    DialogTemplate(const char* title, int cx, int cy, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);

    // A control of a predefined or registered class ("EDIT", "BUTTON", "SysListView32", ...).
    DialogTemplate& Add(const char* className, const char* text, WORD id, DWORD style, int x, int y, int cx, int cy,
                        DWORD exStyle = 0);

    LPCDLGTEMPLATE Get();

private:
    struct Item
    {
        std::string className, text;
        WORD id;
        DWORD style, exStyle;
        short x, y, cx, cy;
    };
    std::string m_title;
    DWORD m_style;
    short m_cx, m_cy;
    std::vector<Item> m_items;
    std::vector<WORD> m_buffer;
};
