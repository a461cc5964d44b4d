// The runtime's other window procedures: the MDI client and the inner windows
// of combo boxes and IP address boxes.
#include "runtime/winproc/inner_procedures.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/winproc/keyboard.h"
#include "runtime/painting/painting.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

WNDPROC IpEditProcedure;

// MdiClientProc: the client has no object of its own; its input and
// notifications belong to the frame, its parent.

// The system's page sizes written back make it recompute the scroll ranges
// from the children's new places.
static void RecomputeScrollBars(HWND client) {
    const int bars[] = {SB_HORZ, SB_VERT};
    for (int bar : bars) {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_PAGE;
        GetScrollInfo(client, bar, &info);
        SetScrollInfo(client, bar, &info, TRUE);
    }
}

static LRESULT MdiClientFocus(WindowObject *frame, const WindowMessage &m) {
    HWND client = m.Window;
    HWND active = frame->ActiveControl;
    // Without MDI children the frame's own controls take the focus; the
    // system's client would keep it.
    if (!GetWindow(client, GW_CHILD) && active && active != GetFocus() && active != frame->Handle) {
        SetFocus(active);
        return 0;
    }
    return CallWindowProcAW(MdiClientProcedure, client, m.Code, m.WParam, m.LParam);
}

LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject *frame = ObjectFromHandle(GetParent(window));
    if (!frame) return CallWindowProcAW(MdiClientProcedure, window, message, wParam, lParam);
    const WindowMessage m = {window, message, wParam, lParam};
    HWND frameWindow = frame->Handle;

    switch (message) {
    case WM_ERASEBKGND: {
        LRESULT result = CallEventProcedure(frame, frameWindow, message, wParam, lParam);
        if (result) return result;
        return EraseWindowBackground(frame, window, (HDC)wParam);
    }
    case WM_SETCURSOR: return ChooseCursor(frame, m, MdiClientProcedure);
    case WM_COMMAND:
    case WM_NOTIFY: SendMessageAW(frameWindow, message, wParam, lParam); return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: return CallEventProcedure(frame, frameWindow, message, wParam, lParam);
    case WM_SETFOCUS: return MdiClientFocus(frame, m);
    case RTM_CONTROLFOCUSED: frame->ActiveControl = (HWND)lParam; return 0;
    case RTM_CHILDMOVED: RecomputeScrollBars(window); return 0;
    case WM_DESTROY:
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(window, GW_CHILD))
            if (!DestroyWindow(child)) break;
        break;
    }
    return CallWindowProcAW(MdiClientProcedure, window, message, wParam, lParam);
}

// InnerChildProc: the inner windows have no object either; their keys, focus
// and cursor are those of the control they belong to, whose EventProcedure
// hears them with the control's handle.

static bool HasInnerWindows(const WindowObject *object) {
    return object && (object->Kind == KindComboBox || object->Kind == KindExtendedComboBox ||
                      object->Kind == KindIpAddress);
}

// The control an inner window belongs to: its parent, or for the edit
// inside the combo box of an extended combo box, its grandparent. None once
// the control's object is gone, while its inner windows are destroyed.
static WindowObject *InnerOwner(HWND inner) {
    HWND parent = GetParent(inner);
    WindowObject *owner = ObjectFromHandle(parent);
    if (!owner) owner = ObjectFromHandle(GetParent(parent));
    return HasInnerWindows(owner) ? owner : nullptr;
}

// The procedure an inner window had before: the field edits of IP address
// boxes share one; every other inner window keeps its own in its user data.
static WNDPROC PreviousInnerProcedure(HWND inner, const WindowObject *owner) {
    if (owner && owner->Kind == KindIpAddress) return IpEditProcedure;
    return (WNDPROC)GetWindowLongAW(inner, GWLP_USERDATA);
}

struct InnerMessage {
    WindowObject *Owner;
    WNDPROC Previous;
    WindowMessage Message;
};

static LRESULT Previous(const InnerMessage &inner) {
    const WindowMessage &m = inner.Message;
    return CallWindowProcAW(inner.Previous, m.Window, m.Code, m.WParam, m.LParam);
}

static LRESULT OwnerEventProcedure(const InnerMessage &inner) {
    const WindowMessage &m = inner.Message;
    return CallEventProcedure(inner.Owner, inner.Owner->Handle, m.Code, m.WParam, m.LParam);
}

// The owner's EventProcedure, and when it leaves the message alone, the
// inner window's own procedure.
static LRESULT OwnerThenPrevious(const InnerMessage &inner) {
    if (OwnerEventProcedure(inner)) return 0;
    if (!IsWindow(inner.Message.Window)) return 0;
    return Previous(inner);
}

static bool HasDropDownList(const WindowObject *owner) {
    return owner->Kind == KindComboBox || owner->Kind == KindExtendedComboBox;
}

static void KeepListChoice(HWND combo, LRESULT selected) {
    SendMessageAW(combo, CB_SETCURSEL, (WPARAM)selected, 0);
    SetFocus(combo);
}

// Enter and Esc: with the list of a combo box open they close it (Enter
// keeps the highlighted item); otherwise they press the default or the
// cancel button, as in any single-line field of the window.
static LRESULT InnerEnterOrEscape(const InnerMessage &inner) {
    HWND owner = inner.Owner->Handle;
    const WPARAM key = inner.Message.WParam;
    const bool simple = (GetWindowLongAW(owner, GWL_STYLE) & 3) == CBS_SIMPLE;
    if (!HasDropDownList(inner.Owner) || simple || !SendMessageAW(owner, CB_GETDROPPEDSTATE, 0, 0))
        return SendMessageAW(GetParent(owner), RTM_NAVIGATE, key, (LPARAM)owner);
    const LRESULT selected = SendMessageAW(owner, CB_GETCURSEL, 0, 0);
    SendMessageAW(owner, CB_SHOWDROPDOWN, FALSE, 0);
    const bool extended = inner.Owner->Kind == KindExtendedComboBox;
    if (key == VK_RETURN) KeepListChoice(owner, selected);
    const LRESULT result = OwnerThenPrevious(inner);
    // The extended combo box's own field takes Enter as the end of an edit:
    // it clears the selection and keeps the focus. The item chosen in the
    // list stands.
    if (key == VK_RETURN && extended && IsWindow(owner)) KeepListChoice(owner, selected);
    return result;
}

// Up and Down move the selection of a combo box from its field.
static LRESULT InnerUpOrDown(const InnerMessage &inner) {
    if (!HasDropDownList(inner.Owner) || !SendMessageAW(inner.Owner->Handle, CB_GETCOUNT, 0, 0))
        return Previous(inner);
    HWND owner = inner.Owner->Handle;
    const int id = inner.Owner->Id;
    // The edit field of an extended combo box stands inside its combo box;
    // the combo box itself reports its changes.
    const bool extendedField =
        inner.Owner->Kind == KindExtendedComboBox && GetParent(inner.Message.Window) != owner;
    // Selecting the current item again makes the list's move from it a
    // change the combo box reports.
    const LRESULT selected = SendMessageAW(owner, CB_GETCURSEL, 0, 0);
    SendMessageAW(owner, CB_SETCURSEL, (WPARAM)-1, 0);
    SendMessageAW(owner, CB_SETCURSEL, (WPARAM)selected, 0);
    const LRESULT result = Previous(inner);
    // That field moves the selection by CB_SETCURSEL, which notifies
    // nobody; the window hears of the change as from a plain combo box.
    if (extendedField && IsWindow(owner) && SendMessageAW(owner, CB_GETCURSEL, 0, 0) != selected)
        SendMessageAW(GetParent(owner), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)owner);
    return result;
}

static LRESULT InnerKeyDown(const InnerMessage &inner) {
    LRESULT preview = PreviewKey(inner.Owner, inner.Message);
    if (preview) return preview;
    HWND owner = inner.Owner->Handle;
    switch (inner.Message.WParam) {
    case VK_TAB: SendMessageAW(owner, RTM_NAVIGATE, VK_TAB, (LPARAM)owner); return 0;
    case VK_ESCAPE:
    case VK_RETURN: return InnerEnterOrEscape(inner);
    case VK_UP:
    case VK_DOWN: return InnerUpOrDown(inner);
    default: return OwnerThenPrevious(inner);
    }
}

// Editing shortcuts reach the field whatever the application answers:
// Ctrl+A, C, E, line feed, Ctrl+V, X, Y and Z.
static bool IsEditingControlCharacter(WPARAM character) {
    switch (character) {
    case 1:
    case 3:
    case 5:
    case 10:
    case 22:
    case 24:
    case 25:
    case 26: return true;
    default: return false;
    }
}

static LRESULT InnerChar(const InnerMessage &inner) {
    LRESULT preview = PreviewKey(inner.Owner, inner.Message);
    if (preview) return preview;
    const WPARAM character = inner.Message.WParam;
    if (IsEditingControlCharacter(character)) return Previous(inner);
    // Tab, Esc and Enter were handled as keys; in the field they would beep.
    if (character == '\t' || character == 27 || character == '\r') {
        OwnerEventProcedure(inner);
        return 0;
    }
    return OwnerThenPrevious(inner);
}

LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject *owner = InnerOwner(window);
    const WNDPROC previous = PreviousInnerProcedure(window, owner);
    if (!previous) return 0;
    const InnerMessage inner = {owner, previous, {window, message, wParam, lParam}};
    if (!owner) return Previous(inner);

    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) return Previous(inner);
        return ChooseCursor(owner, inner.Message, previous);
    case WM_SETFOCUS:
        SendMessageAW(GetParent(owner->Handle), RTM_CONTROLFOCUSED, 0, (LPARAM)owner->Handle);
        return Previous(inner);
    case WM_SYSCOMMAND:
        // Alt+letter mnemonics belong to the window.
        SendMessageAW(GetParent(owner->Handle), message, wParam, lParam);
        return 0;
    case WM_KEYDOWN: return InnerKeyDown(inner);
    case WM_KEYUP: {
        LRESULT preview = PreviewKey(owner, inner.Message);
        if (preview) return preview;
        return OwnerThenPrevious(inner);
    }
    case WM_CHAR: return InnerChar(inner);
    default: return Previous(inner);
    }
}
