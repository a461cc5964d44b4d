// The setters that creation and the window procedure use: colours, pen,
// picture, timer, window state and enabled state.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime/properties/properties.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/properties/readers.h"
#include "runtime/base/messages.h"
#include "runtime/base/repaint.h"
#include "runtime/base/window_object.h"
#include "tests/support/event_recorder.h"
#include "tests/support/canvas.h"
#include "tests/support/object_windows.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

LOGPEN PenOf(HPEN pen) {
    LOGPEN info = {};
    GetObjectW(pen, sizeof info, &info);
    return info;
}

TEST(BackColor, BrushForOrdinaryKindsColourMessageForTheOthers) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 50, 20, frame->Handle);
    ASSERT_EQ(SetBackColor(label->Handle, 0x0000FF), 1);
    EXPECT_EQ(label->BackColorSetting, 0x0000FF);
    EXPECT_EQ(label->BackColor, 0x0000FFu);
    ASSERT_NE(label->BackBrush, nullptr);
    EXPECT_EQ(BrushColour(label->BackBrush), 0x0000FFu);
    HBRUSH red = label->BackBrush;
    ASSERT_EQ(SetBackColor(label->Handle, NoColour), 1);
    EXPECT_EQ(label->BackBrush, nullptr);
    EXPECT_EQ(label->BackColorSetting, NoColour);
    EXPECT_EQ(GetObjectType(red), 0u) << "the old brush is deleted";

    WindowObject *list =
        windows.Make(WC_LISTVIEWW, KindListView, 0, 0, 30, 100, 100, frame->Handle);
    ASSERT_EQ(SetBackColor(list->Handle, SystemColour(COLOR_WINDOW)), 1);
    EXPECT_EQ(list->BackBrush, nullptr);
    SetBackColor(list->Handle, 0x00FF00);
    EXPECT_EQ((COLORREF)SendMessageW(list->Handle, LVM_GETBKCOLOR, 0, 0), 0x00FF00u);
    EXPECT_EQ((COLORREF)SendMessageW(list->Handle, LVM_GETTEXTBKCOLOR, 0, 0), 0x00FF00u);
    EXPECT_EQ(list->BackBrush, nullptr);

    HWND foreign = windows.Create(L"STATIC", 0, 0, 0, 10, 10);
    EXPECT_EQ(SetBackColor(foreign, 0xFF), 0);
}

TEST(ForeColor, WindowsRemakeTheirPenAndTreesAreTold) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
    frame->PenStyle = PS_DASH;
    frame->PenWidth = 1;
    ASSERT_EQ(SetForeColor(frame->Handle, 0x112233), 1);
    EXPECT_EQ(frame->ForeColor, 0x112233u);
    const LOGPEN pen = PenOf(frame->Pen);
    EXPECT_EQ(pen.lopnColor, 0x112233u);
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_DASH);

    WindowObject *tree = windows.Make(WC_TREEVIEWW, KindTreeView, 0, 0, 0, 100, 100, frame->Handle);
    SetForeColor(tree->Handle, SystemColour(COLOR_HIGHLIGHT));
    EXPECT_EQ((COLORREF)SendMessageW(tree->Handle, TVM_GETTEXTCOLOR, 0, 0),
              GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(tree->ForeColorSetting, SystemColour(COLOR_HIGHLIGHT));
    // -1 is "no background" only; as a text colour it names system colour
    // 255, which does not exist, and so reads black.
    ASSERT_EQ(SetForeColor(tree->Handle, NoColour), 1);
    EXPECT_EQ((COLORREF)SendMessageW(tree->Handle, TVM_GETTEXTCOLOR, 0, 0), 0u);
    EXPECT_EQ(tree->ForeColor, 0u);
    DeleteObject(frame->Pen);
}

TEST(PenStyle, OnlyWindowsAndPicturesWithStylesZeroToSix) {
    ObjectWindows windows;
    WindowObject *picture = windows.Make(RecorderClass, KindPictureBox, 0, 0, 0, 100, 100);
    picture->PenWidth = 3;
    picture->ForeColor = 0x0000FF;
    ASSERT_EQ(SetPenStyle(picture->Handle, PS_SOLID), 1);
    HPEN first = picture->Pen;
    EXPECT_EQ(PenOf(first).lopnWidth.x, 3);
    ASSERT_EQ(SetPenStyle(picture->Handle, PS_INSIDEFRAME), 1);
    EXPECT_EQ(picture->PenStyle, PS_INSIDEFRAME);
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous pen is deleted";
    EXPECT_EQ(SetPenStyle(picture->Handle, 7), 0);
    EXPECT_EQ(picture->PenStyle, PS_INSIDEFRAME);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 10, 10);
    EXPECT_EQ(SetPenStyle(label->Handle, PS_SOLID), 0);
    EXPECT_EQ(label->Pen, nullptr);
    DeleteObject(picture->Pen);
}

TEST(Picture, ImagesAreExchangedAndTheOldOneReleased) {
    ObjectWindows windows;
    WindowObject *image = windows.Make(L"STATIC", KindImage, SS_BITMAP, 0, 0, 10, 10);
    HBITMAP bitmap = CreateBitmap(24, 12, 1, 32, nullptr);
    ASSERT_EQ(SetPicture(image->Handle, (uintptr_t)bitmap), 1);
    EXPECT_EQ(image->Picture, (ImageRef)bitmap);
    EXPECT_EQ(image->PictureType, 0);
    EXPECT_EQ(image->PictureWidth, 24);
    ASSERT_EQ(SetPicture(image->Handle, (uintptr_t)bitmap), 1);
    EXPECT_NE(GetObjectType(bitmap), 0u) << "setting the same image keeps it";
    ASSERT_EQ(SetPicture(image->Handle, 100), 1);
    EXPECT_GE(image->Picture, FirstHandleValue) << "icon resource 100 is loaded";
    EXPECT_EQ(image->PictureType, 1);
    EXPECT_EQ(GetObjectType(bitmap), 0u) << "the replaced bitmap is released";
    ASSERT_EQ(SetPicture(image->Handle, 0), 1);
    EXPECT_EQ(image->PictureType, -1);

    HWND parent = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 0, 0, 200, 200);
    WindowObject *box =
        windows.Make(RecorderClass, KindPictureBox, WS_BORDER, 0, 0, 10, 10, parent);
    box->AutoSize = 1;
    HBITMAP wide = CreateBitmap(40, 30, 1, 32, nullptr);
    SetPicture(box->Handle, (uintptr_t)wide);
    RECT client;
    GetClientRect(box->Handle, &client);
    EXPECT_EQ(client.right, 40) << "an automatic picture box fits its picture";
    EXPECT_EQ(client.bottom, 30);
    SetPicture(box->Handle, 0);

    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 10, 10);
    EXPECT_EQ(SetPicture(label->Handle, 100), 0);
}

TEST(Timer, TicksWithIdentifierTwoUntilStopped) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    RecordedMessages().clear();
    ASSERT_EQ(SetTimerInterval(frame->Handle, 30), WindowTimerId);
    EXPECT_EQ(frame->TimerId, WindowTimerId);
    EXPECT_EQ(frame->TimerInterval, 30);
    PumpMessagesFor(250);
    EXPECT_GE(CountRecorded(frame->Handle, WM_TIMER), 2);
    for (const RecordedMessage &m : RecordedMessages())
        if (m.Message == WM_TIMER) {
            EXPECT_EQ(m.WParam, (WPARAM)WindowTimerId);
        }
    EXPECT_EQ(SetTimerInterval(frame->Handle, 0), 0);
    EXPECT_EQ(frame->TimerId, 0);
    RecordedMessages().clear();
    PumpMessagesFor(120);
    EXPECT_EQ(CountRecorded(frame->Handle, WM_TIMER), 0);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 10, 10, frame->Handle);
    EXPECT_EQ(SetTimerInterval(label->Handle, 30), 0);
}

TEST(WindowState, HiddenShownAndRefusedOutsideTheRange) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100);
    ASSERT_EQ(SetWindowState(frame->Handle, 0), 1);
    EXPECT_TRUE(IsWindowVisible(frame->Handle));
    ASSERT_EQ(SetWindowState(frame->Handle, -1), 1);
    EXPECT_FALSE(IsWindowVisible(frame->Handle));
    EXPECT_EQ(frame->WindowState, -1);
    ASSERT_EQ(SetWindowState(frame->Handle, 1), 1);
    EXPECT_TRUE(IsIconic(frame->Handle));
    ASSERT_EQ(SetWindowState(frame->Handle, 2), 1);
    EXPECT_TRUE(IsZoomed(frame->Handle));
    ASSERT_EQ(SetWindowState(frame->Handle, -1), 1);
    EXPECT_EQ(SetWindowState(frame->Handle, 3), 0);
    EXPECT_EQ(SetWindowState(frame->Handle, -2), 0);
    EXPECT_EQ(frame->WindowState, -1);
    EXPECT_FALSE(IsWindowVisible(frame->Handle));
}

TEST(Enabled, GroupDisablesEverythingInsideAndTellsItsWindow) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 300, 300);
    WindowObject *group =
        windows.Make(RecorderClass, KindGroupBox, WS_VISIBLE, 0, 0, 200, 200, frame->Handle);
    WindowObject *picture =
        windows.Make(RecorderClass, KindPictureBox, WS_VISIBLE, 5, 5, 100, 100, group->Handle);
    WindowObject *label =
        windows.Make(L"STATIC", KindLabel, WS_VISIBLE, 5, 5, 50, 20, picture->Handle);
    HWND plain = windows.Create(L"STATIC", WS_VISIBLE, 5, 40, 50, 20, group->Handle);
    for (WindowObject *o : {group, picture, label}) {
        o->ParentHandle = frame->Handle;
        o->Enabled = 1;
    }
    ShowWindow(frame->Handle, SW_SHOWNOACTIVATE);
    UpdateWindow(frame->Handle);
    RecordedMessages().clear();
    ASSERT_EQ(SetEnabled(group->Handle, 0), 1);
    EXPECT_TRUE(GetUpdateRect(group->Handle, nullptr, FALSE)) << "to be painted disabled";
    ShowWindow(frame->Handle, SW_HIDE);
    EXPECT_FALSE(IsWindowEnabled(group->Handle));
    EXPECT_FALSE(IsWindowEnabled(picture->Handle));
    EXPECT_FALSE(IsWindowEnabled(label->Handle));
    EXPECT_FALSE(IsWindowEnabled(plain));
    EXPECT_EQ(group->Enabled, 0);
    EXPECT_EQ(label->Enabled, 0) << "the records follow";
    EXPECT_TRUE(group->Style & WS_DISABLED);
    ASSERT_GE(CountRecorded(frame->Handle, RTM_FOCUSNEXT), 1);
    EXPECT_EQ(RecordedMessages().front().LParam, (LPARAM)group->Handle);

    RecordedMessages().clear();
    EXPECT_EQ(SetEnabled(group->Handle, 0), 1) << "already disabled";
    EXPECT_EQ(CountRecorded(frame->Handle, RTM_FOCUSNEXT), 0);
    EXPECT_EQ(SetEnabled(group->Handle, 2), 0);
    ASSERT_EQ(SetEnabled(group->Handle, 1), 1);
    EXPECT_TRUE(IsWindowEnabled(label->Handle));
    EXPECT_TRUE(IsWindowEnabled(plain));
    EXPECT_EQ(picture->Enabled, 1);
}

// A text box its template disabled, whose window the system enables, is
// enabled by the setter: it reads enabled and takes the focus.
TEST(Enabled, ControlDisabledByItsTemplateIsEnabledBySetEnabled) {
    TemplateBuilder builder(2);
    builder.Window().Visible = 1;
    WindowObject &entry = builder.Add(KindTextBox, 0, L"txtOff", L"off");
    entry.TabStop = 1;
    entry.Enabled = 0;
    builder.Add(KindPushButton, 1, L"btnOn", L"On").TabStop = 1;
    HWND window = (HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindow(window));
    HWND text = GetDlgItem(window, ControlId(0));
    EXPECT_EQ(GetEnabled(text), 0);
    ASSERT_EQ(SetEnabled(text, 1), 1);
    EXPECT_EQ(GetEnabled(text), 1);
    SetFocus(text);
    EXPECT_EQ(text, GetFocus());
    DestroyWindow(window);
}

TEST(Repaint, RefreshPaintsBeforeReturning) {
    ObjectWindows windows;
    HWND frame = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
    PumpMessagesFor(50);
    RefreshWindow(frame, 1);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(frame, &update, FALSE)) << "nothing left to paint";
    InvalidateRect(frame, nullptr, FALSE);
    RedrawAll(frame);
    EXPECT_FALSE(GetUpdateRect(frame, &update, FALSE));
    ShowWindow(frame, SW_HIDE);
}

TEST(Refresh, WindowIsRepaintedBeforeTheCallReturns) {
    TemplateBuilder builder(0);
    builder.Window().Visible = 1;
    builder.Window().EventProcedure = RecordingEventProcedure;
    const WindowTemplate *entries = builder.Finish();
    ASSERT_NE(nullptr, entries);
    HWND window = (HWND)CreateFromTemplate(entries, nullptr, 0, nullptr);
    ASSERT_TRUE(IsWindowVisible(window));
    UpdateWindow(window);
    ResetRecorder();
    RefreshWindow(window, 1);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE)) << "nothing is left to paint";
    EXPECT_EQ(1, TimesHeard(WM_PAINT, window));
    DestroyWindow(window);
    ResetRecorder();
}

} // namespace
