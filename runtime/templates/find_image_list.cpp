// FindImageList: an image-list holder found by its Name inside a window.
#include "runtime/templates/creation.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

HIMAGELIST FindImageList(HWND window, const wchar_t *name) {
    if (!window || !name) return nullptr;
    HWND first = GetWindow(window, GW_CHILD);
    if (!first) return nullptr;
    for (HWND child = GetWindow(first, GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (!object) continue;
        if (object->Kind == KindImageListHolder && object->Name && !lstrcmpiW(object->Name, name))
            return object->ImageList;
        if (!IsContainerKind(object->Kind)) continue;
        HIMAGELIST found = FindImageList(child, name);
        if (found) return found;
    }
    return nullptr;
}
