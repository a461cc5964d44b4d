// Gallery.exe run as a person runs it: its window shows every control of its
// template, and closing it ends the program with 0.
#include <gtest/gtest.h>

#include "gallery/gallery.h"
#include "tests/support/test_support.h"

namespace {

TEST(GalleryRun, ShowsEveryControlAndEndsWithZeroWhenClosed) {
    HANDLE process = StartProgram(L"\"" + TestProgramPath(L"..\\..\\Gallery.exe") + L"\"");
    ASSERT_TRUE(process);
    HWND window = WaitForProcessWindow(process, "QN2RUNWINDOWGallery");
    ASSERT_TRUE(window) << "no gallery window appeared";
    int missing = 0;
    for (int index = 0; index < GalleryControlCount; ++index)
        if (index != IndexCounter && !FindDescendant(window, 1000 + index)) {
            ADD_FAILURE() << "no control with index " << index;
            ++missing;
        }
    EXPECT_EQ(0, missing);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process, 30000));
    CloseHandle(process);
}

} // namespace
