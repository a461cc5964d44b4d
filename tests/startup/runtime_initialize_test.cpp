// Runtime initialisation in a real Wine process: the records, work areas,
// screen values and the registered classes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/startup/startup.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/templates/appearance.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "tests/support/test_support.h"

namespace {

TEST(Dpi, ValuesAtCommonResolutions) {
    DpiValues at96 = ComputeDpiValues(96, 96);
    EXPECT_EQ(15u, at96.TwipsPerPixelX);
    EXPECT_EQ(15u, at96.TwipsPerPixelY);
    EXPECT_EQ(72u, at96.FontScaleDivisor);

    DpiValues at120 = ComputeDpiValues(120, 120);
    EXPECT_EQ(12u, at120.TwipsPerPixelY);
    EXPECT_EQ(90u, at120.FontScaleDivisor);

    DpiValues at144 = ComputeDpiValues(144, 144);
    EXPECT_EQ(10u, at144.TwipsPerPixelX);
    EXPECT_EQ(108u, at144.FontScaleDivisor);

    DpiValues uneven = ComputeDpiValues(96, 144);
    EXPECT_EQ(15u, uneven.TwipsPerPixelX);
    EXPECT_EQ(10u, uneven.TwipsPerPixelY);

    // A screen that tells no resolution counts as 96 dpi.
    EXPECT_EQ(15u, ComputeDpiValues(0, 0).TwipsPerPixelX);
}

TEST(RuntimeInitialize, ScreenValuesFitTheDisplay) {
    HDC screen = GetDC(nullptr);
    const unsigned dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const unsigned dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // A pixel is a whole number of twips, rounded down: an inch of pixels is
    // at most 1440 twips and less than a pixel short of it.
    EXPECT_LE(TwipsPerPixelX * dpiX, 1440u);
    EXPECT_GT((TwipsPerPixelX + 1) * dpiX, 1440u);
    EXPECT_LE(TwipsPerPixelY * dpiY, 1440u);
    EXPECT_GT((TwipsPerPixelY + 1) * dpiY, 1440u);
    // Fonts of a fixed scale are as many pixels high as on a 96-dpi screen.
    EXPECT_EQ(-11, FontHeightForSize(dpiY, 8, FontScaleDivisor));
    EXPECT_EQ(-16, FontHeightForSize(dpiY, 12, FontScaleDivisor));
}

TEST(RuntimeInitialize, WorkAreasAreSplitInOrder) {
    ASSERT_NE(nullptr, WorkBlock);
    EXPECT_EQ((void *)WorkBlock, ConversionBuffer);
    EXPECT_EQ(WorkBlock + 2048, HiddenListBoxes);
    EXPECT_EQ((char *)WorkBlock + 2312, ServicePackText);
    EXPECT_EQ((char *)WorkBlock + 2576, TestErrorTrap.Message);
    EXPECT_EQ((void *)(WorkBlock + 3088), (void *)TemplateList);
    EXPECT_EQ((void *)(WorkBlock + 4112), ScratchText);
    // The whole block is writable: the last byte of the text buffer too.
    MEMORY_BASIC_INFORMATION info;
    ASSERT_NE(0u, VirtualQuery(WorkBlock + 4631, &info, sizeof info));
    EXPECT_EQ((DWORD)PAGE_READWRITE, info.Protect);

    ASSERT_NE(nullptr, ThreadTable);
    EXPECT_EQ(0, ThreadCount);
    EXPECT_EQ(784u, BlockSize(ThreadTable));
}

TEST(RuntimeInitialize, ObjectTableStartsEmpty) {
    ASSERT_NE(nullptr, ObjectTable);
    EXPECT_EQ(1024u, BlockSize(ObjectTable));
    EXPECT_EQ(1020u, ObjectTableCapacity);
}

TEST(RuntimeInitialize, ApplicationRecordTexts) {
    EXPECT_EQ(&TestApp, App);
    EXPECT_EQ(0, UnicodeFlag);
    EXPECT_EQ(1252u, CodePage);
    EXPECT_STREQ("tests.exe", (const char *)App->ExeName);
    EXPECT_STREQ(" Tests", (const char *)App->Title);
    EXPECT_EQ(AppTextBlock, (uint8_t *)App->CommandLine);
    EXPECT_EQ(AppTextBlock + 524, (uint8_t *)App->Path);
    EXPECT_EQ(AppTextBlock + 1048, (uint8_t *)App->ExeName);
    EXPECT_EQ(AppTextBlock + 1572, (uint8_t *)App->Title);

    // Path: the folder of the test program, without a final backslash.
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module);
    folder.resize(folder.find_last_of('\\'));
    const char *path = (const char *)App->Path;
    EXPECT_EQ(folder, path);
    ASSERT_GT(strlen(path), 0u);
    EXPECT_NE('\\', path[strlen(path) - 1]);
}

TEST(RuntimeInitialize, ApplicationTextsAreReadOnly) {
    MEMORY_BASIC_INFORMATION info;
    ASSERT_NE(0u, VirtualQuery(App->Title, &info, sizeof info));
    EXPECT_EQ((DWORD)PAGE_READONLY, info.Protect);
    // IsBadWritePtr tries the write and catches the fault.
    EXPECT_TRUE(IsBadWritePtr(App->ExeName, 1));
    EXPECT_TRUE(IsBadWritePtr(App->CommandLine, 1));
}

TEST(RuntimeInitialize, ProgramCarriesItsManifest) {
    EXPECT_EQ(1, HasManifest);
}

TEST(RuntimeInitialize, SharedCursorsAreLoaded) {
    EXPECT_NE(nullptr, ArrowCursor);
    EXPECT_NE(nullptr, WaitCursor);
    EXPECT_NE(ArrowCursor, WaitCursor);
}

struct ClassExpectation {
    const char *Name;
    WNDPROC Procedure;
};

TEST(RuntimeInitialize, WindowClassesAreRegistered) {
    const ClassExpectation classes[] = {
        {"QN2RUNMDIWINDOWTests", RuntimeWindowProc},
        {"QN2RUNMDICHILDWINDOWTests", RuntimeWindowProc},
        {"QN2RUNWINDOWTests", RuntimeWindowProc},
        {"QN2RUNDIALOGBOXTests", RuntimeWindowProc},
    };
    for (const ClassExpectation &c : classes) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(App->Instance, c.Name, &wc)) << c.Name;
        EXPECT_EQ((UINT)CS_DBLCLKS, wc.style) << c.Name;
        EXPECT_EQ(32, wc.cbWndExtra) << c.Name;
        EXPECT_EQ(0, wc.cbClsExtra) << c.Name;
        EXPECT_EQ(nullptr, wc.hIcon) << c.Name;
        EXPECT_EQ(nullptr, wc.hCursor) << c.Name;
        EXPECT_EQ(nullptr, wc.hbrBackground) << c.Name;
    }
}

TEST(RuntimeInitialize, MdiClientIsASuperclassOfTheSystemOne) {
    WNDCLASSEXA system = {}, ours = {};
    system.cbSize = ours.cbSize = sizeof system;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "MDICLIENT", &system));
    ASSERT_TRUE(GetClassInfoExA(App->Instance, "QNMDICLIENT", &ours));
    EXPECT_EQ(system.style | CS_DBLCLKS, ours.style);
    EXPECT_EQ(32, ours.cbWndExtra);
    EXPECT_NE(nullptr, MdiClientProcedure);
    EXPECT_EQ(system.hCursor, ours.hCursor);
}

TEST(RuntimeInitialize, GroupAndPictureClassesFollowTheButtonClass) {
    WNDCLASSEXA button = {}, group = {}, picture = {};
    button.cbSize = group.cbSize = picture.cbSize = sizeof button;
    ASSERT_TRUE(GetClassInfoExA(nullptr, "BUTTON", &button));
    ASSERT_TRUE(GetClassInfoExA(App->Instance, "QNGROUP", &group));
    ASSERT_TRUE(GetClassInfoExA(App->Instance, "QNPICTURE", &picture));
    EXPECT_NE(nullptr, ButtonProcedure);
    EXPECT_EQ((UINT)CS_DBLCLKS, group.style);
    EXPECT_EQ(button.cbWndExtra, group.cbWndExtra);
    EXPECT_EQ(button.cbClsExtra, group.cbClsExtra);
    EXPECT_EQ(button.hCursor, group.hCursor);
    EXPECT_EQ(button.hbrBackground, group.hbrBackground);
    EXPECT_EQ((UINT)CS_DBLCLKS, picture.style);
    EXPECT_EQ(button.cbWndExtra, picture.cbWndExtra);
    EXPECT_EQ(nullptr, picture.hCursor);
    EXPECT_EQ(nullptr, picture.hbrBackground);
}

// Other test programs running at the same time have windows of the test
// classes; the search is tried on class names of this process alone.
class PreviousInstance : public testing::Test {
  protected:
    void SetUp() override {
        Save(MdiFrameClassName, SavedFrame);
        Save(WindowClassName, SavedWindow);
        Save(DialogClassName, SavedDialog);
        const std::wstring unique = std::to_wstring(GetCurrentProcessId());
        Use(MdiFrameClassName, L"QN2RUNMDIWINDOWOnly" + unique);
        Use(WindowClassName, L"QN2RUNWINDOWOnly" + unique);
        Use(DialogClassName, L"QN2RUNDIALOGBOXOnly" + unique);
    }
    void TearDown() override {
        for (HWND window : Windows)
            DestroyWindow(window);
        for (const std::wstring &name :
             {std::wstring(MdiFrameClassName), std::wstring(WindowClassName),
              std::wstring(DialogClassName)})
            UnregisterClassW(name.c_str(), App->Instance);
        Save(SavedFrame, MdiFrameClassName);
        Save(SavedWindow, WindowClassName);
        Save(SavedDialog, DialogClassName);
    }
    static void Save(const wchar_t *from, wchar_t *to) { lstrcpynW(to, from, ClassNameChars); }
    static void Use(wchar_t *name, const std::wstring &value) {
        Save(value.c_str(), name);
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = App->Instance;
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    HWND Open(const wchar_t *className) {
        HWND window = CreateWindowExW(0, className, L"other instance", WS_OVERLAPPED, 0, 0, 10, 10,
                                      nullptr, nullptr, App->Instance, nullptr);
        Windows.push_back(window);
        return window;
    }
    wchar_t SavedFrame[ClassNameChars], SavedWindow[ClassNameChars], SavedDialog[ClassNameChars];
    std::vector<HWND> Windows;
};

TEST_F(PreviousInstance, FindsAWindowOfTheMainWindowClass) {
    EXPECT_EQ(nullptr, FindPreviousInstance(KindWindow));
    HWND other = Open(WindowClassName);
    ASSERT_NE(nullptr, other);
    EXPECT_EQ(other, FindPreviousInstance(KindWindow));
    // A dialog or MDI application looks for its own class only.
    EXPECT_EQ(nullptr, FindPreviousInstance(KindDialog));
    EXPECT_EQ(nullptr, FindPreviousInstance(KindMdiFrame));
    HWND dialog = Open(DialogClassName);
    EXPECT_EQ(dialog, FindPreviousInstance(KindDialog));
    DestroyWindow(other);
    EXPECT_EQ(nullptr, FindPreviousInstance(KindWindow));
}

TEST_F(PreviousInstance, ComparesTheClassNameExactly) {
    // A class whose name only starts with the main window's is another's.
    const std::wstring longer = std::wstring(WindowClassName) + L"Other";
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = App->Instance;
    wc.lpszClassName = longer.c_str();
    ASSERT_TRUE(RegisterClassExW(&wc));
    ASSERT_NE(nullptr, Open(longer.c_str()));
    EXPECT_EQ(nullptr, FindPreviousInstance(KindWindow));
    DestroyWindow(Windows.back());
    Windows.pop_back();
    UnregisterClassW(longer.c_str(), App->Instance);
}

} // namespace
