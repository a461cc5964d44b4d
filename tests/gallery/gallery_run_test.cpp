// Gallery.exe run as a person runs it: its window shows every control of its
// template, its toolbar docks elsewhere without covering the other controls,
// and closing it ends the program with 0.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <climits>
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
