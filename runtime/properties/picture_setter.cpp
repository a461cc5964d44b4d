// SetPicture: a new image for a window, push button, picture box or image.
#include "runtime/properties/properties.h"
#include "runtime/templates/templates.h"
#include "runtime/winproc/layout.h"
#include "runtime/winproc/winproc.h"
#include "runtime/startup/text_form.h"

static bool HasPicture(int kind) {
    return IsWindowKind(kind) || kind == KindPushButton || kind == KindPictureBox ||
           kind == KindImage;
}

int SetPicture(HWND window, uintptr_t image) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || !HasPicture(object->Kind)) return 0;
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
