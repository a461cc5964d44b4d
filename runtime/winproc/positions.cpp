// The recording of a window's position and size, and which dimensions the
// docking layout owns.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

int WindowRectInParent(HWND window, RECT *rect) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object || !GetWindowRect(window, rect)) return -1;
    if (object->Kind < KindLabel && !IsMdiChildObject(object)) return 1;
    HWND parent = GetParent(window);
    if (!parent) return -1;
    MapWindowPoints(HWND_DESKTOP, parent, (POINT *)rect, 2);
    return 1;
}

void RecordPosition(WindowObject *object) {
    RECT rect;
    if (!object || WindowRectInParent(object->Handle, &rect) < 0) return;
    object->Left = FromPixelsX(rect.left, object->ScaleMode);
    object->Top = FromPixelsY(rect.top, object->ScaleMode);
    if (IsMdiChildObject(object)) SendMessageAW(GetParent(object->Handle), RTM_CHILDMOVED, 0, 0);
}

void RecordSize(WindowObject *object, int sizeType) {
    RECT rect;
    if (!object || sizeType == SIZE_MINIMIZED || sizeType == SIZE_MAXIMIZED) return;
    if (!GetWindowRect(object->Handle, &rect)) return;
    object->Width = FromPixelsX(rect.right - rect.left, object->ScaleMode);
    object->Height = FromPixelsY(rect.bottom - rect.top, object->ScaleMode);
}

int CanSetDimension(WindowObject *object, int which) {
    if (!object) return 0;
    if (!IsDockableKind(object->Kind)) return 1;
    const int align = object->Align;
    if (which == 1) return (align == DockLeft || align == DockRight) ? 0 : 1;
    if (which == 0) return (align == DockTop || align == DockBottom) ? 0 : 1;
    return 1;
}
