// Picture boxes: background colour, image and text, optionally off-screen,
// and the transparent controls on top of them.
#include "runtime/painting/painting.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

// The picture class's own style for one line of text centred vertically; it
// takes the bit that SS_CENTERIMAGE has for static controls.
constexpr DWORD PictureCentreTextStyle = SS_CENTERIMAGE;

void DrawBitmapAtOrigin(HDC source, HDC target, HBITMAP bitmap, int width, int height) {
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// Centring offset of an image in a control: the difference taken as a
// signed 16-bit value and halved towards zero.
static int CentreOffset(int space, int size) {
    return (int16_t)(space - size) / 2;
}

static void DrawBitmapInRect(WindowObject *object, HDC source, HDC target, const RECT *rect) {
    HBITMAP bitmap = (HBITMAP)object->Picture;
    const int width = object->PictureWidth, height = object->PictureHeight;
    if (object->Kind != KindImage) {
        // Pictures show the bitmap unscaled at the top-left corner.
        DrawBitmapAtOrigin(source, target, bitmap, rect->right, rect->bottom);
        return;
    }
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (!object->Stretch)
        BitBlt(target, CentreOffset(rect->right, width), CentreOffset(rect->bottom, height), width,
               height, memory, 0, 0, SRCCOPY);
    else if (width != rect->right || height != rect->bottom)
        StretchBlt(target, 0, 0, rect->right, rect->bottom, memory, 0, 0, width, height, SRCCOPY);
    else
        BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void DrawImageInRect(WindowObject *object, HDC source, HDC target, const RECT *rect) {
    if (object->PictureType == PictureNone || !object->Picture) return;
    if (object->PictureType == PictureBitmap) {
        DrawBitmapInRect(object, source, target, rect);
        return;
    }
    HICON icon = (HICON)object->Picture;
    if (object->Kind == KindImage && !object->Stretch) {
        // At the icon's own size: DrawIcon would scale every icon to the
        // system's icon size.
        const int width = object->PictureWidth, height = object->PictureHeight;
        DrawIconEx(target, CentreOffset(rect->right, width), CentreOffset(rect->bottom, height),
                   icon, width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    DrawIconEx(target, 0, 0, icon, rect->right, rect->bottom, 0, nullptr, DI_NORMAL);
}

void EraseSiblingsOver(HWND window) {
    HWND child = GetWindow(window, GW_CHILD);
    if (child) child = GetWindow(child, GW_HWNDLAST);
    for (; child; child = GetWindow(child, GW_HWNDPREV)) {
        WindowObject *object = ObjectFromHandle(child);
        if (object && (object->Kind == KindLabel || object->Kind == KindImage) &&
            object->Transparent)
            InvalidateRect(child, nullptr, FALSE);
    }
}

void PaintPicture(WindowObject *object, HDC dc, int paintBackground, int drawText) {
    HWND window = object->Handle;
    PAINTSTRUCT paint;
    const bool began = dc == nullptr;
    if (began) dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);

    HDC target = dc;
    HDC memory = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    if (paintBackground || object->DoubleBuffer) {
        if (object->BackColorSetting != NoColour) {
            if (object->DoubleBuffer) {
                memory = CreateCompatibleDC(dc);
                bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
                oldBitmap = SelectObject(memory, bitmap);
                target = memory;
            }
            if (object->BackBrush) FillRect(target, &client, object->BackBrush);
        }
        DrawImageInRect(object, dc, target, &client);
    }
    if (drawText) {
        SetBkMode(target, TRANSPARENT);
        if (object->TextBuffer && (object->Style & PictureCentreTextStyle))
            object->TextFormat |= DT_VCENTER | DT_SINGLELINE;
        if (!IsEmptyTextAW(object->TextBuffer) || object->PrintedText) {
            SetTextColor(target, object->Enabled ? object->ForeColor : 0x808080);
            HGDIOBJ oldFont = object->Font ? SelectObject(target, object->Font) : nullptr;
            if (object->PrintedText) {
                const int length = TextLengthAW(object->PrintedText);
                const int dpi = ObjectDpi(object);
                TextOutAW(target, ScaleToDpi(object->TextX, dpi), ScaleToDpi(object->TextY, dpi),
                          object->PrintedText, length);
            } else if (object->TextLength) {
                DrawTextAW(target, object->TextBuffer, object->TextLength, &client,
                           (UINT)object->TextFormat);
            }
            if (oldFont) SelectObject(target, oldFont);
        }
    }
    if (memory) {
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }
    if (began) EndPaint(window, &paint);
    if (drawText) EraseSiblingsOver(window);
}
