// Closing a window: the EventProcedure may refuse; otherwise the window is
// hidden, a modal run ends or the window is destroyed.
#include "runtime/winproc/closing.h"
#include "runtime/winproc/modal_run.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

// The tools of the window's controls; an MDI frame's client has no object,
// so the tools of its children stay theirs.
static void RemoveTools(HWND toolTip, HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        TTTOOLINFOW info = {};
        info.cbSize = TTTOOLINFOW_V2_SIZE; // the size every comctl32 version accepts
        info.hwnd = child;
        info.uId = (UINT_PTR)child;
        SendMessageW(toolTip, TTM_DELTOOLW, 0, (LPARAM)&info);
        WindowObject *control = ObjectFromHandle(child);
        if (control && IsContainerKind(control->Kind)) RemoveTools(toolTip, child);
    }
}

LRESULT OnCloseWindow(WindowObject *object, const WindowMessage &m) {
    // DefWindowProc would destroy a control on WM_CLOSE; only windows close.
    if (!IsWindowKind(object->Kind)) return 0;
    HWND window = m.Window;
    LRESULT refused = CallEventProcedure(object, m);
    if (!IsWindow(window)) return 0;
    if (refused) return 1;
    ShowWindow(window, SW_HIDE);
    Sleep(100);
    if (object->Modal) {
        EndModal(window, ModalClosed);
        return 1;
    }
    if (object->Kind == KindWindow && object->MdiChild) {
        HWND client = GetParent(window);
        HWND frame = GetParent(client);
        WindowObject *frameObject = ObjectFromHandle(frame);
        if (frameObject) {
            SendMessageAW(client, WM_MDISETMENU, (WPARAM)frameObject->Menu, 0);
            DrawMenuBar(frame);
        }
    }
    if (object->ToolTip) {
        RemoveTools(object->ToolTip, window);
        DestroyWindow(object->ToolTip);
        object->ToolTip = nullptr;
    }
    return WindowDefaultProcessing(object, m);
}
