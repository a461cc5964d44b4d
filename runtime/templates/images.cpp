// Image references: resource numbers loaded as shared images, and the
// recorded size and type of a picture.
#include "runtime/templates/appearance.h"
#include "runtime/templates/resources.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

enum : UINT { SharedWith3dColours = LR_SHARED | LR_LOADMAP3DCOLORS };
enum : ImageRef { FirstHandleValue = 65536 };

static HANDLE LoadShared(ImageRef number, UINT type) {
    return LoadImageW(App->Instance, MAKEINTRESOURCEW(number), type, 0, 0, SharedWith3dColours);
}

ImageRef LoadImageResource(WindowObject *object, ImageRef value, int asPicture) {
    if (value == 0 || value >= FirstHandleValue) return value;
    HANDLE image = nullptr;
    const bool iconPicture =
        object && object->PictureType != PictureBitmap && object->PictureType != PictureNone;
    if (asPicture && !iconPicture) image = LoadShared(value, IMAGE_BITMAP);
    if (!image) image = LoadShared(value, IMAGE_ICON);
    if (!image) image = LoadShared(value, IMAGE_CURSOR);
    return image ? (ImageRef)image : value;
}

static void RecordIconSize(WindowObject *object) {
    ICONINFO info;
    object->PictureType = PictureIcon;
    if (object->Picture >= FirstHandleValue && GetIconInfo((HICON)object->Picture, &info)) {
        // The hot spot of an icon is its centre.
        object->PictureWidth = (int)info.xHotspot * 2;
        object->PictureHeight = (int)info.yHotspot * 2;
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        return;
    }
    object->PictureWidth = GetSystemMetrics(SM_CXICON);
    object->PictureHeight = GetSystemMetrics(SM_CYICON);
}

void RecordPictureSize(WindowObject *object) {
    if (!object) return;
    if (!object->Picture) {
        object->PictureHeight = 0;
        object->PictureWidth = 0;
        object->PictureType = PictureNone;
        return;
    }
    BITMAP bitmap;
    if (object->Picture >= FirstHandleValue &&
        GetObjectW((HGDIOBJ)object->Picture, sizeof bitmap, &bitmap) == sizeof bitmap &&
        bitmap.bmWidth && bitmap.bmHeight) {
        object->PictureWidth = bitmap.bmWidth;
        object->PictureHeight = bitmap.bmHeight;
        object->PictureType = PictureBitmap;
        return;
    }
    RecordIconSize(object);
}

static bool HasPicture(int kind) {
    return IsWindowKind(kind) || kind == KindPushButton || kind == KindPictureBox ||
           kind == KindImage;
}

int ChangePicture(WindowObject *object, HWND window, uintptr_t image) {
    if (!HasPicture(object->Kind)) return 0;
    const ImageRef previous = object->Picture;
    object->Picture = LoadImageResource(object, image, 1);
    RecordPictureSize(object);
    if (object->AutoSize && (object->Kind == KindLabel || object->Kind == KindPictureBox))
        AutoSizeControl(object);
    if (object->Kind == KindImage && object->Transparent)
        SendMessageAW(window, RTM_REDRAWAREA, 0, 0);
    RefreshWindow(window, 1);
    // Numbers that never loaded are not handles; the image set again is
    // still in use.
    if (previous != object->Picture && previous >= FirstTextAddress)
        DeleteGdiOrIcon((HANDLE)previous);
    return 1;
}
