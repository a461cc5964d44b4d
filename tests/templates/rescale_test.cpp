// A window laid out again for other dots per inch, as when it moves to a
// monitor of another scale and the system sends WM_DPICHANGED.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "runtime/library/sysinfo.h"
#include "runtime/properties/readers.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/object_table.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

enum { IndexLabel, IndexText, IndexButton, IndexGroup, IndexCheck, IndexStatus, Controls };

RECT RectInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), (POINT *)&r, 2);
    return r;
}

int FontHeight(HWND window) {
    LOGFONTW font = {};
    GetObjectW((HFONT)SendMessageW(window, WM_GETFONT, 0, 0), sizeof font, &font);
    return font.lfHeight;
}

// What the system suggests: the window's own rectangle grown by the ratio.
void ChangeDpi(HWND window, int from, int to) {
    RECT r;
    GetWindowRect(window, &r);
    r.right = r.left + MulDiv(r.right - r.left, to, from);
    r.bottom = r.top + MulDiv(r.bottom - r.top, to, from);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), (LPARAM)&r);
}

// The label's font as the event procedure found it on WM_DPICHANGED.
int HeardFontHeight;
LRESULT CALLBACK NotesTheLabelsFont(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_DPICHANGED)
        HeardFontHeight = FontHeight((HWND)GetControlHandle(window, ControlId(IndexLabel)));
    return 0;
}

// A window of a label, a text box, a button, a group holding a check box
// and a status bar docked at the bottom; twips when asked, with the same
// places and sizes.
struct Rescaled {
    explicit Rescaled(int scaleMode) : t(5) {
        const int factor = scaleMode == ScaleTwips ? 15 : 1;
        t.Window().FixedFontScale = 1;
        t.Window().EventProcedure = NotesTheLabelsFont;
        auto place = [&](WindowObject &e, int left, int top, int width, int height) {
            e.ScaleMode = scaleMode;
            e.Left = left * factor;
            e.Top = top * factor;
            e.Width = width * factor;
            e.Height = height * factor;
        };
        place(t.Add(KindLabel, IndexLabel, L"lblName", L"Name"), 11, 9, 57, 17);
        place(t.Add(KindTextBox, IndexText, L"txtName", L"text"), 73, 7, 151, 21);
        place(t.Add(KindPushButton, IndexButton, L"cmdGo", L"Go"), 231, 7, 75, 23);
        place(t.Add(KindGroupBox, IndexGroup, L"grpMore", L"More", 1), 9, 41, 297, 65);
        place(t.Add(KindCheckBox, IndexCheck, L"chkOne", L"One"), 13, 21, 141, 17);
        WindowObject &status = t.Add(KindStatusBar, IndexStatus, L"sbrStatus", L"Ready");
        status.Align = DockBottom;
        status.SimpleMode = 1;
        Window = (HWND)CreateFromTemplate(t.Finish(), nullptr, 0, nullptr);
    }
    ~Rescaled() {
        if (IsWindow(Window)) DestroyWindow(Window);
    }
    HWND Control(int index) { return (HWND)GetControlHandle(Window, ControlId(index)); }
    TemplateBuilder t;
    HWND Window;
};

TEST(DpiChange, ControlsFontsAndDockedBarsFollowAndReadersKeepTheirValues) {
    Rescaled window(ScalePixels);
    ASSERT_TRUE(IsWindow(window.Window));
    ASSERT_EQ(WindowDpi(window.Window), 96);
    std::vector<RECT> before;
    std::vector<int> fonts, fields;
    for (int i = 0; i < Controls; ++i) {
        const HWND control = window.Control(i);
        before.push_back(RectInParent(control));
        fonts.push_back(FontHeight(control));
        for (int code : {PropLeft, PropTop, PropWidth, PropHeight})
            fields.push_back(GetProperty(control, code));
    }
    const RECT statusBefore = before[IndexStatus];

    ChangeDpi(window.Window, 96, 192);
    EXPECT_EQ(WindowDpi(window.Window), 192);
    EXPECT_EQ(WindowDpi(window.Control(IndexCheck)), 192) << "a control inside a group";
    for (int i = 0; i < Controls; ++i) {
        SCOPED_TRACE(testing::Message() << "control " << i);
        const HWND control = window.Control(i);
        const RECT r = RectInParent(control);
        EXPECT_EQ(fonts[i] * 2, FontHeight(control));
        if (i == IndexStatus) continue;
        EXPECT_EQ(before[i].left * 2, r.left);
        EXPECT_EQ(before[i].top * 2, r.top);
        EXPECT_EQ((before[i].right - before[i].left) * 2, r.right - r.left);
        EXPECT_EQ((before[i].bottom - before[i].top) * 2, r.bottom - r.top);
    }
    EXPECT_EQ(fonts[IndexLabel] * 2, HeardFontHeight) << "the event procedure hears it after";
    RECT client;
    GetClientRect(window.Window, &client);
    const RECT status = RectInParent(window.Control(IndexStatus));
    EXPECT_EQ(client.bottom, status.bottom) << "the status bar stays docked";
    EXPECT_EQ(client.right, status.right - status.left);
    EXPECT_GT(status.bottom - status.top, statusBefore.bottom - statusBefore.top);

    ChangeDpi(window.Window, 192, 96);
    std::vector<int> after;
    for (int i = 0; i < Controls; ++i)
        for (int code : {PropLeft, PropTop, PropWidth, PropHeight})
            after.push_back(GetProperty(window.Control(i), code));
    EXPECT_EQ(fields, after);
    for (int i = IndexLabel; i < IndexStatus; ++i) {
        const RECT r = RectInParent(window.Control(i));
        EXPECT_TRUE(EqualRect(&before[i], &r)) << "control " << i << " is back where it was";
    }
}

TEST(DpiChange, AHundredChangesBackAndForthLeaveNoFontOrBrushBehind) {
    Rescaled window(ScalePixels);
    ASSERT_TRUE(IsWindow(window.Window));
    std::vector<HGDIOBJ> seen;
    for (int i = 0; i < 100; ++i) {
        const std::vector<HGDIOBJ> now = RuntimeGdiObjects(window.Window);
        seen.insert(seen.end(), now.begin(), now.end());
        ChangeDpi(window.Window, i % 2 ? 192 : 96, i % 2 ? 96 : 192);
    }
    const std::vector<HGDIOBJ> held = RuntimeGdiObjects(window.Window);
    ASSERT_FALSE(held.empty());
    std::vector<HGDIOBJ> released;
    for (HGDIOBJ object : seen)
        if (std::find(held.begin(), held.end(), object) == held.end()) released.push_back(object);
    EXPECT_GT(released.size(), 100u) << "every change makes its fonts anew";
    EXPECT_EQ(0, LiveGdiObjects(released));
}

TEST(DpiChange, TwipsAndPixelTemplatesAgreeAtEveryScale) {
    Rescaled pixels(ScalePixels), twips(ScaleTwips);
    ASSERT_TRUE(IsWindow(pixels.Window) && IsWindow(twips.Window));
    int from = 96;
    for (int dpi : {120, 144, 192}) {
        ChangeDpi(pixels.Window, from, dpi);
        ChangeDpi(twips.Window, from, dpi);
        from = dpi;
        for (int i = IndexLabel; i < IndexStatus; ++i) {
            const RECT a = RectInParent(pixels.Control(i)), b = RectInParent(twips.Control(i));
            EXPECT_TRUE(EqualRect(&a, &b)) << "control " << i << " at " << dpi;
            EXPECT_EQ(a.left, ToPixelsX(GetLeft(pixels.Control(i)), ScalePixels, dpi));
        }
    }
}

} // namespace
