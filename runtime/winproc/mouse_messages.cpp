// Mouse messages the window procedure handles itself: non-client buttons,
// hit tests, button presses and releases, and scroll bars.
#include "runtime/winproc/mouse_messages.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT OnNcButtonDown(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM hitTest = m.WParam;
    if (IsWindowKind(object->Kind) && !IsIconic(object->Handle) && hitTest != HTNOWHERE)
        SetActiveWindow(window);
    return EventThenDefault(object, m);
}

LRESULT OnNcHitTest(WindowObject *object, const WindowMessage &m) {
    switch (object->Kind) {
    case KindTabControl:
    case KindAnimation:
    case KindPager: return HTCLIENT;
    case KindGroupBox:
        // The button class answers HTTRANSPARENT for group boxes; the runtime's
        // group receives its own mouse messages.
        return DefWindowProcAW(m.Window, m.Code, m.WParam, m.LParam);
    default: return EventThenDefault(object, m);
    }
}

LRESULT OnLeftButtonDown(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    switch (object->Kind) {
    case KindHScrollBar:
    case KindVScrollBar:
    case KindListView:
    case KindTabControl:
    case KindMonthCalendar: SetFocus(window); break;
    case KindPictureBox:
        if (object->TabStop) SetFocus(window);
        if (GetCapture() != window) SetCapture(window);
        break;
    case KindLabel:
        LinkPressed = 1;
        if (GetCapture() != window) SetCapture(window);
        break;
    case KindGroupBox:
    case KindImage:
        if (GetCapture() != window) SetCapture(window);
        break;
    default: break;
    }
    return EventThenDefault(object, m);
}

LRESULT OnLeftButtonUp(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM keys = m.WParam;
    const POINT at = {(short)LOWORD(m.LParam), (short)HIWORD(m.LParam)};
    const int kind = object->Kind;
    if (GetCapture() == window &&
        (IsWindowKind(kind) || kind == KindLabel || kind == KindPictureBox ||
         kind == KindGroupBox || kind == KindImage))
        ReleaseCapture();
    if (kind == KindLabel && LinkPressed) {
        LinkPressed = 0;
        RECT client;
        GetClientRect(window, &client);
        if (PtInRect(&client, at) && object->Hyperlink) {
            OpenHyperlink(object, window, keys);
            if (!IsWindow(window)) return 0;
        }
    }
    return EventThenDefault(object, m);
}

LRESULT OnLeftButtonDoubleClick(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    if (!IsWindow(window)) return 0;
    switch (object->Kind) {
    case KindDialog:
    case KindWindow:
    case KindPushButton:
    case KindCheckBox:
    case KindOptionButton:
    case KindHeader:
        // A double click is a second click for these.
        PostMessageAW(window, WM_LBUTTONDOWN, m.WParam, m.LParam);
        break;
    default: break;
    }
    return DefaultProcessing(object, m);
}

LRESULT OnRightButtonDown(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    if (object->ParentHandle) {
        SetWindowPos(object->ParentHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (object->Kind == KindListView) SetFocus(window);
    }
    return EventThenDefault(object, m);
}

LRESULT OnRightButtonDoubleClick(WindowObject *object, const WindowMessage &m) {
    if (object->Kind == KindPushButton) PostMessageAW(m.Window, WM_RBUTTONDOWN, m.WParam, m.LParam);
    return EventThenDefault(object, m);
}

// A container passes its controls' scroll requests on to the window, as it
// does their commands; its own scroll bars (no control) stay its own.
static LRESULT OnContainerScroll(WindowObject *object, const WindowMessage &m) {
    if (!m.LParam) return EventThenDefault(object, m);
    LRESULT result = CallEventProcedure(object, m);
    if (result || !IsWindow(m.Window)) return result;
    return SendMessageAW(GetParent(m.Window), m.Code, m.WParam, m.LParam);
}

LRESULT OnScroll(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const int code = LOWORD(m.WParam);
    const int kind = object->Kind;
    if (kind == KindGroupBox || kind == KindPictureBox) return OnContainerScroll(object, m);
    if (IsWindowKind(kind)) return EventThenDefault(object, m);
    SetFocus(window);
    LRESULT result = EventThenDefault(object, m);
    if (kind == KindListView && IsWindow(window) && (code == SB_LINEDOWN || code == SB_PAGEDOWN))
        InvalidateRect(window, nullptr, FALSE);
    return result;
}
