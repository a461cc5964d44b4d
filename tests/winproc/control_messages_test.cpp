// What controls ask of their window and what they show: colours answered to
// colour requests, scroll requests from inside boxes, mouse cursors,
// hyperlink hover colours and the check states of option buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/winproc/cursor_messages.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/event_recorder.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 160, 0), Blue = RGB(0, 0, 255);

// A hidden runtime window of the builder's template, destroyed at the end.
struct BuiltWindow {
    HWND Handle;
    explicit BuiltWindow(TemplateBuilder &builder)
        : Handle((HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr)) {}
    ~BuiltWindow() { DestroyWindow(Handle); }
    HWND Control(int index) const { return GetDlgItem(Handle, ControlId(index)); }
};

TEST(ColourRequests, ControlsGetTheirBrushAndTextColour) {
    TemplateBuilder builder(3);
    builder.Window().BackColorSetting = Green;
    WindowObject &label = builder.Add(KindLabel, 0, L"lblInfo", L"Info");
    label.BackColorSetting = Red;
    label.ForeColorSetting = Blue;
    WindowObject &text = builder.Add(KindTextBox, 1, L"txtName", L"abc");
    text.BackColorSetting = Blue;
    text.ForeColorSetting = Red;
    builder.Add(KindCheckBox, 2, L"chkOn", L"On").ForeColorSetting = Red;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    Canvas canvas(4, 4);
    auto ask = [&](UINT message, int index) {
        return BrushColour((HBRUSH)SendMessageA(window.Handle, message, (WPARAM)canvas.Dc(),
                                                (LPARAM)window.Control(index)));
    };
    EXPECT_EQ(Red, ask(WM_CTLCOLORSTATIC, 0));
    EXPECT_EQ(Blue, GetTextColor(canvas.Dc()));
    EXPECT_EQ(TRANSPARENT, GetBkMode(canvas.Dc()));
    HGDIOBJ font = ObjectFromHandle(window.Control(0))->Font;
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(font, GetCurrentObject(canvas.Dc(), OBJ_FONT)) << "the label's own font";
    EXPECT_EQ(Blue, ask(WM_CTLCOLOREDIT, 1));
    EXPECT_EQ(Red, GetTextColor(canvas.Dc()));
    EXPECT_EQ(Blue, GetBkColor(canvas.Dc())) << "text boxes paint their text on their colour";
    EXPECT_EQ(Green, ask(WM_CTLCOLORBTN, 2)) << "a button stands on its window's colour";
    EXPECT_EQ(Red, GetTextColor(canvas.Dc()));
}

// The list box paints each item over the text background it was given;
// one without a colour of its own keeps the white of the system's.
TEST(ColourRequests, ListBoxItemsStandOnTheListBoxColour) {
    TemplateBuilder builder(2);
    builder.Add(KindListBox, 0, L"lstColoured", L"").BackColorSetting = Red;
    builder.Add(KindListBox, 1, L"lstPlain", L"").BackColorSetting = NoColour;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    const COLORREF expected[] = {Red, RGB(255, 255, 255)};
    for (int i = 0; i < 2; ++i) {
        HWND list = window.Control(i);
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM) "one");
        RECT item = {};
        ASSERT_NE(LB_ERR, SendMessageA(list, LB_GETITEMRECT, 0, (LPARAM)&item));
        Canvas canvas(item.right, item.bottom + 4);
        SendMessageA(list, WM_PRINTCLIENT, (WPARAM)canvas.Dc(), PRF_CLIENT);
        EXPECT_EQ(expected[i], canvas.Pixel(item.right - 2, (item.top + item.bottom) / 2)) << i;
        EXPECT_EQ(expected[i], canvas.Pixel(item.right - 2, item.bottom + 2)) << "below, " << i;
    }
}

// Scroll bars and other scrolling controls in a group or picture box are
// heard by the window, as their commands are.
TEST(ScrollRequests, FromInsideGroupAndPictureBoxesReachTheWindow) {
    ResetRecorder();
    TemplateBuilder builder(2);
    builder.Window().EventProcedure = RecordingEventProcedure;
    builder.Add(KindGroupBox, 0, L"grpBox", L"Box", 1);
    builder.Add(KindHScrollBar, 1, L"hsbInGroup", L"");
    builder.Add(KindPictureBox, 2, L"picBox", L"", 2);
    builder.Add(KindVScrollBar, 3, L"vsbInPicture", L"").Style |= SBS_VERT;
    builder.Add(KindPushButton, 4, L"btnInPicture", L"Go");
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    HWND horizontal = FindDescendant(window.Handle, ControlId(1));
    HWND vertical = FindDescendant(window.Handle, ControlId(3));
    ASSERT_TRUE(horizontal && vertical);
    // The scroll bar's own keyboard handling sends the request to its parent.
    SendMessageA(horizontal, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageA(vertical, WM_KEYDOWN, VK_DOWN, 0);
    const HeardMessage *across = FirstHeard(WM_HSCROLL);
    const HeardMessage *down = FirstHeard(WM_VSCROLL);
    ASSERT_TRUE(across && down);
    EXPECT_EQ(window.Handle, across->Window);
    EXPECT_EQ((LPARAM)horizontal, across->LParam);
    EXPECT_EQ(SB_LINEDOWN, LOWORD(across->WParam));
    EXPECT_EQ(window.Handle, down->Window);
    EXPECT_EQ((LPARAM)vertical, down->LParam);
    HWND button = FindDescendant(window.Handle, ControlId(4));
    ASSERT_NE(nullptr, button);
    SendMessageA(button, BM_CLICK, 0, 0);
    const HeardMessage *click = FirstHeard(WM_COMMAND);
    ASSERT_NE(nullptr, click);
    EXPECT_EQ(window.Handle, click->Window);
    EXPECT_EQ(MAKEWPARAM(ControlId(4), BN_CLICKED), click->WParam);
    ResetRecorder();
}

TEST(Cursors, ControlsShowTheirMousePointer) {
    TemplateBuilder builder(5);
    builder.Add(KindLabel, 0, L"lblCross", L"Cross").MousePointer = 4;
    builder.Add(KindTextBox, 1, L"txtName", L"");
    builder.Add(KindTextBox, 2, L"txtNo", L"").MousePointer = 11;
    WindowObject &rebar = builder.Add(KindRebar, 3, L"rbrBands", L"");
    rebar.MousePointer = 4;
    rebar.GripperPointer = 11;
    WindowObject &custom = builder.Add(KindLabel, 4, L"lblCustom", L"Custom");
    custom.MousePointer = CustomMousePointer;
    custom.MouseIcon = 100; // the test resources' icon
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    auto cursorOver = [](HWND control) {
        SetCursor(nullptr);
        SendMessageA(control, WM_SETCURSOR, (WPARAM)control, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), cursorOver(window.Control(0)));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_IBEAM), cursorOver(window.Control(1)));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_NO), cursorOver(window.Control(2)));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), cursorOver(window.Handle));
    const HCURSOR ownCursor = cursorOver(window.Control(4));
    ICONINFO shown = {};
    EXPECT_NE((HCURSOR)100, ownCursor) << "icon resource 100 is loaded, not taken for a handle";
    EXPECT_TRUE(GetIconInfo(ownCursor, &shown));
    DeleteObject(shown.hbmColor);
    DeleteObject(shown.hbmMask);
    // A rebar shows its gripper pointer over a band's grabber only.
    WindowObject *bands = ObjectFromHandle(window.Control(3));
    ASSERT_NE(nullptr, bands);
    bands->LastHitTest = RBHT_GRABBER;
    EXPECT_EQ(LoadCursorA(nullptr, IDC_NO), cursorOver(window.Control(3)));
    bands->LastHitTest = RBHT_CLIENT;
    EXPECT_EQ(LoadCursorA(nullptr, IDC_CROSS), cursorOver(window.Control(3)));
}

// Each busy spell shows the wait cursor and holds the mouse, the second as
// the first; its end gives the arrow and the mouse back.
TEST(Cursors, EveryBusySpellShowsTheWaitCursorAndCapturesTheMouse) {
    TemplateBuilder builder(0);
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    for (int spell = 0; spell < 2; ++spell) {
        BeginBusy(window.Handle);
        EXPECT_EQ(window.Handle, GetCapture()) << spell;
        EXPECT_EQ(WaitCursor, GetCursor()) << spell;
        EndBusy();
        EXPECT_EQ(nullptr, GetCapture()) << spell;
        EXPECT_EQ(ArrowCursor, GetCursor()) << spell;
    }
    // Begun while another window holds the mouse, a spell gives it back once.
    HWND holder =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetCapture(holder);
    BeginBusy(window.Handle);
    EXPECT_EQ(window.Handle, GetCapture());
    EndBusy();
    EXPECT_EQ(holder, GetCapture());
    ReleaseCapture();
    EndBusy();
    EXPECT_EQ(nullptr, GetCapture()) << "given back only once";
    DestroyWindow(holder);
}

// A toolbar's command has it repainted (a paint request waits in its queue);
// a button's command does not.
TEST(CommandRequests, ToolbarCommandsRepaintTheToolbarOnly) {
    TemplateBuilder builder(2);
    builder.Add(KindToolbar, 0, L"tlbTools", L"");
    builder.Add(KindPushButton, 1, L"btnGo", L"Go");
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    auto paintWaits = [&](int index, WORD code) {
        HWND control = window.Control(index);
        MSG msg;
        while (PeekMessageA(&msg, control, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        }
        SendMessageA(window.Handle, WM_COMMAND, MAKEWPARAM(ControlId(index), code),
                     (LPARAM)control);
        const bool waits = PeekMessageA(&msg, control, WM_PAINT, WM_PAINT, PM_REMOVE);
        while (PeekMessageA(&msg, control, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        }
        return waits;
    };
    EXPECT_TRUE(paintWaits(0, 0));
    EXPECT_FALSE(paintWaits(1, BN_CLICKED));
}

// A transparent label asks its window to paint again what lies under it,
// and only that.
TEST(PaintRequests, TransparentLabelHasTheAreaUnderItRepainted) {
    ResetRecorder();
    TemplateBuilder builder(1);
    builder.Window().Visible = 1;
    builder.Window().EventProcedure = RecordingEventProcedure;
    WindowObject &label = builder.Add(KindLabel, 0, L"lblOver", L"Over");
    label.Transparent = 1;
    label.Left = 40;
    label.Top = 30;
    label.Width = 100;
    label.Height = 20;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    UpdateWindow(window.Handle);
    RECT painted = {};
    EventAnswer = [&](HWND to, UINT message, WPARAM, LPARAM) -> LRESULT {
        if (to == window.Handle && message == WM_PAINT) GetUpdateRect(to, &painted, FALSE);
        return 0;
    };
    SendMessageA(window.Control(0), RTM_REDRAWAREA, 0, 0);
    RECT under;
    GetWindowRect(window.Control(0), &under);
    MapWindowPoints(nullptr, window.Handle, (POINT *)&under, 2);
    EXPECT_TRUE(EqualRect(&under, &painted))
        << painted.left << "," << painted.top << " " << painted.right << "," << painted.bottom;
    ShowWindow(window.Handle, SW_HIDE);
    ResetRecorder();
}

// The button class repaints at WM_SETTEXT before the runtime keeps the new
// caption, so an owner-drawn face is due for another paint with it.
TEST(PaintRequests, OwnerDrawnButtonIsRepaintedWithItsNewCaption) {
    TemplateBuilder builder(2);
    builder.Window().Visible = 1;
    for (int owner : {0, 1}) {
        WindowObject &button = builder.Add(KindPushButton, owner, L"btnCaption", L"Old");
        button.Style |= owner ? BS_OWNERDRAW : 0;
        button.OwnerDrawn = owner;
    }
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    UpdateWindow(window.Handle);
    for (int owner : {0, 1}) {
        SetWindowTextW(window.Control(owner), L"New caption");
        EXPECT_EQ(owner != 0, GetUpdateRect(window.Control(owner), nullptr, FALSE) != 0) << owner;
    }
    ShowWindow(window.Handle, SW_HIDE);
}

// A double click is a second click for windows and buttons, not for a text
// box, which selects a word.
TEST(MouseRequests, DoubleClickIsASecondClickForWindowsAndButtons) {
    TemplateBuilder builder(3);
    builder.Add(KindPushButton, 0, L"btnTwice", L"Twice");
    builder.Add(KindCheckBox, 1, L"chkTwice", L"Twice");
    builder.Add(KindTextBox, 2, L"txtWord", L"word");
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    for (HWND target : {window.Handle, window.Control(0), window.Control(1), window.Control(2)}) {
        SendMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
        MSG msg;
        const bool clicked = PeekMessageA(&msg, target, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE);
        EXPECT_EQ(target != window.Control(2), clicked) << target;
        ReleaseCapture();
    }
}

// A right click moves the focus only to a list view.
TEST(ScrollRequests, AScrolledControlTakesTheFocusAndTheWindowLeavesIt) {
    TemplateBuilder builder(2);
    builder.Window().Visible = 1;
    WindowObject &list = builder.Add(KindListBox, 0, L"lstScrolled", L"");
    list.Style |= WS_VSCROLL;
    builder.Add(KindTextBox, 1, L"txtFocus", L"");
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    SetFocus(window.Control(1));
    SendMessageA(window.Handle, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(window.Control(1), GetFocus()) << "the window's own scroll bar";
    SendMessageA(window.Control(0), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(window.Control(0), GetFocus());
    ShowWindow(window.Handle, SW_HIDE);
}

TEST(WindowState, ADpiChangeTakesTheSuggestedRectangleAndIsHeard) {
    ResetRecorder();
    TemplateBuilder builder(0);
    builder.Window().EventProcedure = RecordingEventProcedure;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    RECT suggested = {10, 20, 330, 260}, now;
    SendMessageA(window.Handle, WM_DPICHANGED, MAKEWPARAM(120, 120), (LPARAM)&suggested);
    GetWindowRect(window.Handle, &now);
    EXPECT_TRUE(EqualRect(&suggested, &now));
    SendMessageA(window.Handle, WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
    GetWindowRect(window.Handle, &now);
    EXPECT_TRUE(EqualRect(&suggested, &now)) << "no rectangle, no move";
    EXPECT_EQ(2, TimesHeard(WM_DPICHANGED, window.Handle));
    ResetRecorder();
}

TEST(MouseRequests, RightClickOnAButtonLeavesTheFocus) {
    TemplateBuilder builder(2);
    builder.Window().Visible = 1;
    builder.Add(KindPushButton, 0, L"btnRight", L"Right");
    builder.Add(KindTextBox, 1, L"txtFocus", L"");
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    SetFocus(window.Control(1));
    SendMessageA(window.Control(0), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    SendMessageA(window.Control(0), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(window.Control(1), GetFocus());
    ShowWindow(window.Handle, SW_HIDE);
}

// A group box takes the mouse over it itself, where the button class would
// let it through to the window.
TEST(Cursors, GroupBoxIsHitWhereTheMouseIsOverIt) {
    TemplateBuilder builder(1);
    builder.Add(KindGroupBox, 0, L"grpBox", L"Box").Width = 100;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    RECT box;
    GetWindowRect(window.Control(0), &box);
    const LPARAM inside = MAKELPARAM(box.left + 10, box.top + 10);
    EXPECT_EQ(HTCLIENT, SendMessageA(window.Control(0), WM_NCHITTEST, 0, inside));
}

TEST(Hyperlink, LabelTakesItsHoverColourWhileTheMouseIsOverIt) {
    TemplateBuilder builder(1);
    WindowObject &link = builder.Add(KindLabel, 0, L"lblLink", L"example.com");
    link.Hyperlink = 1;
    link.HoverColor = Red;
    link.ForeColorSetting = Blue;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    Canvas canvas(4, 4);
    auto textColour = [&] {
        SendMessageA(window.Handle, WM_CTLCOLORSTATIC, (WPARAM)canvas.Dc(),
                     (LPARAM)window.Control(0));
        return GetTextColor(canvas.Dc());
    };
    EXPECT_EQ(Blue, textColour());
    SendMessageA(window.Control(0), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(Red, textColour());
    SendMessageA(window.Control(0), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Blue, textColour());
}

// The option buttons of one window or box are one group, whatever their
// WS_GROUP styles say: the button class alone would uncheck none of these.
TEST(OptionButtons, CheckingOneUnchecksItsSiblings) {
    TemplateBuilder builder(3);
    for (int i = 0; i < 3; ++i)
        builder.Add(KindOptionButton, i, L"optChoice", L"Choice").Style |=
            BS_AUTORADIOBUTTON | WS_GROUP;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    auto checked = [&](int index) {
        return SendMessageA(window.Control(index), BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    ASSERT_TRUE(checked(0)) << "the first is chosen at creation";
    SendMessageA(window.Control(2), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(checked(2));
    EXPECT_FALSE(checked(0));
    EXPECT_FALSE(checked(1));
    SendMessageA(window.Control(1), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(checked(1));
    EXPECT_FALSE(checked(2));
    SendMessageA(window.Control(1), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(checked(0) || checked(1) || checked(2)) << "unchecking touches no sibling";
}

// Only automatic option buttons check themselves out of their group; one the
// application draws and checks itself leaves its siblings alone.
TEST(OptionButtons, CheckingAnOwnerDrawnOneLeavesTheOthers) {
    TemplateBuilder builder(2);
    builder.Add(KindOptionButton, 0, L"optAuto", L"Auto").Style |= BS_AUTORADIOBUTTON;
    builder.Add(KindOptionButton, 1, L"optDrawn", L"Drawn").Style |= BS_OWNERDRAW;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    ASSERT_EQ(BST_CHECKED, SendMessageA(window.Control(0), BM_GETCHECK, 0, 0));
    SendMessageA(window.Control(1), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(window.Control(0), BM_GETCHECK, 0, 0));
}

} // namespace
