// Fonts, colours and images from template fields.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

#include "runtime/startup/startup.h"
#include "runtime/templates/appearance.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/window_object.h"
#include "tests/support/object_windows.h"

namespace {

TEST(FontHeight, PointSizesRoundHalfUpAtTheScreenResolution) {
    EXPECT_EQ(FontHeightForSize(144, 8, 108), -11) << "fixed scale at 144 dpi";
    EXPECT_EQ(FontHeightForSize(96, 9, 72), -12);
    EXPECT_EQ(FontHeightForSize(120, 9, 72), -15);
    EXPECT_EQ(FontHeightForSize(96, 8, 72), -11) << "10.67 rounds up";
    EXPECT_EQ(FontHeightForSize(96, 7, 72), -9) << "9.33 rounds down";
}

TEST(FontHeight, FixedScaleKeepsItsProportionToTheLayout) {
    // 9 points are 12 layout pixels on a 96-dpi screen, grown with the layout.
    EXPECT_EQ(FontHeightAtDpi(9, 1, 96), -12);
    EXPECT_EQ(FontHeightAtDpi(9, 1, 144), -18);
    EXPECT_EQ(FontHeightAtDpi(9, 1, 192), -24);
    EXPECT_EQ(FontHeightAtDpi(8, 1, 144), -16) << "11 layout pixels at 1.5";
    EXPECT_EQ(FontHeightAtDpi(8, 0, 96), -11);
    EXPECT_EQ(FontHeightAtDpi(9, 0, 120), -15) << "without fixed scale: the points at dpi";
}

int CALLBACK KeepFirstTrueTypeFace(const LOGFONTA *font, const TEXTMETRICA *, DWORD type,
                                   LPARAM found) {
    if (!(type & TRUETYPE_FONTTYPE) || font->lfFaceName[0] == '@') return 1;
    lstrcpynA((char *)found, font->lfFaceName, LF_FACESIZE);
    return 0;
}

// A TrueType face that this system has, so that asking for it must give it.
std::string InstalledFace(HDC dc) {
    char face[LF_FACESIZE] = {};
    LOGFONTA any = {};
    any.lfCharSet = ANSI_CHARSET;
    EnumFontFamiliesExA(dc, &any, KeepFirstTrueTypeFace, (LPARAM)face, 0);
    return face;
}

TEST(Fonts, CreatedWithTheFaceWeightAndStylesAsked) {
    ObjectWindows windows;
    HWND window = windows.Create(RecorderClass, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100);
    HDC dc = GetDC(window);
    const std::string wanted = InstalledFace(dc);
    ASSERT_FALSE(wanted.empty());
    WindowObject fields = {};
    fields.FontSize = 9;
    fields.FontBold = 1;
    fields.FontItalic = 1;
    fields.FontStrikeOut = 1;
    fields.FontName = const_cast<char *>(wanted.c_str());
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT font = CreateFontFromFields(&fields, 0, dpi);
    ASSERT_NE(font, nullptr);
    LOGFONTA asked;
    ASSERT_EQ(GetObjectA(font, sizeof asked, &asked), (int)sizeof asked);
    EXPECT_EQ(asked.lfHeight, FontHeightForSize(dpi, 9, 72));
    EXPECT_EQ(asked.lfCharSet, ANSI_CHARSET);
    HGDIOBJ previous = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    DeleteObject(font);
    EXPECT_EQ(face, wanted);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    EXPECT_TRUE(metrics.tmItalic);
    EXPECT_TRUE(metrics.tmStruckOut);
    EXPECT_FALSE(metrics.tmUnderlined);

    WindowObject screenFields = {};
    screenFields.FontSize = 12;
    screenFields.FontUnderline = 1;
    screenFields.FontName = const_cast<char *>(wanted.c_str());
    HFONT screenFont = CreateFontFromFields(&screenFields, 1, 192);
    ASSERT_EQ(GetObjectA(screenFont, sizeof asked, &asked), (int)sizeof asked);
    DeleteObject(screenFont);
    EXPECT_EQ(asked.lfHeight, -32) << "12 points are 16 layout pixels, 32 at 192 dpi";
    EXPECT_EQ(asked.lfWeight, FW_NORMAL);
    EXPECT_TRUE(asked.lfUnderline);
}

TEST(Fonts, RebuildReplacesTheWindowsFont) {
    ObjectWindows windows;
    WindowObject *label = windows.Make(L"STATIC", KindLabel, 0, 0, 0, 100, 20);
    label->FontName = CopyText(label, TextRef(L"Arial"), 0);
    label->FontSize = 10;
    RebuildFont(label, 0);
    HFONT first = label->Font;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ((HFONT)SendMessageW(label->Handle, WM_GETFONT, 0, 0), first);
    label->FontBold = 1;
    RebuildFont(label, 0);
    EXPECT_EQ((HFONT)SendMessageW(label->Handle, WM_GETFONT, 0, 0), label->Font);
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous font is deleted";
    LOGFONTA rebuilt;
    GetObjectA(label->Font, sizeof rebuilt, &rebuilt);
    EXPECT_EQ(rebuilt.lfWeight, FW_BOLD);
    EXPECT_STREQ(rebuilt.lfFaceName, "Arial");
    DeleteObject(label->Font);
}

TEST(Pens, ANewStyleReplacesThePenInTheTextColour) {
    ObjectWindows windows;
    WindowObject *box = windows.Make(L"STATIC", KindPictureBox, 0, 0, 0, 100, 20);
    box->PenWidth = 2;
    box->ForeColor = RGB(255, 0, 0);
    ASSERT_EQ(1, ChangePenStyle(box, box->Handle, PS_SOLID));
    HPEN first = box->Pen;
    ASSERT_EQ(1, ChangePenStyle(box, box->Handle, PS_DASH));
    EXPECT_EQ(GetObjectType(first), 0u) << "the previous pen is deleted";
    LOGPEN pen = {};
    GetObjectW(box->Pen, sizeof pen, &pen);
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_DASH);
    EXPECT_EQ(pen.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(0, ChangePenStyle(box, box->Handle, PS_INSIDEFRAME + 1));
    EXPECT_EQ(box->PenStyle, PS_DASH);
    DeleteObject(box->Pen);
}

COLORREF BrushColour(uintptr_t brush) {
    LOGBRUSH info = {};
    GetObjectW((HGDIOBJ)brush, sizeof info, &info);
    return info.lbColor;
}

TEST(Colours, MessageKindsGetTheColourItselfOthersABrush) {
    WindowObject listView = {};
    listView.Kind = KindListView;
    const uintptr_t window = ResolveColour(&listView, (int32_t)0x80000005, 1);
    EXPECT_EQ(window, (uintptr_t)GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ResolveColour(&listView, 0x123456, 1), 0x123456u);

    WindowObject label = {};
    label.Kind = KindLabel;
    EXPECT_EQ(ResolveColour(&label, 0x000000FF, 0), 0x000000FFu) << "pure red";
    const uintptr_t red = ResolveColour(&label, 0x000000FF, 1);
    ASSERT_EQ(GetObjectType((HGDIOBJ)red), (DWORD)OBJ_BRUSH);
    EXPECT_EQ(BrushColour(red), 0x000000FFu);
    const uintptr_t again = ResolveColour(&label, 0x000000FF, 1);
    EXPECT_NE(again, red) << "each call makes a new brush for its object";
    DeleteObject((HGDIOBJ)red);
    DeleteObject((HGDIOBJ)again);

    EXPECT_EQ(ResolveColour(&label, (int32_t)0x8000000F, 1),
              (uintptr_t)GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(ResolveColour(&label, (int32_t)0x8000000F, 0), (uintptr_t)GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ResolveColour(nullptr, 0x00FF00, 0), 0x00FF00u);
}

TEST(Images, NumbersLoadAsSharedImagesAndEverythingElseStays) {
    WindowObject picture = {};
    picture.PictureType = -1;
    EXPECT_EQ(LoadImageResource(&picture, 0, 1), 0u);
    EXPECT_EQ(LoadImageResource(&picture, FirstHandleValue, 1), FirstHandleValue)
        << "taken as a handle";
    EXPECT_EQ(LoadImageResource(&picture, 77, 1), 77u) << "no such resource";

    const ImageRef icon = LoadImageResource(&picture, 100, 1);
    ASSERT_GE(icon, FirstHandleValue);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo((HICON)icon, &info));
    BITMAP mask;
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_EQ(LoadImageResource(nullptr, 100, 0), icon) << "shared: the same handle again";

    picture.Picture = icon;
    RecordPictureSize(&picture);
    EXPECT_EQ(picture.PictureType, 1);
    EXPECT_EQ(picture.PictureWidth, mask.bmWidth);

    picture.Picture = 77;
    RecordPictureSize(&picture);
    EXPECT_EQ(picture.PictureType, 1);
    EXPECT_EQ(picture.PictureWidth, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(picture.PictureHeight, GetSystemMetrics(SM_CYICON));

    HBITMAP bitmap = CreateBitmap(20, 10, 1, 32, nullptr);
    picture.Picture = (ImageRef)bitmap;
    RecordPictureSize(&picture);
    EXPECT_EQ(picture.PictureType, 0);
    EXPECT_EQ(picture.PictureWidth, 20);
    EXPECT_EQ(picture.PictureHeight, 10);
    DeleteObject(bitmap);

    const ImageRef strip = LoadImageResource(&picture, 201, 1);
    ASSERT_GE(strip, FirstHandleValue) << "bitmap resource 201";
    picture.Picture = strip;
    RecordPictureSize(&picture);
    EXPECT_EQ(picture.PictureType, 0);
    EXPECT_EQ(picture.PictureWidth, 48);
    EXPECT_EQ(picture.PictureHeight, 16);
    EXPECT_EQ(LoadImageResource(&picture, 201, 0), 201u) << "not a picture: icon or cursor only";
    picture.PictureType = 1;
    EXPECT_EQ(LoadImageResource(&picture, 201, 1), 201u) << "an icon picture skips bitmaps";
    DeleteObject((HGDIOBJ)strip);

    picture.Picture = 0;
    RecordPictureSize(&picture);
    EXPECT_EQ(picture.PictureType, -1);
    EXPECT_EQ(picture.PictureWidth, 0);
    EXPECT_EQ(picture.PictureHeight, 0);
}

} // namespace
