// What a window owns, released at its destruction.
#include "runtime/templates/window_resources.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

void DeleteGdiOrIcon(HANDLE handle) {
    if (!handle) return;
    if (DeleteObject((HGDIOBJ)handle)) return;
    if (OsLevel >= OsNt && !DestroyIcon((HICON)handle)) DestroyCursor((HCURSOR)handle);
}

// Image fields may still hold a resource number that never loaded; those
// are not handles and are never released.
static void DeleteImageField(ImageRef *field) {
    if (IsHandleValue(*field)) DeleteGdiOrIcon((HANDLE)*field);
    *field = 0;
}

// The font of a dialog's control is the dialog's own, released with it.
static bool SharesItsDialogsFont(WindowObject *object) {
    if (object->Kind < KindLabel || !object->Font) return false;
    WindowObject *owner = ObjectFromHandle(object->ParentHandle);
    return owner && owner->Kind == KindDialog && owner->Font == object->Font;
}

void DeleteObjectResources(WindowObject *object) {
    if (SharesItsDialogsFont(object)) object->Font = nullptr;
    DeleteGdiOrIcon(object->BackBrush);
    object->BackBrush = nullptr;
    DeleteImageField(&object->MouseIcon);
    DeleteGdiOrIcon(object->Font);
    object->Font = nullptr;
    DeleteImageField(&object->Icon);
    DeleteImageField(&object->SmallIcon);
    DeleteGdiOrIcon(object->Pen);
    object->Pen = nullptr;
    DeleteImageField(&object->Picture);
}

void DestroyImageList(HIMAGELIST list) {
    if (!list) return;
    while (ImageList_GetImageCount(list) > 0)
        if (!ImageList_Remove(list, 0)) break;
    ImageList_Destroy(list);
}

void ReleaseWindowObjects(WindowObject *object) {
    DeleteObjectResources(object);
    if (IsHandleValue(object->Menu)) DestroyMenu((HMENU)object->Menu);
    object->Menu = 0;
    if (object->Kind != KindMdiFrame) ReleaseFramePens();
}

void ReleaseWindowResources(WindowObject *object) {
    HWND window = object->Handle;
    if (!(object->Kind == KindWindow && object->MdiChild)) {
        HWND parent = GetParent(window);
        if (!parent && App && App->MainWindow != window) parent = App->MainWindow;
        if (parent) {
            SetActiveWindow(parent);
            SetFocus(parent);
        }
    }
    SendMessageAW(window, WM_SETICON, ICON_BIG, 0);
    SendMessageAW(window, WM_SETICON, ICON_SMALL, 0);
    ReleaseWindowObjects(object);
}
