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
bool Windows(int k) {
    return k <= 3;
}
bool Fonts(int k) {
    return !In(k, {2, 13, 14, 15});
}

// Whether a kind answers a code, as the property table lists it.
bool Answers(int code, int k) {
    switch (code) {
    case 1: return In(k, {12, 19, 20, 34});
    case 2: return In(k, {4, 12});
    case 4:
    case 9:
    case 37: return k == 7;
    case 5: return In(k, {5, 11});
    case 10:
    case 11: return In(k, {3, 12});
    case 13: return k == 12;
    case 14:
    case 15:
    case 16:
    case 18:
    case 19:
    case 20:
    case 21: return Fonts(k);
    case 23:
    case 24:
    case 41:
    case 46: return Windows(k);
    case 26:
    case 30: return In(k, {14, 15, 21, 22, 24});
    case 27:
    case 35: return k == 5;
    case 28: return k == 3;
    case 29: return k == 2;
    case 32: return In(k, {5, 7, 8, 9, 16});
    case 33:
    case 42: return k == 4;
    case 34: return In(k, {14, 15});
    case 36: return Windows(k) || In(k, {7, 12, 13});
    case 38: return !In(k, {13, 14, 15});
    case 39: return In(k, {0, 2, 3, 12});
    case 40: return In(k, {0, 2, 3, 5});
    case 43: return k >= 4;
    case 44: return !In(k, {4, 6, 13});
    case 45: return k >= 4 && !In(k, {13, 14, 15});
    case 49: return In(k, {8, 9, 14, 15, 21, 22, 24});
    case 51: return k == 11;
    case 8:
    case 17: return false;
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
    WindowObject *objects[37];
    for (int kind = 0; kind <= 36; ++kind) {
        objects[kind] =
            windows.Make(ClassFor(kind), (ControlKind)kind, WS_CHILD, 0, 0, 40, 20, frame);
        // Fields read by one code for some kinds and not others, set so that
        // an answer cannot be taken for a refusal.
        objects[kind]->ParentHandle = frame;
        objects[kind]->Modal = (HWND)7;
    }
    for (int code = 0; code <= 54; ++code)
        for (int kind = 0; kind <= 36; ++kind) {
            const int32_t value = GetProperty(objects[kind]->Handle, code);
            const bool answers = code >= 1 && code <= 53 && Answers(code, kind);
            if (code == 31)
                EXPECT_EQ(value, In(kind, {1, 3}) ? 7 : 0) << "kind " << kind;
            else if (code == 53)
                EXPECT_EQ(value, kind >= 4 ? (int32_t)(uintptr_t)frame : 0) << "kind " << kind;
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
    EXPECT_EQ(rect.left, FromPixelsX(30, ScaleTwips));
    EXPECT_EQ(rect.bottom, FromPixelsY(60, ScaleTwips));

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
    EXPECT_EQ(GetNameW(label->Handle, wideBuffer), NameChars - 1);
    EXPECT_EQ(GetNameA(label->Handle, ansi), NameChars - 1);
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
