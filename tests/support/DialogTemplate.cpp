#include "DialogTemplate.h"

namespace {
// A template's texts are UTF-16: the 8-bit text is read in the ANSI code page, as the
// framework's own templates would have it (a byte is no character of its own in Shift-JIS).
void AppendText(std::vector<WORD>& buf, const std::string& text)
{
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::vector<WCHAR> wide(nWide > 0 ? (size_t)nWide : 0);
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), wide.data(), nWide);
    buf.insert(buf.end(), wide.begin(), wide.end());
    buf.push_back(0);
}

void AppendDword(std::vector<WORD>& buf, DWORD value)
{
    buf.push_back(LOWORD(value));
    buf.push_back(HIWORD(value));
}

// Items start on a DWORD boundary of the template.
void AlignDword(std::vector<WORD>& buf)
{
    if (buf.size() % 2 != 0)
        buf.push_back(0);
}
}

DialogTemplate::DialogTemplate(const char* title, int cx, int cy, DWORD style)
    : m_title(title), m_style(style | DS_SETFONT), m_cx((short)cx), m_cy((short)cy)
{}

DialogTemplate& DialogTemplate::Add(const char* className, const char* text, WORD id, DWORD style, int x, int y, int cx,
                                    int cy, DWORD exStyle)
{
    m_items.push_back({ className, text != nullptr ? text : "", id, style | WS_CHILD, exStyle, (short)x, (short)y,
                        (short)cx, (short)cy });
    return *this;
}

LPCDLGTEMPLATE DialogTemplate::Get()
{
    std::vector<WORD>& b = m_buffer;
    b.clear();
    AppendDword(b, m_style);
    AppendDword(b, 0);  // extended style
    b.push_back((WORD)m_items.size());
    b.push_back(0);  // x
    b.push_back(0);  // y
    b.push_back((WORD)m_cx);
    b.push_back((WORD)m_cy);
    b.push_back(0);  // no menu
    b.push_back(0);  // default class
    AppendText(b, m_title);
    b.push_back(8);  // point size
    AppendText(b, "MS Shell Dlg");
    for (const Item& item : m_items) {
        AlignDword(b);
        AppendDword(b, item.style);
        AppendDword(b, item.exStyle);
        b.push_back((WORD)item.x);
        b.push_back((WORD)item.y);
        b.push_back((WORD)item.cx);
        b.push_back((WORD)item.cy);
        b.push_back(item.id);
        AppendText(b, item.className);
        AppendText(b, item.text);
        b.push_back(0);  // no creation data
    }
    return reinterpret_cast<LPCDLGTEMPLATE>(b.data());
}
