#include "AfxAnsiChars.h"
#include <windows.h>

const mbcs_chars::Encoding& afx_ansi::Chars()
{
    static const mbcs_chars::Encoding encoding = [] {
        CPINFO info = {};
        UINT codePage = GetACP();
        if (codePage != CP_UTF8 && !GetCPInfo(CP_ACP, &info))
            return mbcs_chars::Encoding::SingleByte();
        return mbcs_chars::Encoding::ForAnsiCodePage(codePage, info.LeadByte, sizeof info.LeadByte);
    }();
    return encoding;
}
