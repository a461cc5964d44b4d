// Painting of picture boxes, window backgrounds and group captions, read
// back pixel by pixel from memory device contexts and from the screen.
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>

#include "runtime/properties/properties.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/painting.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/template_builder.h"

namespace {

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255),
               Yellow = RGB(255, 255, 0), White = RGB(255, 255, 255), Black = RGB(0, 0, 0),
               Grey = RGB(128, 128, 128), Teal = RGB(0, 128, 128);

bool SameRect(const RECT &a, const RECT &b) {
    return EqualRect(&a, &b) != 0;
}

// A hidden runtime window of the builder's template, destroyed at the end.
struct BuiltWindow {
    HWND Handle;
    explicit BuiltWindow(TemplateBuilder &builder)
        : Handle((HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr)) {}
    ~BuiltWindow() {
        ShowWindow(Handle, SW_HIDE);
        DestroyWindow(Handle);
    }
    WindowObject *Control(int index) const {
        return ObjectFromHandle(GetDlgItem(Handle, ControlId(index)));
    }
};

// The three 16-pixel squares of bitmap 201 (red, green, blue) at the top left.
void ExpectStripAtOrigin(const Canvas &canvas) {
    EXPECT_EQ(Red, canvas.Pixel(8, 8));
    EXPECT_EQ(Green, canvas.Pixel(24, 8));
    EXPECT_EQ(Blue, canvas.Pixel(40, 8));
}

TEST(PictureBox, PaintsItsBackColourThenItsPicture) {
    TemplateBuilder builder(1);
    WindowObject &box = builder.Add(KindPictureBox, 0, L"picStrip", L"Hi");
    box.BackColorSetting = Yellow;
    box.ForeColorSetting = Teal;
    box.Picture = 201;
    box.Width = 80;
    box.Height = 24;
    BuiltWindow window(builder);
    ASSERT_NE(nullptr, window.Control(0));
    Canvas canvas(80, 24);
    PaintPicture(window.Control(0), canvas.Dc(), 1, 0);
    ExpectStripAtOrigin(canvas);
    EXPECT_EQ(Yellow, canvas.Pixel(8, 20)) << "below the picture";
    EXPECT_EQ(Yellow, canvas.Pixel(79, 4)) << "right of the picture";
    EXPECT_EQ(0, canvas.Count(White));
    EXPECT_EQ(0, canvas.Count(Teal)) << "the text is drawn at the paint, not the erase";
    // The paint draws only the text, and leaves the context's own font.
    Canvas text(80, 24);
    const HGDIOBJ font = GetCurrentObject(text.Dc(), OBJ_FONT);
    PaintPicture(window.Control(0), text.Dc(), 0, 1);
    EXPECT_GT(text.Count(Teal), 5);
    EXPECT_EQ(0, text.Count(Yellow));
    EXPECT_EQ(font, GetCurrentObject(text.Dc(), OBJ_FONT));
}

TEST(WindowBackground, BackColourAroundThePictureAtTheTopLeft) {
    TemplateBuilder builder(0);
    builder.Window().BackColorSetting = Yellow;
    builder.Window().Picture = 201;
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    Canvas canvas(100, 40);
    EXPECT_EQ(1,
              EraseWindowBackground(ObjectFromHandle(window.Handle), window.Handle, canvas.Dc()));
    ExpectStripAtOrigin(canvas);
    EXPECT_EQ(Yellow, canvas.Pixel(60, 8));
    EXPECT_EQ(Yellow, canvas.Pixel(8, 30));
    EXPECT_EQ(Yellow, canvas.Pixel(99, 39));
    EXPECT_EQ(0, canvas.Count(White));
}

TEST(WindowBackground, SmallIconAtItsOwnSizeWithTheColourAroundIt) {
    // Black on the left half, transparent on the right.
    std::vector<BYTE> mask, black(2 * 16, 0x00);
    for (int row = 0; row < 16; ++row)
        mask.insert(mask.end(), {0x00, 0xFF});
    HICON icon = CreateIcon(nullptr, 16, 16, 1, 1, mask.data(), black.data());
    ASSERT_NE(nullptr, icon);
    TemplateBuilder builder(0);
    builder.Window().BackColorSetting = Yellow;
    builder.Window().Picture = (ImageRef)icon; // the window owns it from here
    BuiltWindow window(builder);
    ASSERT_TRUE(IsWindow(window.Handle));
    Canvas canvas(100, 40);
    EraseWindowBackground(ObjectFromHandle(window.Handle), window.Handle, canvas.Dc());
    EXPECT_TRUE(SameRect(RECT{0, 0, 8, 16}, canvas.Extent(Black)));
    EXPECT_EQ(8 * 16, canvas.Count(Black));
    EXPECT_EQ(100 * 40 - 8 * 16, canvas.Count(Yellow)) << "the colour under the icon too";
}

// A framed group with a large bold caption in red on blue.
void AddCaptionedGroup(TemplateBuilder &builder, int fontSize = 20, int alignment = TextAlignLeft) {
    WindowObject &group = builder.Add(KindGroupBox, 0, L"fraOptions", L"&Options");
    group.Alignment = alignment;
    group.ShowFrame = 1;
    group.ForeColorSetting = Red;
    group.BackColorSetting = Blue;
    group.FontSize = fontSize;
    group.FontBold = 1;
    group.Width = 200;
    group.Height = 80;
}

// The caption's text is red, taller than any text of the default font.
void ExpectLargeRedCaption(const Canvas &canvas, const WindowObject *group) {
    TEXTMETRICW standard;
    GetTextMetricsW(canvas.Dc(), &standard); // the context's default font
    const RECT text = canvas.Extent(Red);
    ASSERT_FALSE(IsRectEmpty(&text)) << "no caption in the group's colour";
    EXPECT_GT(text.bottom - text.top, standard.tmHeight) << "not in the group's font";
    EXPECT_LE(text.bottom, group->CaptionHeight + 2);
}

TEST(GroupCaption, PaintedInTheGroupsColoursAndFontOverTheFrameAtItsAlignment) {
    for (int alignment : {TextAlignLeft, TextAlignCentre, TextAlignRight}) {
        SCOPED_TRACE(alignment);
        TemplateBuilder builder(1);
        AddCaptionedGroup(builder, 20, alignment);
        BuiltWindow window(builder);
        WindowObject *group = window.Control(0);
        ASSERT_NE(nullptr, group);
        Canvas canvas(200, 80);
        const HGDIOBJ brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH),
                      font = GetCurrentObject(canvas.Dc(), OBJ_FONT);
        PaintGroupCaption(group, canvas.Dc());
        EXPECT_EQ(brush, GetCurrentObject(canvas.Dc(), OBJ_BRUSH)) << "the context's own";
        EXPECT_EQ(font, GetCurrentObject(canvas.Dc(), OBJ_FONT));
        ExpectLargeRedCaption(canvas, group);
        const int width = group->CaptionWidth;
        RECT caption = {group->CaptionLeft - 2, 0, group->CaptionLeft + width,
                        group->CaptionHeight + 2};
        if (alignment == TextAlignCentre)
            caption.left = 100 - width / 2, caption.right = caption.left + width + 3;
        if (alignment == TextAlignRight) caption.left = 200 - width - 7, caption.right = 195;
        EXPECT_TRUE(SameRect(caption, canvas.Extent(Blue))) << "the caption's box is filled";
        EXPECT_EQ(0, canvas.Count(White, caption));
        EXPECT_EQ(canvas.Count(White),
                  200 * 80 - (caption.right - caption.left) * (caption.bottom - caption.top))
            << "nothing is painted outside the caption";
    }
}

// The caption painted into a canvas: where its red text lies.
RECT PaintedCaptionText(WindowObject *group) {
    Canvas canvas(200, 80);
    PaintGroupCaption(group, canvas.Dc());
    return canvas.Extent(Red);
}

TEST(GroupCaption, MeasuredAgainWhenTheFontChangesOutsideADialog) {
    TemplateBuilder builder(1), larger(1);
    AddCaptionedGroup(builder);
    AddCaptionedGroup(larger, 28);
    BuiltWindow window(builder), built(larger);
    WindowObject *group = window.Control(0), *expected = built.Control(0);
    ASSERT_NE(nullptr, group);
    ASSERT_NE(nullptr, expected);
    const int before = group->CaptionWidth;
    SetFontSize(group->Handle, 28);
    EXPECT_GT(group->CaptionWidth, before);
    EXPECT_EQ(expected->CaptionWidth, group->CaptionWidth);
    EXPECT_TRUE(SameRect(PaintedCaptionText(expected), PaintedCaptionText(group)))
        << "the whole caption in the group's colour";
}

TEST(GroupCaption, DisabledIsEmbossedWhiteUnderGreyWithEveryLetter) {
    TemplateBuilder builder(1);
    AddCaptionedGroup(builder);
    BuiltWindow window(builder);
    WindowObject *group = window.Control(0);
    ASSERT_NE(nullptr, group);
    const RECT enabled = PaintedCaptionText(group);
    SetEnabled(group->Handle, 0);
    Canvas canvas(200, 80, Green);
    PaintGroupCaption(group, canvas.Dc());
    const RECT grey = canvas.Extent(Grey), light = canvas.Extent(White);
    EXPECT_TRUE(SameRect(enabled, grey)) << "the grey text where the enabled text is, all of it";
    EXPECT_EQ(grey.right + 2, light.right) << "the white copy two pixels right";
    EXPECT_EQ(grey.bottom + 2, light.bottom) << "and two down";
    EXPECT_EQ(0, canvas.Count(Red));
}

TEST(GroupCaption, RepaintedOnScreenInTheGroupsColoursAndFont) {
    TemplateBuilder builder(1);
    AddCaptionedGroup(builder);
    BuiltWindow window(builder);
    WindowObject *group = window.Control(0);
    ASSERT_NE(nullptr, group);
    ShowWindow(window.Handle, SW_SHOWNOACTIVATE);
    RedrawWindow(window.Handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Canvas canvas(200, 80);
    canvas.CopyFrom(group->Handle);
    ExpectLargeRedCaption(canvas, group);
}

} // namespace
