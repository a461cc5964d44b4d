// Modal runs: the message loop of a window run modally, the one way such a
// run ends, and the processing of waiting messages.
#include "runtime/winproc/modal_run.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/templates/shown_state.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

INT_PTR ModalResult;

// One record per modal run in progress, on its ModalLoop's stack, linked
// from the innermost out. Ending a window destroys the modal windows it owns
// after it has been given its result; each run keeps the result it ended
// with, so that theirs does not replace it.
struct ModalRun {
    HWND Window;
    INT_PTR Result;
    int Ended;
    ModalRun *Outer;
};
static ModalRun *InnermostRun;

// Mouse and activation messages that bring the modal window's active control
// back, wherever they are aimed.
static bool IsActivationMessage(UINT message) {
    return message == WM_ACTIVATEAPP || message == WM_NCLBUTTONDOWN || message == WM_LBUTTONDOWN ||
           message == WM_NCRBUTTONDOWN || message == WM_RBUTTONDOWN;
}

INT_PTR ModalLoop(WindowObject *object, HWND owner) {
    HWND window = object->Handle;
    if (owner) object->Modal = owner;
    // A window refused here ends its run with ModalDestroyed as its destruction does for
    // every modal window, not with ModalResult as it stands: that is the
    // result of an earlier window, and could read as OK for one never shown.
    if (CallEventProcedure(object, window, RTM_CREATED, 0, 0) == -1 && IsWindow(window))
        DestroyWindow(window);
    EndBusy();
    if (IsWindow(window)) {
        object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
        // The owner is disabled before the window shows, so that nothing,
        // a click of the user's among them, reaches it once the window is
        // seen.
        if (owner) EnableWindow(owner, FALSE);
        if (object->Visible) ChangeWindowState(object, window, object->WindowState);
        SetFocus(object->ActiveControl);
    }
    ModalRun run = {window, 0, 0, InnermostRun};
    InnermostRun = &run;
    MSG msg;
    while (IsWindow(window)) {
        const BOOL taken = GetMessageAW(&msg);
        if (taken < 0) break;
        if (taken == 0) {
            // The quit message belongs to the loop outside; it ends this one.
            PostQuitMessage((int)msg.wParam);
            break;
        }
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
    // Runs end innermost first: a loop returns only once the loops inside
    // it have returned.
    InnermostRun = run.Outer;
    if (run.Ended) ModalResult = run.Result;
    return ModalResult;
}

void FinishModalRun(WindowObject *object, INT_PTR result) {
    HWND owner = object->Modal;
    object->Modal = nullptr;
    ModalResult = result;
    for (ModalRun *run = InnermostRun; run; run = run->Outer)
        if (run->Window == object->Handle && !run->Ended) {
            run->Result = result;
            run->Ended = 1;
            break;
        }
    // Modal holds 1 while the run had no owner to disable.
    if ((uintptr_t)owner > 1) EnableWindow(IsWindow(owner) ? owner : App->MainWindow, TRUE);
}

int EndModal(HWND window, INT_PTR result) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (object->Kind != KindDialog && object->Kind != KindWindow) || !object->Modal)
        return 0;
    FinishModalRun(object, result);
    DestroyWindow(window);
    return 1;
}

int ProcessMessages() {
    MSG msg;
    while (PeekMessageAW(&msg, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit message is for the message loop; it goes back and
            // the processing stops, since it would be taken again at once.
            PostQuitMessage((int)msg.wParam);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageAW(&msg);
    }
    return 0;
}
