// Text printed and shapes drawn onto picture boxes and windows, read back
// from the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/templates/create_from_template.h"
#include "runtime/painting/picture_drawing.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
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
