// Mistakes an application can make with the variadic functions of the library
// and of the framework, one per case, and their right forms (RIGHT). Each case
// is compiled alone with -Wall -Werror=format (CMakeLists.txt beside this file):
// the compiler must refuse every mistake and accept the right forms.
#include "ZUZIVU70.h"

void UseVariadics(QELListCtrl& list, CString& str, const CString& strName)
{
#if defined(RIGHT)
    str.Format("%s has %d rows", (LPCSTR)strName, list.GetItemCount());
    str.AppendFormat(" and %lld bytes", 1234567890123LL);
    QELGUIUtils::Message("%s", strName.GetString());
    // The template takes CString and LPCSTR alike and ends the list itself.
    list.InsertItemEx(0, "a", strName, str);
    list.InsertItemEx(1, strName, "b", nullptr);
    list.InsertItemEx(2, "c", nullptr);
#elif defined(FORMAT_CSTRING)
    str.Format("%s has %d rows", strName, list.GetItemCount());
#elif defined(APPEND_FORMAT_CSTRING)
    str.AppendFormat(" (%s)", strName);
#elif defined(MESSAGE_CSTRING)
    QELGUIUtils::Message("%s", strName);
#elif defined(INSERT_ONE_TEXT_UNENDED)
    // The exported form: with one text alone the null pointer must follow.
    list.InsertItemEx(0, "a");
#else
#error "name a case"
#endif
}
