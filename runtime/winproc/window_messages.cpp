// The rows of the window procedure that it handles itself: binding at the
// first message, mouse buttons, control state, commands, window state and
// the runtime's answers about itself.
#include "runtime/winproc/cursors.h"
#include "runtime/winproc/handlers.h"
#include "runtime/templates/appearance.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

// Binding a window to its object at its first message.

LRESULT OnNcCreate(const WindowMessage &m) {
    HWND window = m.Window;
    WindowObject *object = PendingObject;
    if (!object) return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
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
    CallEventProcedure(object, m);
    if (object->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, m.Code, m.WParam, m.LParam);
    return 1;
}

LRESULT OnUnknownWindow(const WindowMessage &m) {
    HWND window = m.Window;
    // A window whose object is gone still frees what the system keeps for it.
    if (m.Code == WM_NCDESTROY) return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
    if (!PendingObject) return 0;
    if (PendingObject->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, m.Code, m.WParam, m.LParam);
    return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
}

static bool IsMinimised(WindowObject *object) {
    return IsIconic(object->Handle) != 0;
}

// Mouse: hit tests, buttons and scroll bars.

LRESULT OnNcButtonDown(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM hitTest = m.WParam;
    if (IsWindowKind(object->Kind) && !IsMinimised(object) && hitTest != HTNOWHERE)
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

// Control state: check marks, enabling, fonts, images and styles.

LRESULT OnSetCheck(WindowObject *object, const WindowMessage &m) {
    const int kind = object->Kind;
    if (kind != KindCheckBox && kind != KindOptionButton) return EventThenDefault(object, m);
    HWND window = m.Window;
    const WPARAM state = m.WParam;
    if (kind == KindOptionButton && state == BST_CHECKED &&
        (object->Style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        HWND parent = GetParent(window);
        for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling == window) continue;
            WindowObject *other = ObjectFromHandle(sibling);
            if (other && other->Kind == KindOptionButton)
                SendMessageAW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    PreviousProcessing(object, m);
    object->Value = (int32_t)state;
    if (object->Kind == KindOptionButton) object->TabStop = (int32_t)(state & 1);
    return 0;
}

LRESULT OnEnable(WindowObject *object, const WindowMessage &m) {
    const BOOL enabled = (BOOL)m.WParam;
    ChangeEnabled(object, m.Window, enabled ? 1 : 0);
    return EventThenDefault(object, m);
}

LRESULT OnSetFont(WindowObject *object, const WindowMessage &m) {
    LRESULT result = EventThenDefault(object, m);
    if (object->Kind == KindLabel && IsWindow(m.Window)) {
        MeasureLabelCaption(object);
        AutoSizeControl(object);
    }
    return result;
}

LRESULT OnSetImage(WindowObject *object, const WindowMessage &m) {
    if (object->Kind != KindImage) return EventThenDefault(object, m);
    // STM_SETICON carries the icon in wParam, STM_SETIMAGE the image in lParam.
    const uintptr_t image = m.Code == STM_SETICON ? (uintptr_t)m.WParam : (uintptr_t)m.LParam;
    // As with the system's static control, the image handed back belongs to
    // the caller, who may delete it; the runtime no longer uses it.
    return (LRESULT)InstallPicture(object, m.Window, image);
}

LRESULT OnSetImageList(WindowObject *object, const WindowMessage &m) {
    if (object->Kind != KindExtendedComboBox) return EventThenDefault(object, m);
    LRESULT result = PreviousProcessing(object, m);
    FitComboHeight(object, 1);
    return result;
}

LRESULT OnStyleChanged(WindowObject *object, const WindowMessage &m) {
    const WPARAM which = m.WParam;
    const STYLESTRUCT *styles = (const STYLESTRUCT *)m.LParam;
    if (styles) {
        if (which == (WPARAM)GWL_STYLE)
            object->Style = styles->styleNew;
        else
            object->ExStyle = styles->styleNew;
    }
    return EventThenDefault(object, m);
}

// Commands: WM_COMMAND and WM_NOTIFY by the receiver's kind, system commands.

LRESULT OnCommand(WindowObject *object, const WindowMessage &m) {
    const int kind = object->Kind;
    if (IsWindowKind(kind)) return OnWindowCommand(object, m);
    if (IsContainerKind(kind)) return OnContainerCommand(object, m);
    return PreviousProcessing(object, m);
}

LRESULT OnContainerCommand(WindowObject *object, const WindowMessage &m) {
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    return SendMessageAW(GetParent(m.Window), m.Code, m.WParam, m.LParam);
}

LRESULT OnSysCommand(WindowObject *object, const WindowMessage &m) {
    const WPARAM command = m.WParam & SystemCommandMask;
    if (command == SC_KEYMENU) return OnKeyMenu(object, m);
    switch (command) {
    case SC_MINIMIZE: object->WindowState = WindowMinimised; break;
    case SC_MAXIMIZE: object->WindowState = WindowMaximised; break;
    case SC_RESTORE: object->WindowState = WindowNormal; break;
    }
    return EventThenDefault(object, m);
}

// Window state: activation and monitor changes.

LRESULT OnNcActivate(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const BOOL active = (BOOL)m.WParam;
    if (IsWindowKind(object->Kind) && !IsMinimised(object)) {
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

LRESULT OnDpiChanged(WindowObject *object, const WindowMessage &m) {
    const RECT *suggested = (const RECT *)m.LParam;
    if (suggested)
        SetWindowPos(m.Window, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return EventThenDefault(object, m);
}

// Answers about an object and the runtime, for the floors above.

LRESULT OnGetObject(WindowObject *object, const WindowMessage &) {
    return (LRESULT)object;
}

LRESULT OnGetThemeLibrary(const WindowMessage &) {
    return (LRESULT)ThemeTable.Library;
}

LRESULT OnHasManifest(const WindowMessage &) {
    return HasManifest;
}
