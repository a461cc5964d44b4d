// The Settings window template: its bytes and values, and the window and
// controls created from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/creation.h"
#include "runtime/templates/resources.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"

namespace {

struct EntryValues {
    int Parent; // entry index of the parent, -1 for none
    ControlKind Kind;
    const wchar_t *Name, *Text;
    int Index, Left, Top, Width, Height;
    DWORD Style;
    const wchar_t *Font;
    int Size;
    uint32_t Fore;
    int Value, TabStop, Children;
};

const EntryValues Expected[SettingsTemplateEntries] = {
    {-1, KindWindow, L"Settings", L"IDS_SETTINGS", 0, 0, 0, 456, 248, 0x16C80000, L"MS Sans Serif",
     8, 0x80000012, 0, 0, 4},
    {0, KindCheckBox, L"chkShortcut64", L"IDS_ADD_SHORTCUT_64", 7, 20, 154, 410, 16, 0x54004003,
     L"Arial", 9, 0x00A00000, 1, 1, 0},
    {0, KindCheckBox, L"chkShortcut", L"IDS_ADD_SHORTCUT", 6, 20, 136, 410, 16, 0x54004003,
     L"Arial", 9, 0x00A00000, 1, 1, 0},
    {0, KindGroupBox, L"grpFiles", L"IDS_CHECK_FILES", 1, 8, 9, 432, 117, 0x56000000, L"Arial", 9,
     0x00A00000, 0, 0, 5},
    {3, KindCheckBox, L"chkProject", L"IDS_PROJECT_FILES", 2, 12, 29, 298, 16, 0x54004003, L"Arial",
     9, 0x00A00000, 1, 1, 0},
    {3, KindCheckBox, L"chkWindow", L"IDS_WINDOW_FILES", 3, 12, 49, 298, 16, 0x54004003, L"Arial",
     9, 0x00A00000, 1, 1, 0},
    {3, KindCheckBox, L"chkModule", L"IDS_MODULE_FILES", 4, 12, 69, 298, 16, 0x54004003, L"Arial",
     9, 0x00A00000, 1, 1, 0},
    {3, KindCheckBox, L"chkResource", L"IDS_RESOURCE_FILES", 5, 12, 89, 298, 16, 0x54004003,
     L"Arial", 9, 0x00A00000, 1, 1, 0},
    {3, KindGroupBox, L"grpAssoc", L"Associate to", 8, 322, 39, 86, 56, 0x56000000, L"Tahoma", 8,
     0x80000012, 0, 0, 2},
    {8, KindOptionButton, L"rdo64Bit", L"64-bit", 10, 8, 33, 62, 15, 0x54004009, L"Tahoma", 8,
     0x80000012, 0, 0, 0},
    {8, KindOptionButton, L"rdo32Bit", L"32-bit", 9, 8, 17, 62, 15, 0x54004009, L"Tahoma", 8,
     0x80000012, 1, 1, 0},
    {0, KindPushButton, L"btnOk", L"IDS_OK", 0, 179, 182, 92, 28, 0x54004300, L"Arial", 9,
     0x80000012, 0, 1, 0},
};

TEST(SettingsTemplate, IsTwelveEntriesOf292Bytes) {
    EXPECT_EQ(3504u, sizeof SettingsWindowTemplate);
    for (int i = 0; i < SettingsTemplateEntries; ++i) {
        const WindowObject &e = SettingsWindowTemplate[i];
        const EntryValues &x = Expected[i];
        SCOPED_TRACE(testing::Message() << "entry " << i);
        EXPECT_EQ(x.Kind, e.Kind);
        EXPECT_STREQ(x.Name, e.Name);
        EXPECT_STREQ(x.Text, (const wchar_t *)e.TextBuffer);
        EXPECT_EQ(x.Index, e.Index);
        EXPECT_EQ(x.Left, e.Left);
        EXPECT_EQ(x.Top, e.Top);
        EXPECT_EQ(x.Width, e.Width);
        EXPECT_EQ(x.Height, e.Height);
        EXPECT_EQ(x.Style, e.Style);
        EXPECT_STREQ(x.Font, (const wchar_t *)e.FontName);
        EXPECT_EQ(x.Size, e.FontSize);
        EXPECT_EQ(x.Fore, (uint32_t)e.ForeColorSetting);
        EXPECT_EQ(x.Value, e.Value);
        EXPECT_EQ(x.TabStop, e.TabStop);
        EXPECT_EQ(x.Children, e.ChildCount);
        EXPECT_EQ(0x8000000Fu, (uint32_t)e.BackColorSetting);
        EXPECT_EQ(1, e.Enabled);
        EXPECT_EQ(1, e.Visible);
        EXPECT_EQ(-1, e.PictureType);
        EXPECT_EQ(0, e.ScaleMode);
        EXPECT_EQ(0u, e.MouseIcon);
        EXPECT_EQ(0u, e.Picture);
        if (i > 0) {
            EXPECT_EQ(nullptr, e.EventProcedure);
            EXPECT_STREQ(L"", (const wchar_t *)e.ToolTipText);
        }
    }
}

TEST(SettingsTemplate, WindowAndBoxValues) {
    const WindowObject &w = SettingsWindowTemplate[0];
    EXPECT_EQ(2, w.StartUpPosition);
    EXPECT_EQ(1, w.PenWidth);
    EXPECT_EQ(100u, w.Icon);
    EXPECT_EQ(0u, w.SmallIcon);
    EXPECT_EQ(1, w.FixedFontScale);
    EXPECT_EQ(1, w.IsMainWindow);
    EXPECT_EQ(1, w.RedrawOnResize);
    EXPECT_EQ(0x00140101u, w.ExStyle);
    EXPECT_EQ((WNDPROC)SettingsWindowProc, w.EventProcedure);
    EXPECT_EQ(&SettingsWindowTemplate[0], w.TemplateStart);
    EXPECT_EQ(1, SettingsWindowTemplate[3].ShowFrame);
    EXPECT_EQ(1, SettingsWindowTemplate[8].ShowFrame);
    EXPECT_EQ(1, SettingsWindowTemplate[11].ShowFocus);
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
    for (int i = 1; i < SettingsTemplateEntries; ++i) {
        const EntryValues &x = Expected[i];
        SCOPED_TRACE(testing::Message() << "entry " << i);
        HWND control = (HWND)GetControlHandle(Window, 1000 + x.Index);
        ASSERT_NE(nullptr, control);
        EXPECT_EQ(1000 + x.Index, GetDlgCtrlID(control));
        EXPECT_EQ(x.Kind == KindGroupBox ? "QNGROUP" : "Button", ClassOf(control));
        // Group boxes are the button class's group style, aligned left; the
        // checked option button takes WS_TABSTOP, the focused push button the
        // default-button look.
        DWORD style = x.Kind == KindGroupBox ? x.Style | BS_GROUPBOX | BS_LEFT : x.Style;
        if (x.Kind == KindOptionButton && x.Value) style |= WS_TABSTOP;
        if (x.Kind == KindPushButton) style |= BS_DEFPUSHBUTTON;
        EXPECT_EQ(style, (DWORD)GetWindowLongA(control, GWL_STYLE));
        std::string text(x.Text, x.Text + wcslen(x.Text));
        EXPECT_EQ(text, TextOf(control));
        std::string face(x.Font, x.Font + wcslen(x.Font));
        EXPECT_EQ(face, FontFaceOf(control));
        HWND parent = x.Parent == 0
                          ? Window
                          : (HWND)GetControlHandle(Window, 1000 + Expected[x.Parent].Index);
        EXPECT_EQ(parent, GetParent(control));
        if (x.Kind == KindCheckBox || x.Kind == KindOptionButton) {
            EXPECT_EQ(x.Value, (int)SendMessageA(control, BM_GETCHECK, 0, 0));
        }
        WindowObject *object = ObjectFromHandle(control);
        ASSERT_NE(nullptr, object);
        EXPECT_EQ(Window, object->ParentHandle);
    }
}

TEST_F(SettingsWindowFromTemplate, FocusStartsOnTheFirstTabStop) {
    HWND ok = (HWND)GetControlHandle(Window, 1000);
    EXPECT_EQ(ok, ObjectFromHandle(Window)->ActiveControl);
    EXPECT_EQ(ok, GetFocus());
    EXPECT_EQ(1, ObjectFromHandle(ok)->IsDefault);
    // Focus on a check box gives the look back to the window's default button,
    // which it has none of.
    SetFocus((HWND)GetControlHandle(Window, 1002));
    EXPECT_EQ(0, ObjectFromHandle(ok)->IsDefault);
    EXPECT_EQ(0, GetWindowLongA(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(SettingsWindowFromTemplate, OnlyTheCheckedOptionIsSelected) {
    HWND option32 = (HWND)GetControlHandle(Window, 1009);
    HWND option64 = (HWND)GetControlHandle(Window, 1010);
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
    HWND associateGroup = (HWND)GetControlHandle(Window, 1008);
    HWND fileGroup = (HWND)GetControlHandle(Window, 1001);
    HWND option64 = (HWND)GetControlHandle(Window, 1010);
    ASSERT_NE(nullptr, option64);
    EXPECT_EQ(associateGroup, GetParent(option64));
    EXPECT_EQ(fileGroup, GetParent(associateGroup));
    EXPECT_EQ(nullptr, GetControlHandle(Window, 999));
    EXPECT_EQ(nullptr, GetControlHandle(Window, 1011));
    // From a control, the search starts at the window it belongs to.
    EXPECT_EQ((HWND)GetControlHandle(Window, 1000), (HWND)GetControlHandle(option64, 1000));
}

TEST_F(SettingsWindowFromTemplate, WindowIsCentredWithItsTemplateSize) {
    RECT frame, work;
    GetWindowRect(Window, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(456, frame.right - frame.left);
    EXPECT_EQ(248, frame.bottom - frame.top);
    EXPECT_NEAR((work.left + work.right) / 2, (frame.left + frame.right) / 2, 1);
    EXPECT_NEAR((work.top + work.bottom) / 2, (frame.top + frame.bottom) / 2, 1);
    EXPECT_TRUE(IsWindowVisible(Window));
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
