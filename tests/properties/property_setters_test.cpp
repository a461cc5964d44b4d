// The setters by family, read back through the system and through the
// readers: geometry, fonts, ranges and values, texts, visibility and state.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <vector>

#include "runtime/properties/properties.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/properties/readers.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/event_recorder.h"
#include "tests/support/object_windows.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

HWND Child(HWND window, int index) {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const WindowObject *o = ObjectFromHandle(c);
        if (o && o->Index == index) return c;
    }
    return nullptr;
}

LOGFONTW FontOf(HWND window) {
    LOGFONTW font = {};
    GetObjectW((HFONT)SendMessageW(window, WM_GETFONT, 0, 0), sizeof font, &font);
    return font;
}

// A window of the kind with a label (index 0, twips), a picture box
// (1, 200 by 30 pixels), a toolbar docked at the top (2), an edit (3), a
// combo box (4) and a push button (5).
struct TestWindow {
    TemplateBuilder builder{6};
    HWND window = nullptr;
    explicit TestWindow(ControlKind kind = KindWindow) {
        builder.Window().Kind = kind;
        // The test resources' dialog, with its own font.
        if (kind == KindDialog) builder.Window().Id = 200;
        WindowObject &label = builder.Add(KindLabel, 0, L"lblName", L"Label");
        label.ScaleMode = ScaleTwips;
        label.Left = 1500;
        label.Top = 1500;
        label.Width = 1500;
        label.Height = 300;
        WindowObject &picture = builder.Add(KindPictureBox, 1, L"picBox", L"", 1);
        picture.Width = 200;
        picture.Height = 30;
        builder.Add(KindLabel, 6, L"lblInside", L"Inside");
        builder.Add(KindToolbar, 2, L"tbrTools", L"").Align = DockTop;
        builder.Add(KindTextBox, 3, L"txtEdit", L"").Style |= ES_AUTOHSCROLL;
        builder.Add(KindComboBox, 4, L"cboCombo", L"").Style |= CBS_DROPDOWN;
        builder.Add(KindPushButton, 5, L"btnPush", L"Push");
        window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    }
    ~TestWindow() { DestroyWindow(window); }
    HWND operator[](int index) const { return Child(window, index); }
};

TEST(GeometrySetters, PositionAndSizeInEachScaleAndDockedEdgesRefused) {
    TestWindow t;
    HWND picture = t[1], label = t[0], toolbar = t[2];
    ASSERT_EQ(SetLeft(picture, 40), 1);
    ASSERT_EQ(SetTop(picture, 250), 1);
    ASSERT_EQ(SetWidth(picture, 120), 1);
    ASSERT_EQ(SetHeight(picture, 60), 1);
    RECT rect = RectInParent(picture);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 250);
    EXPECT_EQ(rect.right - rect.left, 120);
    EXPECT_EQ(rect.bottom - rect.top, 60);
    EXPECT_EQ(GetWidth(picture), 120);

    const int twipsX = FromPixelsX(1, ScaleTwips, 96), twipsY = FromPixelsY(1, ScaleTwips, 96);
    ASSERT_EQ(SetLeft(label, 60 * twipsX), 1);
    ASSERT_EQ(SetHeight(label, 25 * twipsY), 1);
    rect = RectInParent(label);
    EXPECT_EQ(rect.left, 60);
    EXPECT_EQ(rect.bottom - rect.top, 25);
    EXPECT_EQ(GetLeft(label), 60 * twipsX);

    RECT before = RectInParent(toolbar);
    EXPECT_EQ(SetLeft(toolbar, 30), 0) << "a docked toolbar stays";
    EXPECT_EQ(SetWidth(toolbar, 30), 0);
    EXPECT_EQ(RectInParent(toolbar).left, before.left);

    SetWidth(picture, 200);
    SetHeight(picture, 30);
    ASSERT_EQ(SetAlign(picture, DockLeft), 1);
    rect = RectInParent(picture);
    EXPECT_EQ(rect.right - rect.left, 30) << "an upright bar exchanges its sides";
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(GetAlign(picture), DockLeft);
    EXPECT_EQ(SetHeight(picture, 50), 0);
    const int32_t edge = GetHeight(picture);
    ShowWindow(picture, SW_HIDE); // the layout leaves a hidden bar as the setter made it
    ASSERT_EQ(SetAlign(picture, DockTop), 1);
    EXPECT_EQ(GetWidth(picture), edge);
    EXPECT_EQ(GetHeight(picture), 30) << "lying across, the bar exchanges its sides back";
    EXPECT_EQ(SetAlign(label, DockLeft), 0);
    EXPECT_EQ(SetAlign(picture, 5), 0);
    EXPECT_EQ(SetLeft(t.window, 10) + SetWidth(nullptr, 10), 1) << "no object, no change";
}

// Counts the moves the toolbar hears; past any sound number it undocks the
// toolbar, which ends a fight between the toolbar and the docking layout.
int ToolbarMoves;
LRESULT CALLBACK CountToolbarMoves(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_WINDOWPOSCHANGING && ++ToolbarMoves > 100)
        ObjectFromHandle(window)->Align = DockNone;
    return 0;
}

ToolbarItem Button(int command) {
    ToolbarItem b = {};
    b.Image = I_IMAGENONE;
    b.Command = command;
    b.State = TBSTATE_ENABLED;
    b.Style = BTNS_BUTTON;
    b.Text = TextRef(L"");
    return b;
}

// A toolbar docked left or right stands upright along the whole edge, its
// buttons one below the other, with or without its divider; docked across
// again it has its own style back. A status bar only lies across, and refuses.
TEST(GeometrySetters, ToolbarStandsUprightAtASideAndAStatusBarRefuses) {
    const ToolbarItem buttons[] = {Button(1), Button(2)};
    for (DWORD divider : {0ul, (DWORD)CCS_NODIVIDER}) {
        TemplateBuilder builder(2);
        WindowObject &bar = builder.Add(KindToolbar, 0, L"tbrTools", L"");
        bar.Style |= divider;
        bar.Align = DockTop;
        bar.Height = 30;
        bar.Items = (void *)buttons;
        bar.ItemCount = 2;
        bar.ButtonWidth = 24;
        bar.ButtonHeight = 22;
        bar.EventProcedure = CountToolbarMoves;
        builder.Add(KindStatusBar, 1, L"sbrStatus", L"").Align = DockBottom;
        HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(window));
        HWND toolbar = Child(window, 0), status = Child(window, 1);
        RECT client;
        GetClientRect(window, &client);
        const RECT statusBefore = RectInParent(status);
        const LONG created = GetWindowLongW(toolbar, GWL_STYLE);

        for (int edge : {DockLeft, DockRight}) {
            ToolbarMoves = 0;
            ASSERT_EQ(SetAlign(toolbar, edge), 1);
            EXPECT_LT(ToolbarMoves, 20) << edge;
            EXPECT_EQ(GetAlign(toolbar), edge);
            const RECT rect = RectInParent(toolbar);
            EXPECT_EQ(edge == DockLeft ? rect.left : rect.right,
                      edge == DockLeft ? 0 : client.right);
            EXPECT_EQ(rect.top, 0);
            EXPECT_EQ(rect.bottom, statusBefore.top) << "the toolbar fills its edge " << divider;
            EXPECT_LT(rect.right - rect.left, rect.bottom - rect.top);
            EXPECT_TRUE(GetWindowLongW(toolbar, GWL_STYLE) & CCS_VERT);
            RECT first = {}, second = {};
            SendMessageW(toolbar, TB_GETITEMRECT, 0, (LPARAM)&first);
            SendMessageW(toolbar, TB_GETITEMRECT, 1, (LPARAM)&second);
            EXPECT_GE(second.top, first.bottom) << "one button below the other";
        }
        ASSERT_EQ(SetAlign(toolbar, DockTop), 1);
        const RECT rect = RectInParent(toolbar);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right - rect.left, client.right) << "across the top again";
        EXPECT_EQ(GetWindowLongW(toolbar, GWL_STYLE), created);

        EXPECT_EQ(SetAlign(status, DockLeft), 0);
        EXPECT_EQ(SetAlign(status, DockRight), 0);
        EXPECT_EQ(GetAlign(status), DockBottom);
        const RECT statusAfter = RectInParent(status);
        EXPECT_TRUE(EqualRect(&statusBefore, &statusAfter)) << "still along the bottom";
        DestroyWindow(window);
    }
}

// Moved, a control paints itself anew at once (a transparent one shows what
// is now behind it).
TEST(GeometrySetters, AMovedControlRepaintsAtOnce) {
    ResetRecorder();
    TemplateBuilder builder(1);
    builder.Window().Visible = 1;
    builder.Add(KindLabel, 0, L"lblMoved", L"Moved").EventProcedure = RecordingEventProcedure;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND label = GetDlgItem(window, ControlId(0));
    UpdateWindow(window);
    Heard.clear();
    ASSERT_EQ(SetLeft(label, 50), 1);
    EXPECT_GE(TimesHeard(WM_PAINT, label), 1);
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);
    ResetRecorder();
}

TEST(FontSetters, ANewFontShowsAtOnce) {
    TestWindow t;
    ShowWindow(t.window, SW_SHOWNOACTIVATE);
    RedrawWindow(t.window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Canvas before(100, 20), after(100, 20);
    before.CopyFrom(t[0]);
    ASSERT_EQ(SetFontSize(t[0], 14), 1);
    after.CopyFrom(t[0]);
    int changed = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            changed += before.Pixel(x, y) != after.Pixel(x, y);
    EXPECT_GT(changed, 20) << "the caption repainted in the larger font";
    ShowWindow(t.window, SW_HIDE);
}

TEST(FontSetters, ControlsRebuildTheirFontAndDialogsShareTheirs) {
    TestWindow t;
    HWND label = t[0];
    const LOGFONTW before = FontOf(label);
    ASSERT_EQ(SetFontSize(label, 20), 1);
    ASSERT_EQ(SetFontBold(label, 1), 1);
    ASSERT_EQ(SetFontItalic(label, 1), 1);
    ASSERT_EQ(SetFontNameW(label, L"Courier New"), 1);
    const LOGFONTW after = FontOf(label);
    EXPECT_LT(after.lfHeight, before.lfHeight) << "a taller font";
    EXPECT_EQ(after.lfWeight, FW_BOLD);
    EXPECT_TRUE(after.lfItalic);
    EXPECT_STREQ(after.lfFaceName, L"Courier New");
    EXPECT_EQ(GetFontSize(label), 20);
    char face[FontNameAnsiBytes];
    EXPECT_EQ(GetFontNameA(label, face), 11);
    EXPECT_STREQ(face, "Courier New");
    HFONT font = (HFONT)SendMessageW(label, WM_GETFONT, 0, 0);
    EXPECT_EQ(SetFontSize(label, 0), 0);
    EXPECT_EQ(SetFontSize(label, -3), 0) << "a refused size reads as a failure";
    EXPECT_EQ((HFONT)SendMessageW(label, WM_GETFONT, 0, 0), font);
    EXPECT_EQ(GetFontSize(label), 20);
    ASSERT_EQ(SetFontUnderline(label, 1), 1);
    EXPECT_EQ(GetObjectType(font), 0u) << "the replaced font is deleted";
    // A name in the other text form is converted to the active one.
    const int unicode = UnicodeFlag;
    UnicodeFlag = 1;
    ASSERT_EQ(SetFontNameA(label, "Arial"), 1);
    UnicodeFlag = unicode;
    EXPECT_STREQ(FontOf(label).lfFaceName, L"Arial");

    TestWindow d(KindDialog);
    ASSERT_NE(d.window, nullptr);
    HWND control = d[3];
    font = (HFONT)SendMessageW(control, WM_GETFONT, 0, 0);
    EXPECT_EQ(SetFontSize(control, 16), 0);
    EXPECT_EQ(SetFontNameA(control, "Arial"), 0);
    EXPECT_EQ((HFONT)SendMessageW(control, WM_GETFONT, 0, 0), font);
    ASSERT_EQ(SetFontStrikeOut(d.window, 1), 1);
    const HFONT shared = ObjectFromHandle(d.window)->Font;
    EXPECT_NE(shared, font);
    EXPECT_EQ((HFONT)SendMessageW(control, WM_GETFONT, 0, 0), shared);
    EXPECT_EQ((HFONT)SendMessageW(d[5], WM_GETFONT, 0, 0), shared);
    EXPECT_EQ((HFONT)SendMessageW(GetWindow(d[1], GW_CHILD), WM_GETFONT, 0, 0), shared)
        << "controls inside a picture box take the dialog's font too";
    EXPECT_TRUE(FontOf(control).lfStrikeOut);
    HWND inside = GetWindow(d[1], GW_CHILD);
    ObjectFromHandle(inside)->AutoSize = 1;
    ASSERT_EQ(SetFontSize(d.window, 8), 1);
    const LONG small = RectInParent(inside).right;
    ASSERT_EQ(SetFontSize(d.window, 24), 1);
    EXPECT_GT(RectInParent(inside).right, small + 20) << "an auto-sized label fits the new font";
}

TEST(ValueSetters, RangesAndValuesReachTheControls) {
    ObjectWindows windows;
    WindowObject *bar = windows.Make(L"SCROLLBAR", KindHScrollBar, SBS_HORZ, 0, 0, 100, 20);
    SetScrollRange(bar->Handle, SB_CTL, 0, 10, FALSE);
    EXPECT_EQ(SetValue(bar->Handle, 11), 0);
    EXPECT_EQ(GetScrollPos(bar->Handle, SB_CTL), 0);
    ASSERT_EQ(SetValue(bar->Handle, 10), 1);
    EXPECT_EQ(GetScrollPos(bar->Handle, SB_CTL), 10);
    ASSERT_EQ(SetLargeChange(bar->Handle, 3), 1);
    ASSERT_EQ(SetMax(bar->Handle, 50), 1);
    SCROLLINFO info = {sizeof info, SIF_ALL};
    GetScrollInfo(bar->Handle, SB_CTL, &info);
    EXPECT_EQ(info.nPage, 3u);
    EXPECT_EQ(info.nMax, 50);
    EXPECT_EQ(GetLargeChange(bar->Handle), 3);
    SetScrollPos(bar->Handle, SB_CTL, 7, FALSE); // moved through the system
    ASSERT_EQ(SetMin(bar->Handle, 2), 1);
    EXPECT_EQ(GetScrollPos(bar->Handle, SB_CTL), 7) << "not undone by the next setter";
    EXPECT_EQ(GetMin(bar->Handle), 2);

    WindowObject *progress = windows.Make(PROGRESS_CLASSW, KindProgressBar, 0, 0, 0, 100, 20);
    SendMessageW(progress->Handle, PBM_SETRANGE32, 5, 100);
    ASSERT_EQ(SetMax(progress->Handle, 200), 1);
    EXPECT_EQ(SendMessageW(progress->Handle, PBM_GETRANGE, TRUE, 0), 5);
    EXPECT_EQ(SendMessageW(progress->Handle, PBM_GETRANGE, FALSE, 0), 200);
    ASSERT_EQ(SetMin(progress->Handle, 0), 1);
    ASSERT_EQ(SetValue(progress->Handle, 70), 1);
    EXPECT_EQ(SendMessageW(progress->Handle, PBM_GETPOS, 0, 0), 70);
    EXPECT_EQ(GetMin(progress->Handle), 0);
    EXPECT_EQ(SetLargeChange(progress->Handle, 5), 0) << "a progress bar has no page";

    WindowObject *spin = windows.Make(UPDOWN_CLASSW, KindUpDown, 0, 0, 0, 20, 20);
    ASSERT_EQ(SetMin(spin->Handle, 0), 1);
    ASSERT_EQ(SetMax(spin->Handle, 100), 1);
    ASSERT_EQ(SetValue(spin->Handle, 30), 1);
    EXPECT_EQ(GetMax(spin->Handle), 100);
    EXPECT_EQ(GetMin(spin->Handle), 0);
    EXPECT_EQ(LOWORD(SendMessageW(spin->Handle, UDM_GETPOS, 0, 0)), 30);

    WindowObject *track = windows.Make(TRACKBAR_CLASSW, KindTrackbar, 0, 0, 0, 100, 30);
    ASSERT_EQ(SetMax(track->Handle, 40), 1);
    ASSERT_EQ(SetMin(track->Handle, 5), 1);
    ASSERT_EQ(SetValue(track->Handle, 25), 1);
    EXPECT_EQ(SendMessageW(track->Handle, TBM_GETPOS, 0, 0), 25);
    EXPECT_EQ(SendMessageW(track->Handle, TBM_GETRANGEMIN, 0, 0), 5);
    EXPECT_EQ(SendMessageW(track->Handle, TBM_GETRANGEMAX, 0, 0), 40);

    TestWindow t;
    HWND check = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_CHECKBOX, 0, 0, 10, 10, t.window,
                                 nullptr, nullptr, nullptr);
    WindowObject *box = windows.Bind(check, KindCheckBox);
    ASSERT_EQ(SetValue(check, 1), 1);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SetValue(check, 2), 0);
    EXPECT_EQ(SetValue(t[0], 1), 0) << "a label has no value";
    (void)box;
}

TEST(TextSetters, TextsLimitsAndDirections) {
    TestWindow t;
    HWND label = t[0], edit = t[3];
    WindowObject *labelObject = ObjectFromHandle(label);
    labelObject->AutoSize = 1;
    const int narrow = RectInParent(label).right;
    ASSERT_EQ(SetTextW(label, L"A much longer caption than before"), 1);
    wchar_t text[64];
    GetWindowTextW(label, text, 64);
    EXPECT_STREQ(text, L"A much longer caption than before");
    EXPECT_GT(RectInParent(label).right, narrow) << "the label is measured again";

    SetWindowTextW(edit, L"twenty characters...");
    ASSERT_EQ(SetMaxLength(edit, 5), 1);
    EXPECT_EQ(GetWindowTextLengthW(edit), 5);
    EXPECT_EQ(GetMaxLength(edit), 5);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
    ASSERT_EQ(SetPasswordChar(edit, '*'), 1);
    EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(SetPasswordChar(label, '*'), 0);

    ASSERT_EQ(SetReadingOrder(edit, 1), 1);
    EXPECT_TRUE(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_EQ(GetReadingOrder(edit), 1);
    ASSERT_EQ(SetReadingOrder(edit, 0), 1);
    EXPECT_FALSE(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_RTLREADING);
    EXPECT_EQ(GetReadingOrder(edit), 0);
    ASSERT_EQ(SetRightToLeft(t.window, 1), 1);
    EXPECT_EQ(GetRightToLeft(t.window), 1);
    EXPECT_TRUE(GetWindowLongW(t.window, GWL_EXSTYLE) & WS_EX_NOINHERITLAYOUT);
    ASSERT_EQ(SetScrollBars(edit, 2), 1);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_VSCROLL);
    EXPECT_EQ(SetScrollBars(edit, 4), 0);
    ASSERT_EQ(SetScrollBars(edit, 0), 1);
    EXPECT_EQ(GetWindowLongW(edit, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_EQ(GetScrollBars(edit), 0);
    ObjectWindows windows;
    HWND foreign = windows.Create(L"STATIC", 0, 0, 0, 10, 10);
    EXPECT_EQ(SetTextW(foreign, L"x") + SetRightToLeft(foreign, 1), 0);
}

TEST(StateSetters, VisibilityDefaultIconCursorAndDropDown) {
    TestWindow t;
    ShowWindow(t.window, SW_SHOWNORMAL);
    HWND edit = t[3], button = t[5], combo = t[4];
    ASSERT_EQ(SetVisible(edit, 0), 1);
    EXPECT_FALSE(IsWindowVisible(edit));
    EXPECT_EQ(GetVisible(edit), 0);
    ASSERT_EQ(SetVisible(edit, 1), 1);
    EXPECT_TRUE(IsWindowVisible(edit));
    EnableWindow(edit, FALSE);
    EXPECT_EQ(GetEnabled(edit), 0) << "the record follows the application's EnableWindow";
    EnableWindow(edit, TRUE);
    EXPECT_EQ(GetEnabled(edit), 1);
    ASSERT_EQ(SetVisible(t.window, 0), 1);
    EXPECT_FALSE(IsWindowVisible(t.window));
    ASSERT_EQ(SetVisible(t.window, 1), 1);
    EXPECT_TRUE(IsWindowVisible(t.window));
    WindowObject *frame = ObjectFromHandle(t.window);
    frame->Modal = GetDesktopWindow();
    EXPECT_EQ(SetVisible(t.window, 0), 0) << "a modal window stays";
    EXPECT_EQ(SetWindowState(t.window, -1), 0) << "whichever way it is hidden";
    EXPECT_TRUE(IsWindowVisible(t.window));
    frame->Modal = nullptr;

    ASSERT_EQ(SetDefault(button, 1), 1);
    EXPECT_EQ(GetDefault(button), 1);
    EXPECT_TRUE(GetWindowLongW(button, GWL_STYLE) & BS_DEFPUSHBUTTON);
    ASSERT_EQ(SetDefault(button, 0), 1);
    EXPECT_EQ(GetDefault(button), 0);

    HICON icon =
        (HICON)LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(100), IMAGE_ICON, 32, 32, 0);
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(SetIcon(t.window, (uintptr_t)icon), 1);
    EXPECT_EQ((HICON)SendMessageW(t.window, WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_EQ(GetIcon(t.window), (int32_t)(uintptr_t)icon);
    EXPECT_EQ(SetIcon(edit, (uintptr_t)icon), 0);
    EXPECT_EQ(SetMousePointer(edit, CustomMousePointer + 1) + SetMousePointer(edit, -1), 0);
    ASSERT_EQ(SetMousePointer(edit, CustomMousePointer), 1) << "the custom pointer, the last code";
    ASSERT_EQ(SetMousePointer(edit, 11), 1);
    EXPECT_EQ(GetMousePointer(edit), 11);

    const int closed = RectInParent(combo).bottom - RectInParent(combo).top;
    ASSERT_EQ(SetVisibleItems(combo, 8), 1);
    RECT dropped;
    SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
    EXPECT_GT(dropped.bottom - dropped.top, closed + 7 * 8) << "eight rows drop down";
    EXPECT_EQ(SetVisibleItems(edit, 8), 0);
    ShowWindow(t.window, SW_HIDE);
}

// A setter of a flag takes 0 or 1; any other value is refused and the window
// stays as it was, even where that value would have read as "on".
TEST(FlagSetters, OnlyZeroAndOneAreTaken) {
    TestWindow t;
    HWND edit = t[3], button = t[5];
    ShowWindow(t.window, SW_SHOWNORMAL);
    ASSERT_EQ(SetVisible(edit, 0), 1);
    struct Row {
        const char *name;
        int (*set)(HWND, int32_t);
        HWND window;
        LONG (*shown)(HWND);
    };
    const Row rows[] = {
        {"Visible", SetVisible, edit, [](HWND w) -> LONG { return IsWindowVisible(w); }},
        {"Enabled", SetEnabled, edit, [](HWND w) -> LONG { return IsWindowEnabled(w); }},
        {"Default", SetDefault, button,
         [](HWND w) { return GetWindowLongW(w, GWL_STYLE) & BS_DEFPUSHBUTTON; }},
        {"RightToLeft", SetRightToLeft, t.window,
         [](HWND w) { return GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYOUTRTL; }},
        {"ReadingOrder", SetReadingOrder, edit,
         [](HWND w) { return GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_RTLREADING; }},
    };
    for (const Row &row : rows)
        for (int32_t value : {2, -1}) {
            const LONG before = row.shown(row.window);
            EXPECT_EQ(row.set(row.window, value), 0) << row.name << " " << value;
            EXPECT_EQ(row.shown(row.window), before) << row.name << " " << value;
        }
    EXPECT_EQ(GetVisible(edit), 0);
    EXPECT_EQ(GetDefault(button), 0);
    ShowWindow(t.window, SW_HIDE);
}

TEST(PlainSetters, PenWidthIconsMarqueeAndStoredFlags) {
    ObjectWindows windows;
    WindowObject *picture = windows.Make(RecorderClass, KindPictureBox, 0, 0, 0, 100, 100);
    ASSERT_EQ(SetPenStyle(picture->Handle, PS_DOT), 1);
    ASSERT_EQ(SetPenWidth(picture->Handle, 1), 1);
    LOGPEN pen = {};
    GetObjectW(picture->Pen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_DOT) << "the style stays";
    EXPECT_EQ(GetPenStyle(picture->Handle), PS_DOT);
    DeleteObject(picture->Pen);

    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 90, 90);
    HICON first = CreateIcon(nullptr, 16, 16, 1, 1, std::vector<BYTE>(32, 0xFF).data(),
                             std::vector<BYTE>(32, 0).data());
    HICON second = CopyIcon(first);
    ICONINFO info;
    ASSERT_EQ(SetSmallIcon(frame->Handle, (uintptr_t)first), 1);
    ASSERT_EQ(SetSmallIcon(frame->Handle, (uintptr_t)first), 1);
    EXPECT_TRUE(GetIconInfo(first, &info)) << "the icon set again is kept";
    DeleteObject(info.hbmMask);
    ASSERT_EQ(SetSmallIcon(frame->Handle, (uintptr_t)second), 1);
    EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced icon is destroyed";
    EXPECT_EQ((HICON)SendMessageW(frame->Handle, WM_GETICON, ICON_SMALL, 0), second);
    SetSmallIcon(frame->Handle, 0);

    WindowObject *bar = windows.Make(PROGRESS_CLASSW, KindProgressBar, 0, 0, 0, 100, 20);
    EXPECT_EQ(SetMarquee(bar->Handle, 1, 30), -1) << "no marquee style";
    HWND marquee = windows.Create(PROGRESS_CLASSW, PBS_MARQUEE, 0, 0, 100, 20);
    EXPECT_NE(SetMarquee(marquee, 1, 30), -1) << "no object needed";
    EXPECT_EQ(SetMarquee(windows.Create(L"BUTTON", BS_AUTORADIOBUTTON, 0, 0, 9, 9), 1, 30), -1);

    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 400, 40, frame->Handle);
    ASSERT_EQ(SetTabStop(label->Handle, 1), 1);
    EXPECT_EQ(GetTabStop(label->Handle), -1) << "labels do not report it";
    EXPECT_EQ(label->TabStop, 1);
    EXPECT_EQ(SetShowFocus(label->Handle, 1) + SetPicturePosition(label->Handle, 1) +
                  SetDoubleBuffer(label->Handle, 1),
              0);
    ASSERT_EQ(SetDoubleBuffer(picture->Handle, 1), 1);
    EXPECT_EQ(GetDoubleBuffer(picture->Handle), 1);
    WindowObject *button = windows.Make(L"BUTTON", KindPushButton, 0, 0, 0, 80, 24, frame->Handle);
    for (int on : {1, 0}) {
        ASSERT_EQ(SetShowFocus(button->Handle, on), 1);
        EXPECT_EQ(GetShowFocus(button->Handle), on);
        ASSERT_EQ(SetPicturePosition(button->Handle, on), 1);
        EXPECT_EQ(GetPicturePosition(button->Handle), on);
    }
}

} // namespace
