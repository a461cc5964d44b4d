// The property readers: which kinds answer each code, the controls that are
// read through messages, and the computed and text readers.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <initializer_list>

#include "runtime/properties/readers.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"
#include "tests/support/object_windows.h"
#include "tests/support/test_support.h"

namespace {

bool In(int kind, std::initializer_list<int> kinds) {
    for (int k : kinds)
        if (k == kind) return true;
    return false;
}
// Kind 0 is no kind at all: an object that was never given one.
constexpr int NoKind = 0;
bool Windows(int k) {
    return k <= KindWindow;
}
bool Fonts(int k) {
    return !In(k, {KindMdiFrame, KindImage, KindHScrollBar, KindVScrollBar});
}

// Whether a kind answers a code, as the property table lists it.
bool Answers(int code, int k) {
    switch (code) {
    case PropAlign: return In(k, {KindPictureBox, KindToolbar, KindStatusBar, KindRebar});
    case PropAutoSize: return In(k, {KindLabel, KindPictureBox});
    case PropCancel:
    case PropShowFocus:
    case PropPicturePosition: return k == KindPushButton;
    case PropEditOption: return In(k, {KindTextBox, KindComboBox});
    case PropPenStyle:
    case PropPenWidth: return In(k, {KindWindow, KindPictureBox});
    case PropDoubleBuffer: return k == KindPictureBox;
    case PropFont:
    case PropFontBold:
    case PropFontItalic:
    case PropFontSize:
    case PropFontStrikeOut:
    case PropFontUnderline:
    case PropForeColor: return Fonts(k);
    case PropIcon:
    case PropSmallIcon:
    case PropWindowState:
    case PropTimerInterval: return Windows(k);
    case PropMax:
    case PropMin:
        return In(k, {KindHScrollBar, KindVScrollBar, KindProgressBar, KindTrackbar, KindUpDown});
    case PropMaxLength:
    case PropPasswordChar: return k == KindTextBox;
    case PropMdiChild: return k == KindWindow;
    case PropMdiClient: return k == KindMdiFrame;
    case PropMultiLine:
        return In(k,
                  {KindTextBox, KindPushButton, KindCheckBox, KindOptionButton, KindRichTextBox});
    case PropNoPrefix:
    case PropLabelOption: return k == KindLabel;
    case PropLargeChange: return In(k, {KindHScrollBar, KindVScrollBar});
    case PropPicture: return Windows(k) || In(k, {KindPushButton, KindPictureBox, KindImage});
    case PropReadingOrder: return !In(k, {KindImage, KindHScrollBar, KindVScrollBar});
    case PropScaleMode: return In(k, {NoKind, KindMdiFrame, KindWindow, KindPictureBox});
    case PropScrollBars: return In(k, {NoKind, KindMdiFrame, KindWindow, KindTextBox});
    case PropIndex: return k >= KindLabel;
    case PropTabStop: return !In(k, {KindLabel, KindGroupBox, KindImage});
    case PropAlignment:
        return k >= KindLabel && !In(k, {KindImage, KindHScrollBar, KindVScrollBar});
    case PropValue:
        return In(k, {KindCheckBox, KindOptionButton, KindHScrollBar, KindVScrollBar,
                      KindProgressBar, KindTrackbar, KindUpDown});
    case PropVisibleItems: return k == KindComboBox;
    case PropDefault:
    case PropFontName: return false;
    default: return true; // the properties of every kind
    }
}

const wchar_t *ClassFor(int kind) {
    switch (kind) {
    case KindHScrollBar:
    case KindVScrollBar: return L"SCROLLBAR";
    case KindProgressBar: return PROGRESS_CLASSW;
    case KindTrackbar: return TRACKBAR_CLASSW;
    case KindUpDown: return UPDOWN_CLASSW;
    default: return L"STATIC";
    }
}

TEST(GetProperty, EachCodeAnswersForItsKindsOnly) {
    ObjectWindows windows;
    HWND frame = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 0, 0, 400, 300);
    WindowObject *objects[KindLink + 1];
    for (int kind = NoKind; kind <= KindLink; ++kind) {
        objects[kind] =
            windows.Make(ClassFor(kind), (ControlKind)kind, WS_CHILD, 0, 0, 40, 20, frame);
        // Fields read by one code for some kinds and not others, set so that
        // an answer cannot be taken for a refusal.
        objects[kind]->ParentHandle = frame;
        objects[kind]->Modal = (HWND)7;
    }
    for (int code = 0; code <= LastPropertyCode + 1; ++code)
        for (int kind = NoKind; kind <= KindLink; ++kind) {
            const int32_t value = GetProperty(objects[kind]->Handle, code);
            const bool answers =
                code >= PropAlign && code <= LastPropertyCode && Answers(code, kind);
            if (code == PropModal)
                EXPECT_EQ(value, In(kind, {KindDialog, KindWindow}) ? 7 : 0) << "kind " << kind;
            else if (code == PropParent)
                EXPECT_EQ(value, kind >= KindLabel ? (int32_t)(uintptr_t)frame : 0)
                    << "kind " << kind;
            else if (answers)
                EXPECT_NE(value, -1) << "code " << code << " kind " << kind;
            else
                EXPECT_EQ(value, -1) << "code " << code << " kind " << kind;
        }
    EXPECT_EQ(GetProperty(frame, PropKind), -1) << "no object";
    EXPECT_EQ(GetModal(frame), -1);
}

TEST(GetProperty, RangeControlsAreReadFromTheControl) {
    ObjectWindows windows;
    WindowObject *bar = windows.Make(L"SCROLLBAR", KindVScrollBar, SBS_VERT, 0, 0, 20, 100);
    bar->ScrollPage = 4;
    SetScrollRange(bar->Handle, SB_CTL, 3, 77, FALSE);
    SetScrollPos(bar->Handle, SB_CTL, 12, FALSE);
    EXPECT_EQ(GetMax(bar->Handle), 77);
    EXPECT_EQ(GetMin(bar->Handle), 3);
    EXPECT_EQ(GetValue(bar->Handle), 12);
    EXPECT_EQ(bar->Max, 77) << "the cache follows the control";
    EXPECT_EQ(GetLargeChange(bar->Handle), 4);

    WindowObject *spin = windows.Make(UPDOWN_CLASSW, KindUpDown, 0, 0, 0, 20, 20);
    SendMessageW(spin->Handle, UDM_SETRANGE, 0, MAKELONG(100, 0));
    SendMessageW(spin->Handle, UDM_SETPOS, 0, 42);
    EXPECT_EQ(GetMax(spin->Handle), 100);
    EXPECT_EQ(GetMin(spin->Handle), 0);
    EXPECT_EQ(GetValue(spin->Handle), 42);
    SendMessageW(spin->Handle, UDM_SETRANGE, 0, MAKELONG(10, -20));
    EXPECT_EQ(GetMin(spin->Handle), -20) << "the 16-bit limit keeps its sign";

    WindowObject *progress = windows.Make(PROGRESS_CLASSW, KindProgressBar, 0, 0, 0, 100, 20);
    SendMessageW(progress->Handle, PBM_SETRANGE32, 5, 60);
    SendMessageW(progress->Handle, PBM_SETPOS, 30, 0);
    EXPECT_EQ(GetMax(progress->Handle), 60);
    EXPECT_EQ(GetMin(progress->Handle), 5);
    EXPECT_EQ(GetValue(progress->Handle), 30);

    WindowObject *track = windows.Make(TRACKBAR_CLASSW, KindTrackbar, 0, 0, 0, 100, 30);
    SendMessageW(track->Handle, TBM_SETRANGE, FALSE, MAKELONG(2, 40));
    SendMessageW(track->Handle, TBM_SETPOS, FALSE, 9);
    EXPECT_EQ(GetMax(track->Handle), 40);
    EXPECT_EQ(GetMin(track->Handle), 2);
    EXPECT_EQ(GetValue(track->Handle), 9);
}

TEST(ComputedReaders, DefaultStateRectangleAndLayout) {
    ObjectWindows windows;
    WindowObject *frame =
        windows.Make(RecorderClass, KindWindow, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
    WindowObject *button =
        windows.Make(L"BUTTON", KindPushButton, WS_CHILD, 30, 45, 60, 15, frame->Handle);
    button->ParentHandle = frame->Handle;
    EXPECT_EQ(GetDefault(button->Handle), 0);
    frame->DefaultButton = button->Handle;
    EXPECT_EQ(GetDefault(button->Handle), 1);
    EXPECT_EQ(GetDefault(frame->Handle), 0) << "a window has no parent";

    button->ScaleMode = ScaleTwips;
    RECT rect;
    ASSERT_EQ(GetObjectRect(button->Handle, &rect), 1);
    EXPECT_EQ(rect.left, 30 * 15);
    EXPECT_EQ(rect.bottom, 60 * 15);

    EXPECT_EQ(GetRightToLeft(button->Handle), 0);
    HWND mirrored = windows.Create(L"STATIC", 0, 0, 0, 10, 10);
    SetWindowLongW(mirrored, GWL_EXSTYLE, WS_EX_LAYOUTRTL);
    EXPECT_EQ(GetRightToLeft(mirrored), 1) << "no object needed";
    EXPECT_EQ(GetWindowState(button->Handle), -1);

    ShowWindow(frame->Handle, SW_SHOWMAXIMIZED);
    EXPECT_EQ(GetWindowState(frame->Handle), 2);
    EXPECT_EQ(frame->WindowState, 2);
    ShowWindow(frame->Handle, SW_HIDE);
}

TEST(TextReaders, CopiedOrConvertedAndCutToTheBuffer) {
    ObjectWindows windows;
    TextFormScope wide(1);
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 40, 20, nullptr);
    SetWindowTextW(label->Handle, L"Caf\u00e9");
    wchar_t fontName[] = L"Tahoma";
    label->FontName = fontName; // an address, as the object keeps a heap text
    label->Name = L"lblCaf\u00e9";
    wchar_t wideBuffer[300];
    char ansi[300];
    EXPECT_EQ(GetFontNameW(label->Handle, wideBuffer), 6);
    EXPECT_STREQ(wideBuffer, L"Tahoma");
    EXPECT_EQ(GetFontNameA(label->Handle, ansi), 6);
    EXPECT_STREQ(ansi, "Tahoma");
    EXPECT_EQ(GetNameA(label->Handle, ansi), 7);
    EXPECT_STREQ(ansi, "lblCaf\xe9");
    EXPECT_EQ(GetText(label->Handle, wideBuffer), 4);
    EXPECT_STREQ(wideBuffer, L"Caf\u00e9");

    std::wstring longName(400, L'n');
    label->Name = longName.c_str();
    EXPECT_EQ(GetNameW(label->Handle, wideBuffer), ObjectNameChars - 1);
    EXPECT_EQ(GetNameA(label->Handle, ansi), ObjectNameChars - 1);
    label->FontName = nullptr;
    label->Name = nullptr;

    HWND foreign = windows.Create(L"STATIC", 0, 0, 0, 10, 10, nullptr, L"foreign");
    wideBuffer[0] = L'x';
    EXPECT_EQ(GetTextW(foreign, wideBuffer), 0);
    EXPECT_EQ(wideBuffer[0], L'x') << "the system is not asked";
    EXPECT_EQ(GetFontNameW(foreign, wideBuffer), 0);
    EXPECT_EQ(GetToolTip(foreign), 0u);
}

} // namespace
