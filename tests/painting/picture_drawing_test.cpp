// Text printed and shapes drawn onto picture boxes and windows, read back
// from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "runtime/templates/create_from_template.h"
#include "runtime/painting/picture_drawing.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/import_hook.h"
#include "tests/support/template_builder.h"
#include "tests/support/test_support.h"

namespace {

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255),
               White = RGB(255, 255, 255);

// A runtime window of the builder's template, shown without activation
// and painted, so that what is drawn reaches the screen.
struct ShownWindow {
    HWND Handle;
    explicit ShownWindow(TemplateBuilder &builder)
        : Handle((HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr)) {
        ShowWindow(Handle, SW_SHOWNOACTIVATE);
        RedrawWindow(Handle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    ~ShownWindow() {
        ShowWindow(Handle, SW_HIDE);
        DestroyWindow(Handle);
    }
};

// White, with red text and pen in a large font.
void Paintable(WindowObject &entry) {
    entry.BackColorSetting = White;
    entry.ForeColorSetting = Red;
    entry.FontSize = 16;
    entry.FontBold = 1;
    entry.PenWidth = 1;
}

class OnPicture : public testing::TestWithParam<int> {};

TEST_P(OnPicture, PrintedTextAndShapesAppearWhereTheyAreDrawn) {
    TemplateBuilder builder(1);
    WindowObject &box = builder.Add(KindPictureBox, 0, L"picDraw", L"");
    Paintable(box);
    box.DoubleBuffer = GetParam();
    box.Left = box.Top = 0;
    box.Width = 160;
    box.Height = 90;
    ShownWindow window(builder);
    HWND picture = GetDlgItem(window.Handle, ControlId(0));
    ASSERT_TRUE(picture);
    ASSERT_EQ(1, SetTextX(picture, 10));
    ASSERT_EQ(1, SetTextY(picture, 4));
    EXPECT_EQ(10, GetTextX(picture));
    EXPECT_EQ(4, GetTextY(picture));
    EXPECT_EQ(1, PrintTextA(picture, "Text"));
    EXPECT_EQ(1, DrawEllipse(picture, 80, 30, 150, 86, Blue));
    EXPECT_EQ(1, DrawShape(picture, 4, 40, 60, 86, 1, Green));
    EXPECT_EQ(1, DrawShape(picture, 0, 88, 159, 88, 0, -1));
    Canvas canvas(160, 90);
    canvas.CopyFrom(picture);
    const RECT text = {0, 0, 160, 30};
    EXPECT_GT(canvas.Count(Red, text), 30) << "the printed text";
    EXPECT_EQ(0, canvas.Count(Red, {0, 0, 9, 30})) << "nothing left of the text position";
    EXPECT_EQ(Blue, canvas.Pixel(115, 58)) << "the ellipse's inside";
    EXPECT_EQ(White, canvas.Pixel(82, 32)) << "the corner outside the ellipse";
    EXPECT_EQ(Red, canvas.Pixel(4, 60)) << "the rectangle's outline in the pen";
    EXPECT_EQ(Green, canvas.Pixel(30, 60));
    EXPECT_EQ(Red, canvas.Pixel(40, 88)) << "the line";
    EXPECT_EQ(nullptr, ObjectFromHandle(picture)->PrintedText) << "held only while it repaints";
    // A text of the other form prints the same, converted first.
    const int printed = canvas.Count(Red, text);
    for (int wide : {0, 1}) {
        TextFormScope form(wide);
        EXPECT_EQ(1, wide ? PrintTextA(picture, "Text") : PrintTextW(picture, L"Text"));
        Canvas again(160, 90);
        again.CopyFrom(picture);
        EXPECT_EQ(printed, again.Count(Red, text)) << wide;
    }
}

INSTANTIATE_TEST_SUITE_P(DirectAndDoubleBuffered, OnPicture, testing::Values(0, 1));

// What the drawing routines take from the system and give back.
// The hooks call the system's functions by address: this program's own
// imports lead back to the hooks.
int ContextsTaken, ContextsGiven;
std::set<HGDIOBJ> BrushesMade;
template <class Function> Function SystemFunction(const char *module, const char *name) {
    return (Function)GetProcAddress(GetModuleHandleA(module), name);
}
HDC WINAPI CountedGetDC(HWND window) {
    ++ContextsTaken;
    static const auto real = SystemFunction<decltype(&GetDC)>("user32.dll", "GetDC");
    return real(window);
}
int WINAPI CountedReleaseDC(HWND window, HDC dc) {
    ++ContextsGiven;
    static const auto real = SystemFunction<decltype(&ReleaseDC)>("user32.dll", "ReleaseDC");
    return real(window, dc);
}
HBRUSH WINAPI RecordedCreateSolidBrush(COLORREF colour) {
    static const auto real =
        SystemFunction<decltype(&CreateSolidBrush)>("gdi32.dll", "CreateSolidBrush");
    HBRUSH brush = real(colour);
    BrushesMade.insert(brush);
    return brush;
}
BOOL WINAPI RecordedDeleteObject(HGDIOBJ object) {
    BrushesMade.erase(object);
    static const auto real = SystemFunction<decltype(&DeleteObject)>("gdi32.dll", "DeleteObject");
    return real(object);
}

TEST(OnPictureShapes, GiveBackTheContextAndTheFillBrushTheyTook) {
    TemplateBuilder builder(1);
    Paintable(builder.Add(KindPictureBox, 0, L"picShapes", L""));
    ShownWindow window(builder);
    HWND picture = GetDlgItem(window.Handle, ControlId(0));
    ASSERT_TRUE(picture);
    ContextsTaken = ContextsGiven = 0;
    BrushesMade.clear();
    {
        ImportHook getDc("user32.dll", "GetDC", (void *)CountedGetDC);
        ImportHook releaseDc("user32.dll", "ReleaseDC", (void *)CountedReleaseDC);
        ImportHook brushes("gdi32.dll", "CreateSolidBrush", (void *)RecordedCreateSolidBrush);
        ImportHook deletes("gdi32.dll", "DeleteObject", (void *)RecordedDeleteObject);
        ASSERT_TRUE(getDc.Patched && releaseDc.Patched && brushes.Patched && deletes.Patched);
        for (int32_t fill : {(int32_t)Blue, NoColour}) {
            EXPECT_EQ(1, DrawShape(picture, 2, 2, 40, 40, 1, fill));
            EXPECT_EQ(1, DrawShape(picture, 0, 50, 60, 50, 0, fill));
            EXPECT_EQ(1, DrawEllipse(picture, 50, 2, 90, 40, fill));
        }
    }
    EXPECT_EQ(ContextsTaken, 6);
    EXPECT_EQ(ContextsGiven, ContextsTaken);
    EXPECT_TRUE(BrushesMade.empty()) << BrushesMade.size() << " fill brushes kept";
}

TEST(OnWindow, TextPrintedAtItsPositionWhichLeavesKeyPreviewAlone) {
    TemplateBuilder builder(1);
    Paintable(builder.Window());
    builder.Add(KindLabel, 0, L"lblOther", L"");
    ShownWindow window(builder);
    WindowObject *object = ObjectFromHandle(window.Handle);
    ASSERT_NE(nullptr, object);
    ASSERT_EQ(1, SetTextX(window.Handle, 200));
    ASSERT_EQ(1, SetTextY(window.Handle, 100));
    EXPECT_EQ(0, object->KeyPreview);
    EXPECT_EQ(1, PrintTextW(window.Handle, L"Hi"));
    Canvas canvas(400, 200);
    canvas.CopyFrom(window.Handle);
    const RECT printed = canvas.Extent(Red);
    EXPECT_GE(printed.left, 200);
    EXPECT_LE(printed.left, 204);
    EXPECT_GE(printed.top, 100);
    EXPECT_GT(printed.bottom - printed.top, 14) << "in the window's large font";

    EXPECT_EQ(0, PrintText(window.Handle, nullptr));
    EXPECT_EQ(0, SetTextX(window.Handle, 40000)) << "beyond a 16-bit position";
    HWND label = GetDlgItem(window.Handle, ControlId(0));
    EXPECT_EQ(0, SetTextX(label, 1));
    EXPECT_EQ(-1, GetTextX(label));
    EXPECT_EQ(0, DrawEllipse(label, 0, 0, 5, 5, -1));
    object->ScaleMode = 1; // twips
    ASSERT_EQ(1, SetTextX(window.Handle, 1500));
    EXPECT_EQ(1500 / (int)TwipsPerPixelX, GetTextX(window.Handle));
}

} // namespace
