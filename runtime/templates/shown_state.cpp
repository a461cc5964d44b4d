// The shown state of a window: its timer, its show state and whether it
// and the controls inside it are enabled.
#include "runtime/templates/shown_state.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/painting.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

int ChangeTimerInterval(WindowObject *object, HWND window, int32_t milliseconds) {
    if (!IsWindowKind(object->Kind)) return 0;
    if (object->TimerId) {
        if (!KillTimer(window, object->TimerId)) return 0;
        object->TimerId = 0;
    }
    if (milliseconds <= 0) return 0;
    object->TimerInterval = milliseconds;
    if (!SetTimer(window, WindowTimerId, (UINT)milliseconds, nullptr)) return 0;
    object->TimerId = WindowTimerId;
    return WindowTimerId;
}

int ChangeWindowState(WindowObject *object, HWND window, int32_t state) {
    if (!IsWindowKind(object->Kind)) return 0;
    if (state < WindowHidden || state > WindowMaximised) return 0;
    object->WindowState = state;
    // -1..2 are SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED.
    ShowWindow(window, state + 1);
    RedrawAll(window);
    return 1;
}

// Every window inside the container, at any depth of groups and pictures;
// runtime controls through the setter so that their records follow.
static void EnableChildren(HWND container, int enabled) {
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        WindowObject *object = ObjectFromHandle(child);
        if (object)
            ChangeEnabled(object, child, enabled);
        else
            EnableWindow(child, enabled);
        if (object && IsGroupOrPictureKind(object->Kind)) EnableChildren(child, enabled);
    }
}

int ChangeEnabled(WindowObject *object, HWND window, int32_t enabled) {
    if (enabled != 0 && enabled != 1) return 0;
    if ((IsWindowEnabled(window) ? 1 : 0) == enabled) {
        // Nothing to change, but the record follows: WM_ENABLE comes once an
        // EnableWindow of the application has already changed the state, and
        // a template may disable a control whose window the system enables.
        object->Enabled = enabled;
        object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
        return 1;
    }
    EnableWindow(window, enabled);
    object->Enabled = enabled;
    object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
    if (object->ParentHandle) SendMessageAW(object->ParentHandle, RTM_FOCUSNEXT, 0, (LPARAM)window);
    if (IsGroupOrPictureKind(object->Kind)) EnableChildren(window, enabled);
    if (IsWindowVisible(window)) InvalidateRect(window, nullptr, FALSE);
    return 1;
}
