// Owner-drawn push buttons, labels and images painted into memory device
// contexts and read back pixel by pixel.
#include <gtest/gtest.h>
#include <windows.h>
#include <tuple>

#include "runtime/templates/appearance.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/owner_drawn.h"
#include "runtime/painting/painting.h"
#include "runtime/painting/theme.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/canvas.h"
#include "tests/support/template_builder.h"

namespace {

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), Blue = RGB(0, 0, 255),
               Yellow = RGB(255, 255, 0), White = RGB(255, 255, 255), Black = RGB(0, 0, 0),
               Grey = RGB(128, 128, 128);

// A rectangle's edges, comparable and printable.
std::tuple<LONG, LONG, LONG, LONG> Box(LONG left, LONG top, LONG right, LONG bottom) {
    return {left, top, right, bottom};
}
std::tuple<LONG, LONG, LONG, LONG> Box(const RECT &r) {
    return {r.left, r.top, r.right, r.bottom};
}

struct BuiltWindow {
    HWND Handle;
    explicit BuiltWindow(TemplateBuilder &builder)
        : Handle((HWND)CreateFromTemplate(builder.Finish(), nullptr, 0, nullptr)) {}
    ~BuiltWindow() { DestroyWindow(Handle); }
    WindowObject *Control(int index) const {
        return ObjectFromHandle(GetDlgItem(Handle, ControlId(index)));
    }
};

// An owner-drawn button of 100 by 30 pixels with a yellow face and a blue
// caption in a large font, so that faces, frames and text tell apart.
WindowObject &AddButton(TemplateBuilder &builder, const wchar_t *caption) {
    WindowObject &button = builder.Add(KindPushButton, 0, L"btnOwner", caption);
    button.Style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    button.OwnerDrawn = 1;
    button.ShowFocus = 1;
    button.BackColorSetting = Yellow;
    button.ForeColorSetting = Blue;
    button.FontSize = 14;
    button.FontBold = 1;
    button.Width = 100;
    button.Height = 30;
    return button;
}

DRAWITEMSTRUCT ItemOn(const Canvas &canvas, const WindowObject *object, UINT state, int width = 100,
                      int height = 30) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = object->Handle;
    item.hDC = canvas.Dc();
    item.rcItem = {0, 0, width, height};
    return item;
}

TEST(ClassicButton, DefaultHasABlackFrameAroundARaisedEdge) {
    TemplateBuilder builder(1);
    AddButton(builder, L"OK").IsDefault = 1;
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    Canvas canvas(100, 30);
    const DRAWITEMSTRUCT item = ItemOn(canvas, button, 0);
    DrawButtonFace(button, &item, 1);
    EXPECT_EQ(Black, canvas.Pixel(0, 0));
    EXPECT_EQ(Black, canvas.Pixel(50, 29));
    EXPECT_EQ(White, canvas.Pixel(1, 1)) << "raised edge inside the default frame";
    EXPECT_EQ(Black, canvas.Pixel(98, 28));
    EXPECT_EQ(Grey, canvas.Pixel(97, 27));
    EXPECT_EQ(Yellow, canvas.Pixel(10, 15)) << "the face in the button's colour";
    EXPECT_GT(canvas.Count(Blue), 20) << "the caption in its colour";
}

TEST(FramePens, AnUnbalancedReleaseLeavesTheNextUseItsPens) {
    ASSERT_EQ(0, FramePenUses);
    ReleaseFramePens();
    AcquireFramePens();
    EXPECT_EQ((DWORD)OBJ_PEN, GetObjectType(FramePenDark));
    EXPECT_EQ((DWORD)OBJ_PEN, GetObjectType(FramePenLight));
    ReleaseFramePens();
    EXPECT_EQ(0, FramePenUses);
}

TEST(ClassicButton, PressedShowsAGreyFrameAndMovesTheCaptionByOnePixel) {
    TemplateBuilder builder(1);
    AddButton(builder, L"OK");
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    Canvas up(100, 30), down(100, 30);
    DRAWITEMSTRUCT item = ItemOn(up, button, 0);
    DrawButtonFace(button, &item, 1);
    item = ItemOn(down, button, ODS_SELECTED);
    DrawButtonFace(button, &item, 1);
    EXPECT_EQ(White, up.Pixel(0, 0));
    EXPECT_EQ(Grey, down.Pixel(0, 0));
    EXPECT_EQ(Grey, down.Pixel(99, 29));
    const RECT at = up.Extent(Blue), pressed = down.Extent(Blue);
    ASSERT_FALSE(IsRectEmpty(&at));
    EXPECT_EQ(at.left + 1, pressed.left);
    EXPECT_EQ(at.top + 1, pressed.top);
}

TEST(ClassicButton, FocusRectangleFourPixelsInsideOnlyWithShowFocus) {
    TemplateBuilder builder(1);
    AddButton(builder, L"").IsDefault = 1;
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    const RECT column = {4, 4, 5, 26};
    Canvas shown(100, 30);
    DRAWITEMSTRUCT item = ItemOn(shown, button, ODS_FOCUS);
    DrawButtonFace(button, &item, 1);
    EXPECT_GT(22 - shown.Count(Yellow, column), 5) << "dots on the face's column 4";
    EXPECT_EQ(21, shown.Count(Yellow, {5, 5, 6, 26}));
    button->ShowFocus = 0;
    Canvas hidden(100, 30);
    item = ItemOn(hidden, button, ODS_FOCUS);
    DrawButtonFace(button, &item, 1);
    EXPECT_EQ(22, hidden.Count(Yellow, column));
}

TEST(ThemedButton, HotUnlessPressedAndDefaultedWithTheFocus) {
    WindowObject button = {};
    button.Enabled = 1;
    EXPECT_EQ(ButtonNormal, ThemedButtonState(&button, 0, false));
    EXPECT_EQ(ButtonHot, ThemedButtonState(&button, ODS_FOCUS, true));
    EXPECT_EQ(ButtonPressed, ThemedButtonState(&button, ODS_SELECTED | ODS_FOCUS, true));
    EXPECT_EQ(ButtonDefaulted, ThemedButtonState(&button, ODS_FOCUS, false));
    button.IsDefault = 1;
    EXPECT_EQ(ButtonDefaulted, ThemedButtonState(&button, 0, false));
    button.Enabled = 0;
    EXPECT_EQ(ButtonNormal, ThemedButtonState(&button, 0, false));
}

TEST(OwnerButton, DrawnInTheSystemsVisualStyle) {
    TemplateBuilder builder(1);
    AddButton(builder, L"OK").IsDefault = 1;
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    const int manifest = HasManifest;
    HasManifest = 1;
    LoadThemeLibrary();
    ASSERT_NE(nullptr, ThemeTable.Library);
    Canvas canvas(100, 30, Green);
    const DRAWITEMSTRUCT item = ItemOn(canvas, button, 0);
    EXPECT_EQ(1, DrawOwnerButton(&item, nullptr));
    ReleaseThemeLibrary();
    HasManifest = manifest;
    EXPECT_EQ(nullptr, ThemeTable.Library) << "released, the table is empty: classic drawing";
    EXPECT_EQ(nullptr, ThemeTable.OpenThemeData);
    EXPECT_LT(canvas.Count(Green), 10) << "the style's face covers the item";
    EXPECT_EQ(0, canvas.Count(Yellow)) << "not the classic face";
    EXPECT_GT(canvas.Count(Blue), 20) << "the caption in its colour";
}

TEST(ButtonFace, DisabledCaptionIsEmbossedWhiteUnderGrey) {
    TemplateBuilder builder(1);
    AddButton(builder, L"OK").Enabled = 0;
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    // Without the classic face and frame only the caption is drawn.
    Canvas canvas(100, 30, Yellow);
    const DRAWITEMSTRUCT item = ItemOn(canvas, button, 0);
    DrawButtonFace(button, &item, 0);
    EXPECT_EQ(0, canvas.Count(Blue)) << "not in the caption's colour";
    const RECT white = canvas.Extent(White), grey = canvas.Extent(Grey);
    ASSERT_FALSE(IsRectEmpty(&white));
    ASSERT_FALSE(IsRectEmpty(&grey));
    EXPECT_GT(white.left, grey.left) << "the white copy lies right of the grey text";
    EXPECT_GT(white.top, grey.top) << "and below it";
}

TEST(ButtonFace, CaptionIsCentredOnOneLineOrWrappedAndCentredAsABlock) {
    for (int multiLine : {0, 1}) {
        TemplateBuilder builder(1);
        WindowObject &entry = AddButton(builder, L"One two three four");
        entry.MultiLine = multiLine;
        entry.Height = 80;
        BuiltWindow window(builder);
        WindowObject *button = window.Control(0);
        ASSERT_NE(nullptr, button);
        Canvas canvas(100, 80);
        const DRAWITEMSTRUCT item = ItemOn(canvas, button, 0, 100, 80);
        DrawButtonFace(button, &item, 1);
        const RECT text = canvas.Extent(Blue);
        ASSERT_FALSE(IsRectEmpty(&text)) << multiLine;
        EXPECT_NEAR(80, text.top + text.bottom, 4) << multiLine << ": centred vertically";
        const int lines = (text.bottom - text.top) > 30 ? 2 : 1;
        EXPECT_EQ(multiLine ? 2 : 1, lines) << "wrapped only when multi-line";
    }
}

// A 16-pixel red square as the button's bitmap.
HBITMAP RedSquare() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH red = CreateSolidBrush(Red);
    RECT all = {0, 0, 16, 16};
    FillRect(memory, &all, red);
    DeleteObject(red);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(ButtonFace, ImageLeftOfTheCaptionBothCentredWithAnEightPixelGap) {
    TemplateBuilder builder(1);
    AddButton(builder, L"Go").PicturePosition = ImageLeft;
    BuiltWindow window(builder);
    WindowObject *button = window.Control(0);
    ASSERT_NE(nullptr, button);
    ASSERT_EQ(1, ChangePicture(button, button->Handle, (uintptr_t)RedSquare()));
    Canvas canvas(100, 30);
    const DRAWITEMSTRUCT item = ItemOn(canvas, button, 0);
    DrawButtonFace(button, &item, 1);
    const RECT image = canvas.Extent(Red), text = canvas.Extent(Blue);
    ASSERT_EQ(16, image.right - image.left);
    EXPECT_EQ(7, image.top) << "centred vertically";
    EXPECT_GE(text.left - image.right, 8);
    EXPECT_LE(text.left - image.right, 10);
    EXPECT_NEAR(100, image.left + text.right, 3) << "image and caption centred together";
}

TEST(OwnerStatic, TransparentLabelLeavesTheBackgroundBehindItsText) {
    TemplateBuilder builder(2);
    WindowObject &clear = builder.Add(KindLabel, 0, L"lblClear", L"Clear");
    clear.Style |= SS_OWNERDRAW;
    clear.Transparent = 1;
    clear.ForeColorSetting = Red;
    clear.FontSize = 14;
    WindowObject &filled = builder.Add(KindLabel, 1, L"lblFilled", L"Filled");
    filled.Style |= SS_OWNERDRAW;
    filled.BackColorSetting = Blue;
    filled.ForeColorSetting = Red;
    BuiltWindow window(builder);
    ASSERT_NE(nullptr, window.Control(1));
    const RECT area = {0, 0, 100, 30};
    Canvas canvas(100, 30, Green);
    EXPECT_EQ(1, DrawOwnerStatic(window.Control(0)->Handle, canvas.Dc(), &area));
    EXPECT_GT(canvas.Count(Red), 20);
    EXPECT_GT(canvas.Count(Green), 100 * 30 / 2) << "the background shows around the text";
    EXPECT_EQ(0, canvas.Count(Blue));
    EXPECT_EQ(0, canvas.Count(White)) << "no box behind the glyphs";
    Canvas other(100, 30, Green);
    DrawOwnerStatic(window.Control(1)->Handle, other.Dc(), &area);
    EXPECT_EQ(0, other.Count(Green)) << "an opaque label fills its rectangle";
    EXPECT_GT(other.Count(Red), 10);
    EXPECT_EQ(0, DrawOwnerStatic(GetDesktopWindow(), other.Dc(), &area)) << "not a runtime label";
}

TEST(OwnerStatic, ImageIsCentredOrStretchedToTheControl) {
    TemplateBuilder builder(2);
    for (int i = 0; i < 2; ++i) {
        WindowObject &image = builder.Add(KindImage, i, i ? L"imgStretched" : L"imgCentred", L"");
        image.Style |= SS_OWNERDRAW;
        image.Picture = 201; // red, green and blue squares of 16 pixels
        image.Stretch = i;
        image.BackColorSetting = White;
    }
    BuiltWindow window(builder);
    ASSERT_NE(nullptr, window.Control(1));
    const RECT area = {0, 0, 64, 64};
    Canvas centred(64, 64, Black), stretched(64, 64, Black);
    DrawOwnerStatic(window.Control(0)->Handle, centred.Dc(), &area);
    DrawOwnerStatic(window.Control(1)->Handle, stretched.Dc(), &area);
    EXPECT_EQ(Box(8, 24, 24, 40), Box(centred.Extent(Red)));
    EXPECT_EQ(White, centred.Pixel(2, 2));
    EXPECT_EQ(Box(0, 0, 21, 64), Box(stretched.Extent(Red))) << "a third of the width, all height";
    EXPECT_EQ(Blue, stretched.Pixel(60, 60));
}

} // namespace
