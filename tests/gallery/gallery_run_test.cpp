// Gallery.exe run as a person runs it: its window shows every control of its
// template, its toolbar docks elsewhere without covering the other controls,
// and closing it ends the program with 0.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <string>
#include <vector>

#include "gallery/gallery.h"
#include "tests/support/canvas.h"
#include "tests/support/test_support.h"

namespace {

// Starts Gallery.exe and waits for its window; the caller closes the process.
void StartGallery(HANDLE *process, HWND *window) {
    *process = StartProgram(L"\"" + TestProgramPath(L"..\\..\\Gallery.exe") + L"\"");
    ASSERT_TRUE(*process);
    *window = WaitForProcessWindow(*process, "QN2RUNWINDOWGallery");
    ASSERT_TRUE(*window) << "no gallery window appeared";
}

TEST(GalleryRun, ShowsEveryControlAndEndsWithZeroWhenClosed) {
    HANDLE process = nullptr;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartGallery(&process, &window));
    int missing = 0;
    for (int index = 0; index < GalleryControlCount; ++index)
        if (index != IndexCounter && !FindDescendant(window, ControlId(index))) {
            ADD_FAILURE() << "no control with index " << index;
            ++missing;
        }
    EXPECT_EQ(0, missing);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

// The template's counter thread counts the seconds into the status bar:
// "Counter thread: starting" gives way to "Counter thread: 1 s" and on.
TEST(GalleryRun, CounterThreadCountsIntoTheStatusBar) {
    HANDLE process = nullptr;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartGallery(&process, &window));
    HWND status = FindDescendant(window, ControlId(IndexStatusBar));
    int length = 0;
    for (int tries = 0; tries < 100 && length != 19; ++tries) {
        Sleep(50);
        length = LOWORD(SendMessageW(status, SB_GETTEXTLENGTHW, 1, 0));
    }
    EXPECT_EQ(19, length) << "no count of the first seconds appeared";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

// The text of a list view's item in a column. The list view belongs to the
// gallery's process and takes pointers: the item record and its text are
// read through memory of that process.
std::wstring ListViewText(HANDLE process, HWND list, int item, int column) {
    struct Request {
        LVITEMW Item;
        wchar_t Text[64];
    };
    Request *remote =
        (Request *)VirtualAllocEx(process, nullptr, sizeof(Request), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return L"<no memory>";
    Request local = {};
    local.Item.iSubItem = column;
    local.Item.cchTextMax = 64;
    local.Item.pszText = remote->Text;
    WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, item, (LPARAM)&remote->Item);
    ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    local.Text[63] = 0;
    return local.Text;
}

// The bars and lists hold the items of the template, the rebar's band holds
// its label, and the list view's rows fill both columns.
TEST(GalleryRun, BarsAndListsHoldTheirItems) {
    HANDLE process = nullptr;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartGallery(&process, &window));
    auto control = [&](int index) { return FindDescendant(window, ControlId(index)); };
    EXPECT_EQ(4, SendMessageW(control(IndexToolbar), TB_BUTTONCOUNT, 0, 0));
    EXPECT_EQ(3, SendMessageW(control(IndexStatusBar), SB_GETPARTS, 0, 0));
    EXPECT_EQ(1, SendMessageW(control(IndexRebar), RB_GETBANDCOUNT, 0, 0));
    EXPECT_EQ(3, SendMessageW(control(IndexTabs), TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(3, SendMessageW(control(IndexHeader), HDM_GETITEMCOUNT, 0, 0));
    // The band places its label after its caption; a label that were no
    // band's child would stay at the rebar's left edge.
    RECT rebar, label;
    GetWindowRect(control(IndexRebar), &rebar);
    GetWindowRect(control(IndexBandLabel), &label);
    EXPECT_GT(label.left, rebar.left);
    HWND list = control(IndexList);
    EXPECT_EQ(6, SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(L"4", ListViewText(process, list, 0, 0));
    EXPECT_EQ(L"Label", ListViewText(process, list, 0, 1));
    EXPECT_EQ(L"Rebar", ListViewText(process, list, 5, 1));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

// The rectangles of the window's own controls, in its client coordinates.
struct Placed {
    int Index;
    RECT Rect;
};

std::vector<Placed> PlacedControls(HWND window) {
    std::vector<Placed> controls;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        Placed placed = {ControlIndex(GetDlgCtrlID(child)), {}};
        GetWindowRect(child, &placed.Rect);
        MapWindowPoints(HWND_DESKTOP, window, (POINT *)&placed.Rect, 2);
        controls.push_back(placed);
    }
    return controls;
}

bool IsBar(int index) {
    return index == IndexToolbar || index == IndexRebar || index == IndexStatusBar;
}

// The toolbar docked at the bottom and back: the other controls neither lie
// under a bar nor leave a gap below the bars at the top.
TEST(GalleryRun, DockingTheToolbarElsewhereKeepsTheControlsClearOfTheBars) {
    HANDLE process = nullptr;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartGallery(&process, &window));
    HWND button = FindDescendant(window, ControlId(IndexSetDocking));
    ASSERT_TRUE(button);
    const std::vector<Placed> start = PlacedControls(window);
    auto press = [&] {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId(IndexSetDocking), BN_CLICKED),
                     (LPARAM)button);
    };
    auto gapBelowTheTopBars = [](const std::vector<Placed> &controls) {
        int bars = 0, content = INT_MAX;
        for (const Placed &c : controls)
            if (c.Index == IndexRebar || (c.Index == IndexToolbar && c.Rect.top == 0))
                bars = c.Rect.bottom > bars ? c.Rect.bottom : bars;
            else if (!IsBar(c.Index) && c.Rect.top < content)
                content = c.Rect.top;
        return content - bars;
    };
    press();
    const std::vector<Placed> docked = PlacedControls(window);
    for (const Placed &bar : docked) {
        if (!IsBar(bar.Index)) continue;
        for (const Placed &c : docked) {
            RECT overlap;
            if (!IsBar(c.Index) && IntersectRect(&overlap, &bar.Rect, &c.Rect))
                ADD_FAILURE() << "control " << c.Index << " lies under bar " << bar.Index;
        }
    }
    EXPECT_EQ(gapBelowTheTopBars(docked), gapBelowTheTopBars(start));
    press();
    const std::vector<Placed> back = PlacedControls(window);
    ASSERT_EQ(back.size(), start.size());
    for (size_t i = 0; i < back.size(); ++i)
        EXPECT_TRUE(EqualRect(&back[i].Rect, &start[i].Rect)) << "control " << back[i].Index;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

TEST(GalleryRun, ClassicLookShowsButtonImagesOnTheFaceAndAColouredProgressBar) {
    HANDLE process = nullptr;
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(StartGallery(&process, &window));
    HWND classic = FindDescendant(window, ControlId(IndexClassicLook));
    SendMessageW(classic, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(ControlId(IndexClassicLook), BN_CLICKED),
                 (LPARAM)classic);
    // Inside the classic frame, beside the arrow and the caption, only the
    // face shows. The other process's pixels reach the screen when Wine
    // flushes its window surface.
    RECT place;
    GetWindowRect(FindDescendant(window, ControlId(IndexImageLeft)), &place);
    Canvas button(140, 30);
    const RECT inside = {2, 2, 138, 28};
    for (int tries = 0;
         tries < 100 && button.Count(GetSysColor(COLOR_BTNFACE), inside) < 140 * 30 / 2; ++tries) {
        Sleep(50);
        HDC screen = GetDC(nullptr);
        BitBlt(button.Dc(), 0, 0, 140, 30, screen, place.left, place.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    EXPECT_GT(button.Count(GetSysColor(COLOR_BTNFACE), inside), 140 * 30 / 2);
    EXPECT_EQ(0, button.Count(RGB(255, 255, 255), inside));
    HWND progress = FindDescendant(window, ControlId(IndexProgress));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT),
              (COLORREF)SendMessageW(progress, PBM_GETBARCOLOR, 0, 0));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

} // namespace
