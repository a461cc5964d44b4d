// EndModal: the end of a modal run.
#include "runtime/library/window_routines.h"
#include "runtime/startup/startup.h"
#include "runtime/templates/templates.h"

int EndModal(HWND window, INT_PTR result) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (object->Kind != KindDialog && object->Kind != KindWindow) || !object->Modal)
        return 0;
    HWND owner = object->Modal;
    object->Modal = nullptr;
    ModalResult = result;
    // The Modal field holds 1 while the run had no owner to disable.
    if ((uintptr_t)owner > 1) EnableWindow(IsWindow(owner) ? owner : App->MainWindow, TRUE);
    DestroyWindow(window);
    return 1;
}
