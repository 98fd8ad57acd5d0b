#include "AfxAnsiChars.h"
#include "AfxCodePage.h"

const mbcs_chars::Encoding& AFXAPI AfxGetAnsiChars()
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
