// ModalLoop: the message loop of a window run modally.
#include "runtime/startup/startup.h"
#include "runtime/properties/properties.h"
#include "runtime/templates/templates.h"
#include "runtime/winproc/cursors.h"
#include "runtime/winproc/winproc.h"
#include "runtime/startup/text_form.h"

INT_PTR ModalResult;

// Mouse and activation messages that bring the modal window's active control
// back, wherever they are aimed.
static bool IsActivationMessage(UINT message) {
    return message == WM_ACTIVATEAPP || message == WM_NCLBUTTONDOWN || message == WM_LBUTTONDOWN ||
           message == WM_NCRBUTTONDOWN || message == WM_RBUTTONDOWN;
}

INT_PTR ModalLoop(WindowObject *object, HWND owner) {
    HWND window = object->Handle;
    if (owner) object->Modal = owner;
    if (CallEventProcedure(object, window, RTM_CREATED, 0, 0) == -1 && IsWindow(window))
        DestroyWindow(window);
    EndBusy();
    if (IsWindow(window)) {
        object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
        if (object->Visible) SetWindowState(window, object->WindowState);
        SetFocus(object->ActiveControl);
        if (owner) EnableWindow(owner, FALSE);
    }
    MSG msg;
    while (IsWindow(window)) {
        if (GetMessageAW(&msg) <= 0) break;
        if (IsActivationMessage(msg.message)) {
            WindowObject *modal = ObjectFromHandle(window);
            if (modal) {
                HWND active = modal->ActiveControl ? modal->ActiveControl : window;
                SetActiveWindow(active);
                WindowObject *target = ObjectFromHandle(msg.hwnd);
                if (target && target->Kind != KindComboBox && target->Kind != KindExtendedComboBox)
                    SetFocus(active);
            }
        }
        if (TranslateAcceleratorAW(window, App->Accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageAW(&msg);
    }
    return ModalResult;
}
