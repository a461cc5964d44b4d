// The window and controls created from the Settings window template.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/properties/readers.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

namespace {

// The entry index of each entry's parent (-1 for the window), from the
// Children counts of the entries in pre-order.
std::vector<int> ParentEntries() {
    std::vector<int> parents(SettingsTemplateEntries, -1), open, left;
    for (int i = 0; i < SettingsTemplateEntries; ++i) {
        while (!left.empty() && left.back() == 0) {
            open.pop_back();
            left.pop_back();
        }
        if (!open.empty()) {
            parents[i] = open.back();
            --left.back();
        }
        if (SettingsWindowTemplate[i].ChildCount) {
            open.push_back(i);
            left.push_back(SettingsWindowTemplate[i].ChildCount);
        }
    }
    return parents;
}

// The Settings window as the template alone makes it, without the
// application's own EventProcedure.
class SettingsWindowFromTemplate : public testing::Test {
  protected:
    void SetUp() override {
        Entries.assign(SettingsWindowTemplate, SettingsWindowTemplate + SettingsTemplateEntries);
        Entries[0].EventProcedure = nullptr;
        Entries[0].IsMainWindow = 0;
        Entries[0].TemplateStart = Entries.data();
        UsedBefore = ObjectTableUsed;
        BlocksBefore = LiveBlocks();
        Window = (HWND)CreateFromTemplate(Entries.data(), nullptr, 0, nullptr);
    }
    void TearDown() override {
        if (IsWindow(Window)) DestroyWindow(Window);
    }
    std::string ClassOf(HWND control) {
        char name[64] = {};
        GetClassNameA(control, name, sizeof name);
        return name;
    }
    std::string TextOf(HWND control) {
        char text[128] = {};
        GetWindowTextA(control, text, sizeof text);
        return text;
    }
    std::string FontFaceOf(HWND control) {
        LOGFONTA font = {};
        GetObjectA((HFONT)SendMessageA(control, WM_GETFONT, 0, 0), sizeof font, &font);
        return font.lfFaceName;
    }
    std::vector<WindowObject> Entries;
    HWND Window = nullptr;
    uint32_t UsedBefore = 0;
    long BlocksBefore = 0;
};

TEST_F(SettingsWindowFromTemplate, EveryControlExistsAsTheTemplateSays) {
    ASSERT_TRUE(IsWindow(Window));
    EXPECT_STREQ("IDS_SETTINGS", TextOf(Window).c_str());
    LOGFONTA windowFont = {};
    GetObjectA(ObjectFromHandle(Window)->Font, sizeof windowFont, &windowFont);
    EXPECT_STREQ("MS Sans Serif", windowFont.lfFaceName);
    const std::vector<int> parents = ParentEntries();
    for (int i = 1; i < SettingsTemplateEntries; ++i) {
        const WindowObject &x = SettingsWindowTemplate[i];
        SCOPED_TRACE(testing::Message() << "entry " << i);
        HWND control = (HWND)GetControlHandle(Window, ControlId(x.Index));
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(ControlId(x.Index), GetDlgCtrlID(control));
        EXPECT_EQ(x.Kind == KindGroupBox ? "QNGROUP" : "Button", ClassOf(control));
        // Group boxes are the button class's group style, aligned left; the
        // checked option button takes WS_TABSTOP, the focused push button the
        // default-button look.
        DWORD style = x.Kind == KindGroupBox ? x.Style | BS_GROUPBOX | BS_LEFT : x.Style;
        if (x.Kind == KindOptionButton && x.Value) style |= WS_TABSTOP;
        if (x.Kind == KindPushButton) style |= BS_DEFPUSHBUTTON;
        EXPECT_EQ(style, (DWORD)GetWindowLongA(control, GWL_STYLE));
        const wchar_t *text = (const wchar_t *)x.TextBuffer;
        EXPECT_EQ(std::string(text, text + wcslen(text)), TextOf(control));
        const wchar_t *font = (const wchar_t *)x.FontName;
        EXPECT_EQ(std::string(font, font + wcslen(font)), FontFaceOf(control));
        const int parent = parents[i];
        EXPECT_EQ(parent == 0 ? Window
                              : (HWND)GetControlHandle(
                                    Window, ControlId(SettingsWindowTemplate[parent].Index)),
                  GetParent(control));
        if (x.Kind == KindCheckBox || x.Kind == KindOptionButton) {
            EXPECT_EQ(x.Value, (int)SendMessageA(control, BM_GETCHECK, 0, 0));
        }
        WindowObject *object = ObjectFromHandle(control);
        ASSERT_NE(nullptr, object);
        EXPECT_EQ(Window, object->ParentHandle);
    }
}

TEST_F(SettingsWindowFromTemplate, FocusStartsOnTheFirstTabStop) {
    HWND ok = (HWND)GetControlHandle(Window, IdOk);
    EXPECT_EQ(ok, ObjectFromHandle(Window)->ActiveControl);
    EXPECT_EQ(ok, GetFocus());
    EXPECT_EQ(1, ObjectFromHandle(ok)->IsDefault);
    // Focus on a check box gives the look back to the window's default button,
    // which it has none of.
    SetFocus((HWND)GetControlHandle(Window, IdProjectFiles));
    EXPECT_EQ(0, ObjectFromHandle(ok)->IsDefault);
    EXPECT_EQ(0, GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(SettingsWindowFromTemplate, OnlyTheCheckedOptionIsSelected) {
    HWND option32 = (HWND)GetControlHandle(Window, Id32Bit);
    HWND option64 = (HWND)GetControlHandle(Window, Id64Bit);
    EXPECT_EQ(BST_CHECKED, SendMessageA(option32, BM_GETCHECK, 0, 0));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(option64, BM_GETCHECK, 0, 0));
    EXPECT_EQ(1, ObjectFromHandle(option32)->TabStop);
    EXPECT_EQ(0, ObjectFromHandle(option64)->TabStop);
    // Checking one automatic option button clears the other of its group.
    SendMessageA(option64, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(option32, BM_GETCHECK, 0, 0));
    EXPECT_EQ(0, ObjectFromHandle(option32)->Value);
    EXPECT_EQ(1, ObjectFromHandle(option64)->TabStop);
}

TEST_F(SettingsWindowFromTemplate, ControlsAreFoundByIdentifierThroughContainers) {
    HWND associateGroup = (HWND)GetControlHandle(Window, IdAssociateGroup);
    HWND fileGroup = (HWND)GetControlHandle(Window, IdFileGroup);
    HWND option64 = (HWND)GetControlHandle(Window, Id64Bit);
    ASSERT_NE(nullptr, option64);
    EXPECT_EQ(associateGroup, GetParent(option64));
    EXPECT_EQ(fileGroup, GetParent(associateGroup));
    // Just outside the identifiers of the controls, none is found.
    EXPECT_EQ(nullptr, GetControlHandle(Window, FirstControlId - 1));
    EXPECT_EQ(nullptr, GetControlHandle(Window, ControlId(SettingsTemplateEntries - 1)));
    // From a control, the search starts at the window it belongs to.
    EXPECT_EQ((HWND)GetControlHandle(Window, IdOk), (HWND)GetControlHandle(option64, IdOk));
}

TEST_F(SettingsWindowFromTemplate, WindowIsCentredWithItsTemplateSize) {
    RECT frame, work;
    GetWindowRect(Window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int dpi = WindowDpi(Window);
    EXPECT_EQ(ScaleToDpi(456, dpi), frame.right - frame.left);
    EXPECT_EQ(ScaleToDpi(248, dpi), frame.bottom - frame.top);
    EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 1);
    EXPECT_TRUE(IsWindowVisible(Window));
}

// On a screen of any scale every control lies whole inside the client area,
// as large as the template says grown by the scale, with its font grown to
// match, and the property readers answer the template's own values.
TEST_F(SettingsWindowFromTemplate, WholeAndInProportionAtTheScreensDpi) {
    ASSERT_TRUE(IsWindow(Window));
    const int dpi = WindowDpi(Window);
    if (const char *expected = getenv("QN_EXPECTED_DPI")) {
        ASSERT_EQ(atoi(expected), dpi) << "the run's screen";
    }
    RECT client;
    GetClientRect(Window, &client);
    for (int i = 1; i < SettingsTemplateEntries; ++i) {
        const WindowObject &x = SettingsWindowTemplate[i];
        SCOPED_TRACE(testing::Message() << "entry " << i << " at " << dpi << " dpi");
        HWND control = (HWND)GetControlHandle(Window, ControlId(x.Index));
        ASSERT_NE(nullptr, control);
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, Window, (POINT *)&r, 2);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, client.bottom);
        EXPECT_NEAR(r.bottom - r.top, ScaleToDpi(x.Height, dpi), 1);
        EXPECT_NEAR(r.right - r.left, ScaleToDpi(x.Width, dpi), 1);
        EXPECT_EQ(x.Left, GetLeft(control));
        EXPECT_EQ(x.Top, GetTop(control));
        EXPECT_EQ(x.Width, GetWidth(control));
        EXPECT_EQ(x.Height, GetHeight(control));
        LOGFONTA font = {};
        GetObjectA((HFONT)SendMessageA(control, WM_GETFONT, 0, 0), sizeof font, &font);
        // The window's fonts have a fixed scale: their 96-dpi height grown.
        EXPECT_EQ(FontHeightForSize(96, x.FontSize, 72) * dpi / 96, font.lfHeight);
    }
    EXPECT_EQ(456, GetWidth(Window));
    EXPECT_EQ(248, GetHeight(Window));
}

TEST_F(SettingsWindowFromTemplate, DestroyingReleasesEverything) {
    ASSERT_TRUE(IsWindow(Window));
    EXPECT_EQ(UsedBefore + 12 * 8, ObjectTableUsed);
    EXPECT_EQ(3, FramePenUses); // the window and its two groups
    DestroyWindow(Window);
    EXPECT_EQ(UsedBefore, ObjectTableUsed);
    EXPECT_EQ(0, FramePenUses);
    EXPECT_EQ(nullptr, FramePenLight);
    EXPECT_EQ(BlocksBefore, LiveBlocks());
}

} // namespace
