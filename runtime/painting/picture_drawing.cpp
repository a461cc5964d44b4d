// Printing text and drawing lines, rectangles and ellipses onto picture
// boxes and windows.
#include "runtime/painting/picture_drawing.h"
#include "runtime/base/object_table.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

static WindowObject *DrawingTarget(HWND window) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return nullptr;
    const int kind = object->Kind;
    return kind == KindPictureBox || kind == KindDialog || kind == KindWindow ? object : nullptr;
}

// A window's x shares its storage with KeyPreview, so windows keep it in a
// field of their own; picture boxes in TextX.
static int32_t *TextXOf(WindowObject *object) {
    return object->Kind == KindPictureBox ? &object->TextX : &object->WindowTextX;
}

enum : int { LowestPosition = -32768, HighestPosition = 32767 };

int SetTextX(HWND window, int position) {
    WindowObject *object = DrawingTarget(window);
    if (!object || position < LowestPosition || position > HighestPosition) return 0;
    // Kept in layout pixels, which printing turns into device pixels.
    *TextXOf(object) = ToPixelsX(position, object->ScaleMode, LayoutDpi);
    return 1;
}

int SetTextY(HWND window, int position) {
    WindowObject *object = DrawingTarget(window);
    if (!object || position < LowestPosition || position > HighestPosition) return 0;
    object->TextY = ToPixelsY(position, object->ScaleMode, LayoutDpi);
    return 1;
}

int GetTextX(HWND window) {
    WindowObject *object = DrawingTarget(window);
    return object ? *TextXOf(object) : -1;
}

int GetTextY(HWND window) {
    WindowObject *object = DrawingTarget(window);
    return object ? object->TextY : -1;
}

enum { ConvertedChars = 1024 };

// The text in the active form, which is the form a picture paints in: the
// text itself, or a copy converted through CodePage into buffer and cut to
// fit it.
static const void *InActiveForm(const char *text, wchar_t (&buffer)[ConvertedChars]) {
    if (!UnicodeFlag) return text;
    // Each byte makes at most one character: the bytes that fit always do.
    AnsiToWideBounded(text, ConvertedChars - 1, buffer, ConvertedChars);
    return buffer;
}
static const void *InActiveForm(const wchar_t *text, wchar_t (&buffer)[ConvertedChars]) {
    if (UnicodeFlag) return text;
    ConvertLiteral(text, buffer, sizeof buffer);
    return buffer;
}

template <class Ch> static int PrintTextT(HWND window, const Ch *text) {
    if (!text) return 0;
    WindowObject *object = DrawingTarget(window);
    if (!object) return 0;
    if (object->Kind == KindPictureBox) {
        // The picture paints the text while it repaints itself.
        wchar_t buffer[ConvertedChars];
        object->PrintedText = const_cast<void *>(InActiveForm(text, buffer));
        RefreshWindow(window, 1);
        // An event procedure may have destroyed the picture meanwhile.
        if (ObjectFromHandle(window) == object) object->PrintedText = nullptr;
        return 1;
    }
    HDC dc = GetDC(window);
    if (!dc) return 0;
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, object->ForeColor);
    if (object->Font) SelectObject(dc, object->Font);
    const int dpi = ObjectDpi(object);
    ApiTextOut(dc, ScaleToDpi(*TextXOf(object), dpi), ScaleToDpi(object->TextY, dpi), text,
               ApiStringLength(text));
    RestoreDC(dc, saved);
    ReleaseDC(window, dc);
    return 1;
}

int PrintTextA(HWND window, const char *text) {
    return PrintTextT(window, text);
}
int PrintTextW(HWND window, const wchar_t *text) {
    return PrintTextT(window, text);
}
int PrintText(HWND window, const void *text) {
    return UnicodeFlag ? PrintTextW(window, (const wchar_t *)text)
                       : PrintTextA(window, (const char *)text);
}

// A device context of the window with the object's pen, a fill brush and
// transparent mode selected; released with its brush by EndShape.
struct ShapeContext {
    HWND Window;
    HDC Dc;
    int Saved;
    HBRUSH MadeBrush; // a brush of the fill colour, made here
};

static bool BeginShape(WindowObject *object, HWND window, int32_t fillColour, ShapeContext *shape) {
    shape->Window = window;
    shape->Dc = GetDC(window);
    if (!shape->Dc) return false;
    shape->Saved = SaveDC(shape->Dc);
    shape->MadeBrush = fillColour == NoColour ? nullptr : CreateSolidBrush((COLORREF)fillColour);
    HBRUSH brush = shape->MadeBrush ? shape->MadeBrush : object->BackBrush;
    // A window without a background fills nothing.
    SelectObject(shape->Dc, brush ? (HGDIOBJ)brush : GetStockObject(NULL_BRUSH));
    if (object->Pen) SelectObject(shape->Dc, object->Pen);
    SetBkMode(shape->Dc, TRANSPARENT);
    return true;
}

static void EndShape(ShapeContext *shape) {
    RestoreDC(shape->Dc, shape->Saved);
    ReleaseDC(shape->Window, shape->Dc);
    if (shape->MadeBrush) DeleteObject(shape->MadeBrush);
}

struct PixelBox {
    int X1, Y1, X2, Y2;
};

static PixelBox ToPixels(const WindowObject *object, int x1, int y1, int x2, int y2) {
    const int scale = object->ScaleMode;
    const int dpi = ObjectDpi(object);
    return {ToPixelsX(x1, scale, dpi), ToPixelsY(y1, scale, dpi), ToPixelsX(x2, scale, dpi),
            ToPixelsY(y2, scale, dpi)};
}

int DrawShape(HWND window, int x1, int y1, int x2, int y2, int rectangle, int32_t fillColour) {
    WindowObject *object = DrawingTarget(window);
    if (!object) return 0;
    const PixelBox box = ToPixels(object, x1, y1, x2, y2);
    ShapeContext shape;
    if (!BeginShape(object, window, fillColour, &shape)) return 0;
    MoveToEx(shape.Dc, box.X1, box.Y1, nullptr);
    if (rectangle)
        Rectangle(shape.Dc, box.X1, box.Y1, box.X2, box.Y2);
    else
        LineTo(shape.Dc, box.X2, box.Y2);
    EndShape(&shape);
    return 1;
}

int DrawEllipse(HWND window, int x1, int y1, int x2, int y2, int32_t fillColour) {
    WindowObject *object = DrawingTarget(window);
    if (!object) return 0;
    const PixelBox box = ToPixels(object, x1, y1, x2, y2);
    ShapeContext shape;
    if (!BeginShape(object, window, fillColour, &shape)) return 0;
    Ellipse(shape.Dc, box.X1, box.Y1, box.X2, box.Y2);
    EndShape(&shape);
    return 1;
}
