// The first page: what the library is and what the gallery shows.
#include "GalleryPage.h"

class CWelcomePage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "ZUZIVU70 user-interface controls", Row(28), TRUE);
        NextRow();
        AddLabel(m_body,
                 "Ready-made controls and dialog utilities for Windows desktop applications: an extended "
                 "report list, a customizable dockable toolbar, decorated labels and links, a colour picker, "
                 "numeric edit boxes, a typed registry settings store and small dialogs.\r\n\r\n"
                 "Each tab of this gallery shows one family of controls working with realistic data. "
                 "Use Ctrl+Tab to move between pages, and File > Save screenshots to keep a picture of each.",
                 Row(90));
        NextRow();
        CString strInfo;
        strInfo.Format("Library module: %s    Architecture: %s", (LPCSTR)ModulePath(),
                       sizeof(void*) == 8 ? "x86_64" : "i686");
        AddLabel(m_info, strInfo, Row(20));
        return TRUE;
    }

private:
    static CString ModulePath()
    {
        char szPath[MAX_PATH] = "";
        ::GetModuleFileNameA(::GetModuleHandleA("ZUZIVU70.dll"), szPath, MAX_PATH);
        return szPath;
    }

    CStatic m_title;
    CStatic m_body;
    CStatic m_info;
};

GALLERY_PAGE(CWelcomePage, "Welcome", 0)
