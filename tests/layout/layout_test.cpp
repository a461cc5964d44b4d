// Layout and units: twips, start positions, docking and automatic sizes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/layout/layout.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/units.h"
#include "tests/support/test_support.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/object_windows.h"
#include "tests/support/template_builder.h"

namespace {

TEST(Units, AWindowRecordsItsSizeInLayoutPixelsOfItsOwnDpi) {
    ObjectWindows windows;
    WindowObject *frame = windows.Make(RecorderClass, KindWindow, WS_POPUP, 0, 0, 120, 81);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 9, 30, 40, 12, frame->Handle);
    label->ParentHandle = frame->Handle;
    frame->Dpi = 144;
    RecordSize(frame, SIZE_RESTORED);
    EXPECT_EQ(frame->Width, 80);
    EXPECT_EQ(frame->Height, 54);
    RecordPosition(label);
    EXPECT_EQ(label->Left, 6) << "a control is laid out for its window's dpi";
    EXPECT_EQ(label->Top, 20);
    frame->ScaleMode = 1;
    RecordSize(frame, SIZE_RESTORED);
    EXPECT_EQ(frame->Width, 1200) << "120 pixels at 144 dpi are 1200 twips";
}

TEST(Units, RectangleOfAControlIsRelativeToItsParentsClientArea) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 100, 80, 300, 200);
    WindowObject *label =
        windows.Make(L"STATIC", KindLabel, WS_VISIBLE, 17, 23, 40, 12, frame->Handle);
    RECT rect;
    ASSERT_EQ(WindowRectInParent(label->Handle, &rect), 1);
    EXPECT_EQ(rect.left, 17);
    EXPECT_EQ(rect.top, 23);
    EXPECT_EQ(rect.right, 57);
    ASSERT_EQ(WindowRectInParent(frame->Handle, &rect), 1);
    EXPECT_EQ(rect.left, 100) << "a window keeps screen coordinates";
    HWND foreign = windows.Create(L"STATIC", 0, 0, 0, 10, 10);
    EXPECT_EQ(WindowRectInParent(foreign, &rect), -1);

    label->ScaleMode = 1;
    RecordPosition(label);
    RecordSize(label, SIZE_RESTORED);
    EXPECT_EQ(label->Left, 17 * 15);
    EXPECT_EQ(label->Top, 23 * 15);
    EXPECT_EQ(label->Width, 40 * 15);
    EXPECT_EQ(label->Height, 12 * 15);
    MoveWindow(label->Handle, 0, 0, 80, 30, FALSE);
    RecordSize(label, SIZE_MAXIMIZED);
    EXPECT_EQ(label->Width, 40 * 15) << "a maximised size is not recorded";
}

TEST(StartPosition, CentresOnTheWorkAreaOrTheOwner) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    WindowObject window = {};
    window.Width = 201;
    window.Height = 101;
    window.Left = 1500;
    window.Top = 750;
    StartPosition at;
    for (int position : {StartCentredOnScreen, StartCentredOnOwner}) {
        window.StartUpPosition = position;
        ComputeStartPosition(&window, nullptr, &at);
        EXPECT_EQ(at.X, work.left + (work.right - work.left) / 2 - 100) << position;
        EXPECT_EQ(at.Y, work.top + (work.bottom - work.top) / 2 - 50) << position;
        EXPECT_EQ(at.Width, 201);
        EXPECT_EQ(at.Height, 101);
    }

    ObjectWindows windows;
    HWND owner = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 40, 60, 400, 300);
    window.StartUpPosition = StartCentredOnOwner;
    ComputeStartPosition(&window, owner, &at);
    EXPECT_EQ(at.X, 40 + 200 - 100);
    EXPECT_EQ(at.Y, 60 + 150 - 50);
    window.Style = WS_CHILD;
    ComputeStartPosition(&window, owner, &at);
    RECT client;
    GetClientRect(owner, &client);
    EXPECT_EQ(at.X, client.right / 2 - 100) << "a child is centred in the owner's client area";

    window.StartUpPosition = StartWhereSystemPuts;
    ComputeStartPosition(&window, owner, &at);
    EXPECT_EQ(at.X, (int)CW_USEDEFAULT);
    window.StartUpPosition = StartCentredOnScreen;
    window.MdiChild = 1;
    ComputeStartPosition(&window, nullptr, &at);
    EXPECT_EQ(at.Y, (int)CW_USEDEFAULT);

    window.StartUpPosition = StartAtLeftTop;
    window.ScaleMode = 1;
    ComputeStartPosition(&window, nullptr, &at);
    EXPECT_EQ(at.X, 100);
    EXPECT_EQ(at.Y, 50);
    EXPECT_EQ(at.Width, 13) << "201 twips";
}

// A window with a client area of 400 by 300, a top toolbar, a bottom status
// bar and a left picture box, created in that order.
struct DockedWindow {
    ObjectWindows windows;
    WindowObject *Frame, *Toolbar, *Status, *Picture, *Loose;
    DockedWindow() {
        RECT frame = {0, 0, 400, 300};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        Frame = windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0,
                             frame.right - frame.left, frame.bottom - frame.top);
        Toolbar = Docked(KindToolbar, 1, 0, 30);
        Status = Docked(KindStatusBar, 2, 0, 20);
        Picture = Docked(KindPictureBox, 3, 50, 0);
        Loose = Docked(KindPictureBox, 0, 10, 10);
        MoveWindow(Loose->Handle, 5, 6, 10, 10, FALSE);
    }
    WindowObject *Docked(ControlKind kind, int align, int width, int height) {
        WindowObject *o = windows.Make(L"STATIC", kind, WS_VISIBLE, 0, 0, 1, 1, Frame->Handle);
        o->Align = align;
        o->Width = width;
        o->Height = height;
        return o;
    }
};

void ExpectRect(HWND window, int left, int top, int right, int bottom) {
    RECT r = RectInParent(window);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(Docking, BarsTakeTheEdgesAndTheLeftPictureFillsBetweenThem) {
    DockedWindow w;
    LayoutDockedControls(w.Frame);
    ExpectRect(w.Toolbar->Handle, 0, 0, 400, 30);
    ExpectRect(w.Status->Handle, 0, 280, 400, 300);
    ExpectRect(w.Picture->Handle, 0, 30, 50, 280);
    ExpectRect(w.Loose->Handle, 5, 6, 15, 16);
}

TEST(Docking, BottomDockLastLetsTheLeftPictureReachTheBottom) {
    DockedWindow w;
    w.Frame->BottomDockLast = 1;
    LayoutDockedControls(w.Frame);
    ExpectRect(w.Toolbar->Handle, 0, 0, 400, 30);
    ExpectRect(w.Picture->Handle, 0, 30, 50, 300);
    ExpectRect(w.Status->Handle, 50, 280, 400, 300);
}

TEST(Docking, HiddenAndUndockableControlsTakeNoSpace) {
    DockedWindow w;
    w.Toolbar->Visible = 0;
    w.Status->Kind = KindLabel;
    MoveWindow(w.Status->Handle, 1, 2, 3, 4, FALSE);
    LayoutDockedControls(w.Frame);
    ExpectRect(w.Picture->Handle, 0, 0, 50, 300);
    ExpectRect(w.Status->Handle, 1, 2, 4, 6);
    LayoutDockedControls(nullptr);
}

TEST(Docking, TwoTopBarsStackInZOrderAndARightPictureTakesTheRightEdge) {
    DockedWindow w;
    w.Status->Align = 1;
    w.Picture->Align = 4;
    LayoutDockedControls(w.Frame);
    ExpectRect(w.Toolbar->Handle, 0, 0, 400, 30);
    ExpectRect(w.Status->Handle, 0, 30, 400, 50);
    ExpectRect(w.Picture->Handle, 350, 50, 400, 300);
}

// A runtime window lays its docked controls out again when it is resized,
// when it is shown, and when one of them is hidden or shown.
LRESULT CALLBACK GrowTopBoxAtCreation(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CREATE) ObjectFromHandle(GetDlgItem(window, ControlId(0)))->Height = 40;
    return 0;
}

TEST(Docking, ControlsFollowTheWindowResizedOrShownAndEachOtherHidden) {
    TemplateBuilder builder(2);
    builder.Window().EventProcedure = GrowTopBoxAtCreation;
    WindowObject &top = builder.Add(KindPictureBox, 0, L"picTop", L"");
    top.Align = 1;
    top.Height = 30;
    builder.Add(KindPictureBox, 1, L"picLeft", L"").Align = 3;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND topBox = GetDlgItem(window, ControlId(0)), leftBox = GetDlgItem(window, ControlId(1));
    RECT created;
    GetClientRect(window, &created);
    ExpectRect(topBox, 0, 0, created.right, 40); // as the EventProcedure left it at creation
    ObjectFromHandle(topBox)->Height = 30;
    SetWindowPos(window, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window, &client);
    ExpectRect(topBox, 0, 0, client.right, 30);
    ExpectRect(leftBox, 0, 30, 100, client.bottom);

    ShowWindow(window, SW_SHOWNOACTIVATE); // the first showing brings a WM_SIZE
    ShowWindow(window, SW_HIDE);
    ObjectFromHandle(topBox)->Height = 50; // changed while the window is hidden
    ShowWindow(window, SW_SHOWNOACTIVATE);
    ExpectRect(topBox, 0, 0, client.right, 50);
    ExpectRect(leftBox, 0, 50, 100, client.bottom);

    ShowWindow(topBox, SW_HIDE);
    ExpectRect(leftBox, 0, 0, 100, client.bottom);
    ShowWindow(topBox, SW_SHOW);
    ExpectRect(leftBox, 0, 50, 100, client.bottom);
    ShowWindow(window, SW_HIDE);
    DestroyWindow(window);
}

// A rebar that grows with a taller band pushes the controls docked after it.
TEST(Docking, ARebarGrowingMovesTheControlsDockedBelowIt) {
    TemplateBuilder builder(2);
    WindowObject &rebar = builder.Add(KindRebar, 0, L"rbrTop", L"");
    rebar.Align = 1;
    // Laid out by the runtime only: the rebar does not size itself.
    rebar.Style |= RBS_VARHEIGHT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    builder.Add(KindPictureBox, 1, L"picBelow", L"").Align = 1;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND bar = GetDlgItem(window, ControlId(0)), below = GetDlgItem(window, ControlId(1));
    HWND tall =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 60, bar, nullptr, nullptr, nullptr);
    REBARBANDINFOW band = {};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.hwndChild = tall;
    band.cxMinChild = 50;
    band.cyMinChild = 60;
    band.cx = 200;
    ASSERT_TRUE(SendMessageW(bar, RB_INSERTBANDW, (WPARAM)-1, (LPARAM)&band));
    const RECT grown = RectInParent(bar);
    ASSERT_GE(grown.bottom, 60);
    EXPECT_EQ(grown.bottom, RectInParent(below).top);
    DestroyWindow(window);
}

TEST(AutoSize, LabelAlignedRightGrowsToTheLeft) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 500, 200);
    WindowObject *label =
        windows.Make(L"STATIC", KindLabel, WS_VISIBLE, 200, 10, 40, 20, frame->Handle);
    label->AutoSize = 1;
    label->Alignment = 2;
    label->Font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    label->TextBuffer = CopyText(label, TextRef(L"&Hi"), 1);
    AutoSizeControl(label);
    RECT shortText = RectInParent(label->Handle);
    EXPECT_EQ(shortText.right, 240);
    EXPECT_GT(shortText.left, 200);
    EXPECT_EQ(label->Left, shortText.left);
    EXPECT_EQ(label->Width, shortText.right - shortText.left);
    EXPECT_GT(label->CaptionHeight, 0);

    FreeText(label->TextBuffer);
    label->TextBuffer = CopyText(label, TextRef(L"A much longer caption"), 1);
    AutoSizeControl(label);
    RECT longText = RectInParent(label->Handle);
    EXPECT_EQ(longText.right, 240);
    EXPECT_LT(longText.left, shortText.left);
    EXPECT_EQ(label->Height, longText.bottom - longText.top);

    label->Alignment = 0;
    AutoSizeControl(label);
    EXPECT_EQ(RectInParent(label->Handle).left, longText.left) << "left alignment keeps the left";
}

// A caption set again, even to the same text, leaves a bordered label's
// centre, or its aligned edge, where it was.
TEST(AutoSize, BorderedLabelKeepsItsCentreOrItsEdge) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 600, 200);
    WindowObject *label =
        windows.Make(L"STATIC", KindLabel, WS_VISIBLE, 400, 10, 240, 20, frame->Handle);
    SetWindowLongW(label->Handle, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(label->Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    label->AutoSize = 1;
    label->Font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    label->TextBuffer = CopyText(label, TextRef(L"Centred caption"), 1);
    for (int alignment : {1, 0, 2}) {
        label->Alignment = alignment;
        AutoSizeControl(label);
        const RECT first = RectInParent(label->Handle);
        if (alignment == 1) {
            EXPECT_EQ(first.left + (first.right - first.left) / 2, 520);
        }
        for (int again = 0; again < 4; ++again)
            AutoSizeControl(label);
        const RECT last = RectInParent(label->Handle);
        EXPECT_EQ(last.left, first.left) << alignment;
        EXPECT_EQ(last.right, first.right) << alignment;
    }
}

TEST(AutoSize, PrefixMarksAreNotMeasuredUnlessNoPrefix) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 500, 200);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 40, 20, frame->Handle);
    label->Font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    label->TextBuffer = CopyText(label, TextRef(L"&&&&&&"), 1);
    const LONG marked = MeasureLabelCaption(label).cx;
    label->NoPrefix = 1;
    const LONG plain = MeasureLabelCaption(label).cx;
    EXPECT_GT(marked, 0);
    EXPECT_EQ(plain, 2 * marked) << "each && is one drawn &";
}

TEST(AutoSize, PictureBoxTakesItsPictureSizePlusBorders) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 500, 200);
    WindowObject *box =
        windows.Make(RecorderClass, KindPictureBox, WS_BORDER, 7, 8, 20, 20, frame->Handle);
    box->AutoSize = 1;
    box->PictureWidth = 64;
    box->PictureHeight = 32;
    AutoSizeControl(box);
    RECT client;
    GetClientRect(box->Handle, &client);
    EXPECT_EQ(client.right, 64);
    EXPECT_EQ(client.bottom, 32);
    EXPECT_EQ(RectInParent(box->Handle).left, 7);
}

// Shown again, the containers are nudged so that what they hold is laid out
// anew; other controls are not.
TEST(Nudge, PictureAndGroupBoxesShownAgainHearTwoSizes) {
    ResetRecorder();
    TemplateBuilder builder(3);
    builder.Add(KindPictureBox, 0, L"picBox", L"").EventProcedure = RecordingEventProcedure;
    builder.Add(KindGroupBox, 1, L"grpBox", L"Group").EventProcedure = RecordingEventProcedure;
    builder.Add(KindTextBox, 2, L"txtBox", L"").EventProcedure = RecordingEventProcedure;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    for (int index = 0; index < 3; ++index) {
        HWND control = GetDlgItem(window, ControlId(index));
        EXPECT_GE(1, TimesHeard(WM_SIZE, control)) << index << ": not nudged while created";
        ShowWindow(control, SW_HIDE);
        Heard.clear();
        ShowWindow(control, SW_SHOW);
        EXPECT_EQ(index < 2 ? 2 : 0, TimesHeard(WM_SIZE, control)) << index;
    }
    DestroyWindow(window);
    ResetRecorder();
}

TEST(Nudge, TheWindowGetsTwoSizesAndKeepsItsOwn) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 10, 20, 300, 200);
    RecordedMessages().clear();
    NudgeSize(frame->Handle);
    EXPECT_EQ(CountRecorded(frame->Handle, WM_SIZE), 2);
    RECT rect;
    GetWindowRect(frame->Handle, &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    EXPECT_EQ(rect.bottom - rect.top, 200);
}

TEST(ComboHeight, DropDownHoldsTheVisibleItems) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 300, 300);
    WindowObject *combo = windows.Make(L"COMBOBOX", KindComboBox, WS_VISIBLE | CBS_DROPDOWNLIST, 5,
                                       5, 120, 200, frame->Handle);
    combo->VisibleItems = 4;
    FitComboHeight(combo, 1);
    const int itemHeight = (int)SendMessageW(combo->Handle, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
    EXPECT_EQ(combo->ItemHeight, itemHeight);
    RECT field;
    GetWindowRect(combo->Handle, &field);
    EXPECT_EQ(combo->Height, field.bottom - field.top);
    RECT four;
    SendMessageW(combo->Handle, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&four);
    EXPECT_GE(four.bottom - four.top, 4 * itemHeight);
    combo->VisibleItems = 8;
    FitComboHeight(combo, 1);
    RECT eight;
    SendMessageW(combo->Handle, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&eight);
    EXPECT_EQ((eight.bottom - eight.top) - (four.bottom - four.top), 4 * itemHeight)
        << "four more rows";
    GetWindowRect(combo->Handle, &field);
    EXPECT_EQ(combo->Height, field.bottom - field.top) << "the selection field keeps its height";
}

} // namespace
