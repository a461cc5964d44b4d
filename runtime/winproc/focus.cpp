// Focus order among a window's controls (by Index, nested containers
// included) and the default push button's look.
#include "runtime/winproc/focus.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

// The controls of a window in depth-first order of its child windows. An
// MDI frame's client has no object, so its children are not the frame's.
template <class Visit> static bool WalkControls(HWND parent, Visit &visit) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        WindowObject *control = ObjectFromHandle(child);
        if (!control) continue;
        if (visit(child, control)) return true;
        if (IsContainerKind(control->Kind) && WalkControls(child, visit)) return true;
    }
    return false;
}

int ControlCount(HWND window) {
    int count = 0;
    auto visit = [&](HWND, WindowObject *) {
        ++count;
        return false;
    };
    WalkControls(window, visit);
    return count;
}

HWND ControlByIndex(HWND window, int index) {
    HWND found = nullptr;
    auto visit = [&](HWND child, WindowObject *control) {
        if (control->Index != index) return false;
        found = child;
        return true;
    };
    WalkControls(window, visit);
    return found;
}

static void Click(HWND control) {
    SendMessageAW(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageAW(control, WM_LBUTTONUP, 0, 0);
}

// The checked option button among control's siblings, or 0.
static HWND CheckedOption(HWND control) {
    for (HWND sibling = GetWindow(GetParent(control), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        WindowObject *other = ObjectFromHandle(sibling);
        if (other && other->Kind == KindOptionButton &&
            SendMessageAW(sibling, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return sibling;
    }
    return nullptr;
}

static bool Qualifies(HWND control, bool arrowMode) {
    WindowObject *object = ObjectFromHandle(control);
    // A template may disable a control whose window the system enables.
    if (!object || !IsWindowVisible(control) || !IsWindowEnabled(control) || !object->Enabled)
        return false;
    return object->TabStop || (arrowMode && object->Kind == KindOptionButton);
}

HWND FindFocusableControl(HWND window, int start, FocusSearch search) {
    const bool backwards = search.Backwards;
    const int count = ControlCount(window);
    if (count == 0) return window;
    // Backwards from before the first control is the last one, so that
    // Shift+Tab, Up and Left on the first control wrap like Tab on the last.
    if (backwards && (start < 0 || start >= count)) start = count - 1;
    if (start < 0) start = 0;
    if (start > count) start = count;
    // Forwards start .. count-1, then 0 .. start-1; backwards start .. 0, then
    // count-1 downwards.
    for (int step = 0; step < count; ++step) {
        const int index =
            backwards ? ((start - step) % count + count) % count : (start + step) % count;
        HWND control = ControlByIndex(window, index);
        if (!control || !Qualifies(control, search.ArrowMode)) continue;
        WindowObject *object = ObjectFromHandle(control);
        if (object->Kind == KindOptionButton) {
            if (search.ArrowMode) Click(control);
            if (search.PreferChecked) return CheckedOption(control);
        }
        return control;
    }
    return window;
}

HWND FirstFocusableControl(HWND window) {
    HWND best = nullptr;
    int bestIndex = 0;
    auto visit = [&](HWND child, WindowObject *control) {
        if (control->TabStop && control->Visible && control->Enabled &&
            (!best || control->Index < bestIndex)) {
            best = child;
            bestIndex = control->Index;
        }
        return false;
    };
    WalkControls(window, visit);
    return best ? best : window;
}

// The first push button whose field (IsDefault or Cancel) is set.
static HWND FindPushButton(HWND window, int32_t WindowObject::*field) {
    HWND found = nullptr;
    auto visit = [&](HWND child, WindowObject *control) {
        if (control->Kind != KindPushButton) return false;
        const bool match = control->*field != 0;
        if (match) found = child;
        return match;
    };
    WalkControls(window, visit);
    return found;
}

HWND FindDefaultButton(HWND window) {
    return FindPushButton(window, &WindowObject::IsDefault);
}
HWND FindCancelButton(HWND window) {
    return FindPushButton(window, &WindowObject::Cancel);
}

void SetDefaultLook(HWND button, int on) {
    WindowObject *object = ObjectFromHandle(button);
    if (!object || object->Kind != KindPushButton) return;
    object->IsDefault = on ? 1 : 0;
    if (!object->OwnerDrawn) {
        DWORD style = LOWORD(GetWindowLongAW(button, GWL_STYLE));
        style = on ? (style | BS_DEFPUSHBUTTON) : (style & ~BS_DEFPUSHBUTTON);
        SendMessageAW(button, BM_SETSTYLE, style, TRUE);
    }
    InvalidateRect(button, nullptr, FALSE);
}

void RestoreFocus(HWND window) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return;
    if (!object->ActiveControl || object->ActiveControl == window)
        object->ActiveControl = FindFocusableControl(window, 0, {.PreferChecked = true});
    if (object->ActiveControl) SetFocus(object->ActiveControl);
}
