// Setters of a window's timer and show state and of enabled state.
#include "runtime/properties/properties.h"
#include "runtime/templates/templates.h"
#include "runtime/winproc/winproc.h"
#include "runtime/startup/text_form.h"

enum { WindowTimerId = 2 };

int SetTimerInterval(HWND window, int32_t milliseconds) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || !IsWindowKind(object->Kind)) return 0;
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

int SetWindowState(HWND window, int32_t state) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || !IsWindowKind(object->Kind)) return 0;
    if (state < -1 || state > 2) return 0;
    object->WindowState = state;
    // -1..2 are SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED.
    ShowWindow(window, state + 1);
    RedrawAll(window);
    return 1;
}

static bool IsGroupOrPicture(const WindowObject *object) {
    return object && (object->Kind == KindGroupBox || object->Kind == KindPictureBox);
}

// Every window inside the container, at any depth of groups and pictures;
// runtime controls through the setter so that their records follow.
static void EnableChildren(HWND container, int enabled) {
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (object)
            SetEnabled(child, enabled);
        else
            EnableWindow(child, enabled);
        if (IsGroupOrPicture(object)) EnableChildren(child, enabled);
    }
}

int SetEnabled(HWND window, int32_t enabled) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (enabled != 0 && enabled != 1)) return 0;
    if ((IsWindowEnabled(window) ? 1 : 0) == enabled) return 1;
    EnableWindow(window, enabled);
    object->Enabled = enabled;
    object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
    if (object->ParentHandle) SendMessageAW(object->ParentHandle, RTM_FOCUSNEXT, 0, (LPARAM)window);
    if (IsGroupOrPicture(object)) EnableChildren(window, enabled);
    if (IsWindowVisible(window)) InvalidateRect(window, nullptr, FALSE);
    return 1;
}
