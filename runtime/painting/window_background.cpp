// A window's background: its colour around its picture, which is drawn
// unscaled at the top-left corner.
#include "runtime/painting/painting.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT EraseWindowBackground(WindowObject *object, HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const bool coloured = object->BackColorSetting != NoColour;
    HGDIOBJ oldBrush = nullptr;
    if (!coloured) {
        DefaultProcessing(object, window, WM_ERASEBKGND, (WPARAM)dc, 0);
    } else {
        oldBrush = SelectObject(dc, object->BackBrush);
        PatBlt(dc, 0, object->PictureHeight, client.right, client.bottom - object->PictureHeight,
               PATCOPY);
    }
    if (object->Picture && object->PictureType != PictureNone) {
        if (object->PictureType == PictureBitmap) {
            DrawBitmapAtOrigin(dc, dc, (HBITMAP)object->Picture, object->PictureWidth,
                               object->PictureHeight);
        } else {
            const int width = object->PictureWidth, height = object->PictureHeight;
            if (coloured) PatBlt(dc, 0, 0, width, height, PATCOPY);
            // At the icon's own size, the cell filled around it: DrawIcon
            // would scale every icon to the system's icon size.
            DrawIconEx(dc, 0, 0, (HICON)object->Picture, width, height, 0, nullptr, DI_NORMAL);
        }
    }
    if (coloured) {
        if (object->PictureWidth > 0)
            PatBlt(dc, object->PictureWidth, 0, client.right - object->PictureWidth,
                   object->PictureHeight, PATCOPY);
        SelectObject(dc, oldBrush);
    }
    return 1;
}
