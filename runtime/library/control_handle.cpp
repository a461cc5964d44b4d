// GetControlHandle: a control of a window found by its identifier.
#include "runtime/library/sysinfo.h"
#include "runtime/templates/templates.h"
#include "runtime/winproc/winproc.h"
#include "runtime/startup/runtime_state.h"

static HANDLE FindControl(HWND window, int index) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (!object) continue;
        if (object->Index == index)
            return object->Kind == KindImageListHolder ? (HANDLE)object->ImageList
                                                       : (HANDLE)object->Handle;
        if (!IsContainerKind(object->Kind)) continue;
        HANDLE found = FindControl(child, index);
        if (found) return found;
    }
    return nullptr;
}

static HANDLE FindThread(HWND window, int id) {
    for (int i = 0; ThreadTable && i < (int)MaxThreads && ThreadTable[i].Window; ++i)
        if (ThreadTable[i].Window == window && ThreadTable[i].Id == id)
            return ThreadTable[i].Thread;
    return nullptr;
}

HANDLE GetControlHandle(HWND window, int id) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object) return nullptr;
    if (object->Kind >= KindLabel) window = object->ParentHandle;
    const int index = id - 1000;
    if (index < 0) return nullptr;
    HANDLE found = FindControl(window, index);
    return found ? found : FindThread(window, id);
}
