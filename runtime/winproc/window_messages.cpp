// The rows of the window procedure that it handles itself: binding at the
// first message, mouse buttons, activation, commands of containers, system
// commands, check states and style and font changes.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/cursors.h"
#include "runtime/winproc/handlers.h"
#include "runtime/templates/appearance.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam) {
    WindowObject *object = PendingObject;
    if (!object) return DefWindowProcAW(window, WM_NCCREATE, wParam, lParam);
    AddObject(window, object);
    PendingObject = nullptr;
    object->Handle = window;
    if (object->IsMainWindow) {
        App->MainWindow = window;
        App->ThreadId = GetWindowThreadProcessId(window, (DWORD *)&App->ProcessId);
        if (object->Kind == KindDialog) {
            StartPosition at;
            ComputeStartPosition(object, GetParent(window), &at);
            SetWindowPos(window, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    CallEventProcedure(object, window, WM_NCCREATE, wParam, lParam);
    if (object->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, WM_NCCREATE, wParam, lParam);
    return 1;
}

LRESULT OnUnknownWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A window whose object is gone still frees what the system keeps for it.
    if (message == WM_NCDESTROY) return DefWindowProcAW(window, message, wParam, lParam);
    if (!PendingObject) return 0;
    if (PendingObject->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, message, wParam, lParam);
    return DefWindowProcAW(window, message, wParam, lParam);
}

static bool IsMinimised(WindowObject *object) {
    return IsIconic(object->Handle) != 0;
}

LRESULT OnNcButtonDown(WindowObject *object, HWND window, UINT message, WPARAM hitTest,
                       LPARAM position) {
    if (IsWindowKind(object->Kind) && !IsMinimised(object) && hitTest != HTNOWHERE)
        SetActiveWindow(window);
    return EventThenDefault(object, window, message, hitTest, position);
}

LRESULT OnNcActivate(WindowObject *object, HWND window, BOOL active, LPARAM lParam) {
    if (IsWindowKind(object->Kind) && !IsMinimised(object)) {
        if (active) {
            UpdateWindow(window);
            SetFocus(window);
            UpdateWindow(window);
        } else {
            DropDefaultLook(object);
        }
    }
    return EventThenDefault(object, window, WM_NCACTIVATE, active, lParam);
}

LRESULT OnNcHitTest(WindowObject *object, HWND window, LPARAM position) {
    switch (object->Kind) {
    case KindTabControl:
    case KindAnimation:
    case KindPager: return HTCLIENT;
    case KindGroupBox:
        // The button class answers HTTRANSPARENT for group boxes; the runtime's
        // group receives its own mouse messages.
        return DefWindowProcAW(window, WM_NCHITTEST, 0, position);
    default: return EventThenDefault(object, window, WM_NCHITTEST, 0, position);
    }
}

LRESULT OnMdiActivate(WindowObject *object, HWND window, HWND deactivated, HWND activated) {
    if (!CallEventProcedure(object, window, WM_MDIACTIVATE, (WPARAM)deactivated,
                            (LPARAM)activated)) {
        HWND client = GetParent(window);
        HWND frame = GetParent(client);
        WindowObject *frameObject = ObjectFromHandle(frame);
        if (activated == window) {
            uintptr_t menu = object->Menu ? object->Menu : frameObject ? frameObject->Menu : 0;
            SendMessageAW(client, WM_MDISETMENU, (WPARAM)menu, 0);
        }
        DrawMenuBar(frame);
    }
    return WindowDefaultProcessing(object, window, WM_MDIACTIVATE, (WPARAM)deactivated,
                                   (LPARAM)activated);
}

LRESULT OnContainerCommand(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    LRESULT result = CallEventProcedure(object, window, message, wParam, lParam);
    if (result) return result;
    return SendMessageAW(GetParent(window), message, wParam, lParam);
}

LRESULT OnSysCommand(WindowObject *object, HWND window, WPARAM command, LPARAM lParam) {
    switch (command & SystemCommandMask) {
    case SC_MINIMIZE: object->WindowState = WindowMinimised; break;
    case SC_MAXIMIZE: object->WindowState = WindowMaximised; break;
    case SC_RESTORE: object->WindowState = WindowNormal; break;
    }
    return EventThenDefault(object, window, WM_SYSCOMMAND, command, lParam);
}

LRESULT OnLeftButtonDown(WindowObject *object, HWND window, WPARAM keys, LPARAM position) {
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
    return EventThenDefault(object, window, WM_LBUTTONDOWN, keys, position);
}

LRESULT OnLeftButtonDoubleClick(WindowObject *object, HWND window, WPARAM keys, LPARAM position) {
    LRESULT result = CallEventProcedure(object, window, WM_LBUTTONDBLCLK, keys, position);
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
        PostMessageAW(window, WM_LBUTTONDOWN, keys, position);
        break;
    default: break;
    }
    return DefaultProcessing(object, window, WM_LBUTTONDBLCLK, keys, position);
}

LRESULT OnRightButtonDown(WindowObject *object, HWND window, WPARAM keys, LPARAM position) {
    if (object->ParentHandle) {
        SetWindowPos(object->ParentHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (object->Kind == KindListView) SetFocus(window);
    }
    return EventThenDefault(object, window, WM_RBUTTONDOWN, keys, position);
}

LRESULT OnRightButtonDoubleClick(WindowObject *object, HWND window, WPARAM keys, LPARAM position) {
    if (object->Kind == KindPushButton) PostMessageAW(window, WM_RBUTTONDOWN, keys, position);
    return EventThenDefault(object, window, WM_RBUTTONDBLCLK, keys, position);
}

LRESULT OnScroll(WindowObject *object, HWND window, UINT message, WPARAM request,
                 LPARAM scrollBar) {
    const int kind = object->Kind;
    if (IsWindowKind(kind) || kind == KindGroupBox || kind == KindPictureBox)
        return EventThenDefault(object, window, message, request, scrollBar);
    SetFocus(window);
    LRESULT result = EventThenDefault(object, window, message, request, scrollBar);
    const int code = LOWORD(request);
    if (kind == KindListView && IsWindow(window) && (code == SB_LINEDOWN || code == SB_PAGEDOWN))
        InvalidateRect(window, nullptr, FALSE);
    return result;
}

LRESULT OnSetCheck(WindowObject *object, HWND window, WPARAM state, LPARAM lParam) {
    if (object->Kind == KindOptionButton && state == BST_CHECKED && (object->Style & 9)) {
        HWND parent = GetParent(window);
        for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling == window) continue;
            WindowObject *other = ObjectFromHandle(sibling);
            if (other && other->Kind == KindOptionButton)
                SendMessageAW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    PreviousProcessing(object, window, BM_SETCHECK, state, lParam);
    object->Value = (int32_t)state;
    if (object->Kind == KindOptionButton) object->TabStop = (int32_t)(state & 1);
    return 0;
}

LRESULT OnEnable(WindowObject *object, HWND window, BOOL enabled, LPARAM lParam) {
    ChangeEnabled(object, window, enabled ? 1 : 0);
    return EventThenDefault(object, window, WM_ENABLE, enabled, lParam);
}

LRESULT OnSetFont(WindowObject *object, HWND window, WPARAM font, LPARAM redraw) {
    LRESULT result = EventThenDefault(object, window, WM_SETFONT, font, redraw);
    if (object->Kind == KindLabel && IsWindow(window)) {
        MeasureLabelCaption(object);
        AutoSizeControl(object);
    }
    return result;
}

LRESULT OnSetImage(WindowObject *object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ImageRef previous = object->Picture;
    ChangePicture(object, window, message == STM_SETICON ? (uintptr_t)wParam : (uintptr_t)lParam);
    return (LRESULT)previous;
}

LRESULT OnStyleChanged(WindowObject *object, HWND window, WPARAM which, STYLESTRUCT *styles) {
    if (styles) {
        if (which == (WPARAM)GWL_STYLE)
            object->Style = styles->styleNew;
        else
            object->ExStyle = styles->styleNew;
    }
    return EventThenDefault(object, window, WM_STYLECHANGED, which, (LPARAM)styles);
}

LRESULT OnDpiChanged(WindowObject *object, HWND window, WPARAM dpi, const RECT *suggested) {
    if (suggested)
        SetWindowPos(window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return EventThenDefault(object, window, WM_DPICHANGED, dpi, (LPARAM)suggested);
}
