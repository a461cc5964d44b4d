// Window state: activation and monitor changes.
#include "runtime/winproc/window_state.h"
#include "runtime/winproc/keyboard.h"
#include "runtime/templates/rescale.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT OnNcActivate(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const BOOL active = (BOOL)m.WParam;
    if (IsWindowKind(object->Kind) && !IsIconic(object->Handle)) {
        if (active) {
            UpdateWindow(window);
            SetFocus(window);
            UpdateWindow(window);
        } else {
            DropDefaultLook(object);
        }
    }
    return EventThenDefault(object, m);
}

LRESULT OnMdiActivate(WindowObject *object, const WindowMessage &m) {
    if (object->Kind != KindWindow || !object->MdiChild) return EventThenDefault(object, m);
    HWND window = m.Window;
    HWND activated = (HWND)m.LParam;
    if (!CallEventProcedure(object, m)) {
        HWND client = GetParent(window);
        HWND frame = GetParent(client);
        WindowObject *frameObject = ObjectFromHandle(frame);
        if (activated == window) {
            uintptr_t menu = object->Menu ? object->Menu : frameObject ? frameObject->Menu : 0;
            SendMessageAW(client, WM_MDISETMENU, (WPARAM)menu, 0);
        }
        DrawMenuBar(frame);
    }
    return WindowDefaultProcessing(object, m);
}

// A window moved to a monitor of other dots per inch: the suggested
// rectangle, then everything inside laid out again, and only then the
// application's event procedure.
LRESULT OnDpiChanged(WindowObject *object, const WindowMessage &m) {
    const RECT *suggested = (const RECT *)m.LParam;
    if (IsWindowKind(object->Kind))
        RescaleWindow(object, LOWORD(m.WParam), suggested);
    else if (suggested)
        SetWindowPos(m.Window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return EventThenDefault(object, m);
}
