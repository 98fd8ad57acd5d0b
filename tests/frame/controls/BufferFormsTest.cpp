// The framework's buffer forms: every wrapper that copies text into a caller's
// buffer terminates it within its size and returns the length it holds, also
// when the buffer is too small (the list view under Wine reports 15 for six
// characters in four bytes and leaves them unterminated); a null buffer or a
// size of 0 is answered with 0 and not written.
#include "RecordingParent.h"
#include <gtest/gtest.h>
#include <cstring>
#include <functional>
#include <string>

namespace {

using BufferForm = std::function<int(LPSTR, int)>;

const char kText[] = "abcdef";
const int kLength = 6;

// Runs one buffer form over every size from 0 to well past the text, in a
// buffer with guard bytes on both sides.
void ExpectTerminatedAndCounted(const char* name, const BufferForm& read, const char* text = kText)
{
    const int nText = (int)std::strlen(text);
    for (int nSize = 0; nSize <= nText + 3; ++nSize) {
        char buffer[64];
        std::memset(buffer, '#', sizeof(buffer));
        LPSTR p = buffer + 8;
        int n = read(p, nSize);
        int nExpected = nSize == 0 ? 0 : (nText < nSize - 1 ? nText : nSize - 1);
        EXPECT_EQ(n, nExpected) << name << ", buffer of " << nSize;
        if (nSize > 0) {
            EXPECT_EQ((int)strnlen(p, nSize), n) << name << ", buffer of " << nSize << ": not terminated where it says";
            EXPECT_EQ(std::string(p, n), std::string(text, n)) << name;
        } else {
            EXPECT_EQ(p[0], '#') << name << ": a buffer of size 0 was written";
        }
        // Nothing written outside the buffer.
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(buffer[i], '#') << name << ", before the buffer";
        for (int i = 8 + nSize; i < (int)sizeof(buffer); ++i)
            EXPECT_EQ(buffer[i], '#') << name << ", byte " << i - 8 << " past a buffer of " << nSize;
    }
    EXPECT_EQ(read(nullptr, 10), 0) << name << " with a null buffer";
    EXPECT_EQ(read(nullptr, -1), 0) << name << " with a null buffer";
}

// With no window (or no menu) behind the wrapper: an empty text, never a crash.
void ExpectEmptyWithoutWindow(const char* name, const BufferForm& read)
{
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(read(buffer, sizeof(buffer)), 0) << name;
    EXPECT_EQ(buffer[0], '\0') << name;
    char untouched[4] = "zzz";
    EXPECT_EQ(read(untouched, 0), 0) << name;
    EXPECT_EQ(untouched[0], 'z') << name;
}

TEST(BufferForms, ListItemText)
{
    CRecordingFrame frame;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100), &frame, 1));
    list.InsertColumn(0, "A", LVCFMT_LEFT, 80);
    list.InsertColumn(1, "B", LVCFMT_LEFT, 80);
    list.InsertItem(0, kText);
    list.SetItemText(0, 1, kText);
    ExpectTerminatedAndCounted("item", [&](LPSTR p, int n) { return list.GetItemText(0, 0, p, n); });
    ExpectTerminatedAndCounted("sub-item", [&](LPSTR p, int n) { return list.GetItemText(0, 1, p, n); });
    // Indices that name no item or no column: an empty text.
    for (int nItem : { -1, 1, 1000 })
        ExpectTerminatedAndCounted(
            "missing item", [&](LPSTR p, int n) { return list.GetItemText(nItem, 0, p, n); }, "");
    ExpectTerminatedAndCounted(
        "missing column", [&](LPSTR p, int n) { return list.GetItemText(0, 7, p, n); }, "");
    list.DestroyWindow();
    ExpectEmptyWithoutWindow("destroyed list", [&](LPSTR p, int n) { return list.GetItemText(0, 0, p, n); });
    CListCtrl never;
    ExpectEmptyWithoutWindow("list never created", [&](LPSTR p, int n) { return never.GetItemText(0, 0, p, n); });
}

TEST(BufferForms, WindowAndDialogItemText)
{
    CRecordingFrame frame;
    CWnd child;
    ASSERT_TRUE(child.Create("STATIC", kText, WS_CHILD, CRect(0, 0, 50, 20), &frame, 77));
    ExpectTerminatedAndCounted("window", [&](LPSTR p, int n) { return child.GetWindowText(p, n); });
    ExpectTerminatedAndCounted("dialog item", [&](LPSTR p, int n) { return frame.GetDlgItemText(77, p, n); });
    ExpectEmptyWithoutWindow("missing dialog item", [&](LPSTR p, int n) { return frame.GetDlgItemText(78, p, n); });
    child.DestroyWindow();
    ExpectEmptyWithoutWindow("destroyed window", [&](LPSTR p, int n) { return child.GetWindowText(p, n); });
    CWnd never;
    ExpectEmptyWithoutWindow("window never created", [&](LPSTR p, int n) { return never.GetWindowText(p, n); });
    ExpectEmptyWithoutWindow("items of no window", [&](LPSTR p, int n) { return never.GetDlgItemText(77, p, n); });
}

TEST(BufferForms, EditLines)
{
    CRecordingFrame frame;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 200, 100), &frame, 2));
    edit.SetWindowText("first line\r\nabcdef\r\n");
    ExpectTerminatedAndCounted("line", [&](LPSTR p, int n) { return edit.GetLine(1, p, n); });
    // The older form takes the size from the buffer's first WORD.
    ExpectTerminatedAndCounted("line, size in the buffer", [&](LPSTR p, int n) {
        if (p == nullptr)
            return edit.GetLine(1, p);
        if (n < (int)sizeof(WORD))
            return edit.GetLine(1, p, n);  // no room for the WORD itself
        WORD w = (WORD)n;
        std::memcpy(p, &w, sizeof(w));
        return edit.GetLine(1, p);
    });
    ExpectTerminatedAndCounted(
        "empty line", [&](LPSTR p, int n) { return edit.GetLine(2, p, n); }, "");
    ExpectTerminatedAndCounted(
        "missing line", [&](LPSTR p, int n) { return edit.GetLine(50, p, n); }, "");
    edit.DestroyWindow();
    ExpectEmptyWithoutWindow("destroyed edit", [&](LPSTR p, int n) { return edit.GetLine(0, p, n); });
}

TEST(BufferForms, MenuStrings)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 40, kText);
    ExpectTerminatedAndCounted("menu", [&](LPSTR p, int n) { return menu.GetMenuString(40, p, n, MF_BYCOMMAND); });
    ExpectTerminatedAndCounted(
        "missing menu item", [&](LPSTR p, int n) { return menu.GetMenuString(41, p, n, MF_BYCOMMAND); }, "");
    menu.DestroyMenu();
    ExpectEmptyWithoutWindow("no menu", [&](LPSTR p, int n) { return menu.GetMenuString(40, p, n, MF_BYCOMMAND); });
}

}  // namespace
