// The keyboard interface of a dialog box for runtime windows: Tab and arrow
// navigation, Enter and Esc, mnemonics, key preview and the default button.
#include "runtime/winproc/keyboard.h"
#include "runtime/winproc/focus.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

static bool IsArrowKey(WPARAM key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// A window that previews its controls' keys sees them first.
LRESULT PreviewKey(WindowObject *control, const WindowMessage &m) {
    WindowObject *owner = ObjectFromHandle(control->ParentHandle);
    if (!owner || (owner->Kind != KindWindow && owner->Kind != KindDialog) || !owner->KeyPreview ||
        !owner->EventProcedure)
        return 0;
    return CallEventProcedure(owner, m);
}

static LRESULT Navigate(HWND control, WPARAM key) {
    return SendMessageAW(GetParent(control), RTM_NAVIGATE, key, (LPARAM)control);
}

// Navigation first, then the control's own processing of the key unless the
// navigation closed the window.
static LRESULT NavigateThenDefault(WindowObject *object, const WindowMessage &m) {
    Navigate(m.Window, m.WParam);
    if (!IsWindow(m.Window)) return 0;
    return DefaultProcessing(object, m);
}

LRESULT OnKeyDown(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM key = m.WParam;
    const int kind = object->Kind;
    if (!IsWindowKind(kind)) {
        LRESULT preview = PreviewKey(object, m);
        if (preview) return preview;
    }
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    if (!IsWindow(window)) return 0;

    if (IsWindowKind(kind)) {
        if (key == VK_TAB && object->ActiveControl) {
            SetFocus(object->ActiveControl);
            return 0;
        }
        if (key == VK_ESCAPE) {
            SendMessageAW(window, RTM_NAVIGATE, VK_ESCAPE, (LPARAM)window);
            return 0;
        }
        return DefaultProcessing(object, m);
    }
    if (IsArrowKey(key)) {
        if (IsButtonKind(kind)) return Navigate(window, key);
        return DefaultProcessing(object, m);
    }
    switch (key) {
    case VK_TAB: Navigate(window, VK_TAB); return 0;
    case VK_ESCAPE:
        // An open drop-down list closes on Esc; the cancel button waits.
        if (SendMessageAW(window, CB_GETDROPPEDSTATE, 0, 0)) return DefaultProcessing(object, m);
        Navigate(window, VK_ESCAPE);
        return 0;
    case VK_RETURN:
        if (kind == KindComboBox) {
            if (SendMessageAW(window, CB_GETDROPPEDSTATE, 0, 0))
                return DefaultProcessing(object, m);
            Navigate(window, VK_RETURN);
            return 0;
        }
        if (IsTextBoxKind(kind) && (object->Style & ES_WANTRETURN))
            return DefaultProcessing(object, m);
        if (kind == KindLink && (object->Style & LWS_IGNORERETURN))
            return Navigate(window, VK_RETURN);
        return NavigateThenDefault(object, m);
    default: return DefaultProcessing(object, m);
    }
}

LRESULT OnChar(WindowObject *object, const WindowMessage &m) {
    const WPARAM character = m.WParam;
    const int kind = object->Kind;
    if (IsWindowKind(kind)) {
        if (character == '\t' && object->ActiveControl) {
            SetFocus(object->ActiveControl);
            return 0;
        }
        return EventThenDefault(object, m);
    }
    LRESULT preview = PreviewKey(object, m);
    if (preview) return preview;
    // Tab, Esc and Enter were handled as keys; their characters would beep.
    if (character == '\t' || character == 27) return 0;
    if (character == '\r' && !(IsTextBoxKind(kind) && (object->Style & ES_WANTRETURN))) return 0;
    return EventThenDefault(object, m);
}

LRESULT OnKeyUp(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowKind(object->Kind)) {
        LRESULT preview = PreviewKey(object, m);
        if (preview) return preview;
    }
    return EventThenDefault(object, m);
}

static bool PassesFocusOn(const WindowObject *object) {
    // A disabled text box would take the keys typed into it.
    if (IsTextBoxKind(object->Kind) && !object->Enabled) return true;
    switch (object->Kind) {
    case KindLabel:
    case KindGroupBox:
    case KindImage:
    case KindToolbar:
    case KindStatusBar:
    case KindProgressBar:
    case KindPager:
    case KindRebar: return true;
    default: return false;
    }
}

LRESULT OnSetFocus(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const int kind = object->Kind;
    if (IsWindowKind(kind)) {
        if (kind == KindWindow && object->MdiChild)
            SendMessageAW(GetParent(window), RTM_CONTROLFOCUSED, 0, (LPARAM)window);
        RestoreFocus(window);
        return EventThenDefault(object, m);
    }
    if (IsTextBoxKind(kind) && !object->MultiLine) SendMessageAW(window, EM_SETSEL, 0, -1);
    SendMessageAW(GetParent(window), RTM_CONTROLFOCUSED, 0, (LPARAM)window);
    if (PassesFocusOn(object)) return Navigate(window, VK_TAB);
    return EventThenDefault(object, m);
}

static void ClickCommand(WindowObject *window, HWND button) {
    WindowObject *control = ObjectFromHandle(button);
    // As in the dialog manager, no key presses a disabled button.
    if (!control || !IsWindowEnabled(button)) return;
    CallEventProcedure(window, window->Handle, WM_COMMAND, MAKEWPARAM(control->Id, BN_CLICKED),
                       (LPARAM)button);
}

LRESULT OnNavigate(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM key = m.WParam;
    HWND control = (HWND)m.LParam;
    if (!IsWindowKind(object->Kind)) {
        // A container passes the key on for the control where it was pressed:
        // Enter on a button inside it presses that button.
        SendMessageAW(GetParent(window), RTM_NAVIGATE, key, (LPARAM)control);
        return 0;
    }
    if (key == VK_TAB || IsArrowKey(key)) {
        const bool shift = (GetKeyState(VK_SHIFT) & KeyDownBit) != 0;
        const bool backwards = key == VK_UP || key == VK_LEFT || (key == VK_TAB && shift);
        WindowObject *active = ObjectFromHandle(object->ActiveControl);
        int index = active && !IsWindowKind(active->Kind) ? active->Index : (backwards ? 0 : -1);
        HWND next = FindFocusableControl(window, backwards ? index - 1 : index + 1,
                                         {.Backwards = backwards, .ArrowMode = key != VK_TAB});
        // No control takes the focus: the window keeps it. Were the control
        // that passed it on still the active one, the window would hand the
        // focus back to it and the two would pass it to and fro.
        if (next == window) object->ActiveControl = window;
        SetFocus(next);
        return 0;
    }
    if (key == VK_RETURN) {
        WindowObject *source = ObjectFromHandle(control);
        if (source && source->Kind == KindPushButton)
            ClickCommand(object, control);
        else if (object->DefaultButton)
            ClickCommand(object, object->DefaultButton);
        return 0;
    }
    if (key == VK_ESCAPE) {
        HWND cancel = FindCancelButton(window);
        if (cancel) ClickCommand(object, cancel);
    }
    return 0;
}

static bool IsPushButton(HWND window) {
    WindowObject *object = ObjectFromHandle(window);
    return object && object->Kind == KindPushButton;
}

LRESULT OnControlFocused(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    HWND control = (HWND)m.LParam;
    if (!IsWindowKind(object->Kind)) {
        SendMessageAW(GetParent(window), RTM_CONTROLFOCUSED, 0, (LPARAM)control);
        return 0;
    }
    HWND previous = object->ActiveControl;
    if (previous) {
        if (IsPushButton(control)) {
            if (object->DefaultButton && object->DefaultButton != control)
                SetDefaultLook(object->DefaultButton, 0);
            SetDefaultLook(previous, 0);
        } else {
            if (object->DefaultButton) SetDefaultLook(object->DefaultButton, 1);
            if (previous != object->DefaultButton && IsPushButton(previous))
                SetDefaultLook(previous, 0);
        }
    }
    object->ActiveControl = control;
    if (IsPushButton(control)) SetDefaultLook(control, 1);
    return 0;
}

LRESULT OnFocusNext(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    HWND control = (HWND)m.LParam;
    WindowObject *disabled = ObjectFromHandle(control);
    if (IsWindowKind(object->Kind) && control == object->ActiveControl && disabled &&
        !IsWindowKind(disabled->Kind))
        SetFocus(FindFocusableControl(window, disabled->Index + 1, {}));
    return 0;
}

LRESULT OnGetDefId(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowKind(object->Kind)) return EventThenDefault(object, m);
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    WindowObject *button = ObjectFromHandle(object->DefaultButton);
    if (!button) return 0;
    return MAKELONG(ControlId(button->Index), DC_HASDEFID);
}

LRESULT OnSetDefId(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM id = m.WParam;
    if (!IsWindowKind(object->Kind)) return EventThenDefault(object, m);
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    if (id == 0) {
        HWND old = object->DefaultButton;
        if (IsPushButton(old)) {
            SetDefaultLook(old, 0);
            if (old == object->ActiveControl)
                SendMessageAW(window, RTM_CONTROLFOCUSED, 0, (LPARAM)old);
        }
        object->DefaultButton = nullptr;
        return 1;
    }
    HWND button = ControlByIndex(window, ControlIndex((int)id));
    if (!IsPushButton(button)) return 1;
    if (IsPushButton(object->ActiveControl)) {
        object->DefaultButton = button;
        return 1;
    }
    if (IsPushButton(object->DefaultButton)) {
        SetDefaultLook(object->DefaultButton, 0);
        InvalidateRect(object->DefaultButton, nullptr, TRUE);
    }
    SetDefaultLook(button, 1);
    object->DefaultButton = button;
    SendMessageAW(window, RTM_CONTROLFOCUSED, 0, (LPARAM)object->ActiveControl);
    return 1;
}

void DropDefaultLook(WindowObject *object) {
    HWND defaultButton = object->DefaultButton;
    SendMessageAW(object->Handle, DM_SETDEFID, 0, 0);
    SetDefaultLook(object->ActiveControl, 0);
    object->DefaultButton = defaultButton;
}

static unsigned UpperCaseChar(unsigned char c) {
    return (unsigned char)(uintptr_t)CharUpperA((LPSTR)(uintptr_t)c);
}
static unsigned UpperCaseChar(wchar_t c) {
    return (wchar_t)(uintptr_t)CharUpperW((LPWSTR)(uintptr_t)c);
}

// The character after the first "&" of a caption that is not "&&" (a
// literal ampersand), compared with the typed one in either case.
template <class Ch> static bool HasMnemonic(const Ch *text, unsigned typed) {
    if (!text) return false;
    for (; *text; ++text) {
        if (*text != '&') continue;
        if (text[1] == '&') {
            ++text;
            continue;
        }
        return text[1] && UpperCaseChar(text[1]) == UpperCaseChar((Ch)typed);
    }
    return false;
}

static bool CaptionHasMnemonic(const void *text, unsigned typed) {
    return UnicodeFlag ? HasMnemonic((const wchar_t *)text, typed)
                       : HasMnemonic((const unsigned char *)text, typed);
}

static void Click(HWND control) {
    SendMessageAW(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageAW(control, WM_LBUTTONUP, 0, 0);
}

// The first tab whose text carries the mnemonic, or -1.
static int TabWithMnemonic(const WindowObject *tabs, unsigned typed) {
    for (int tab = 0; tab < tabs->ItemCount; ++tab) {
        wchar_t text[66] = {};
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 66;
        // The item text comes back in the form of the message sent.
        const bool found = SendMessageAW(tabs->Handle, TextMessageAW(TCM_GETITEMA, TCM_GETITEMW),
                                         tab, (LPARAM)&item);
        if (found && CaptionHasMnemonic(text, typed)) return tab;
    }
    return -1;
}

// Selects a tab as a click on it would, with the notices around the change.
static void SelectTab(WindowObject *tabs, HWND window, int tab) {
    SetFocus(tabs->Handle);
    if (!IsWindow(window)) return;
    NMHDR header = {tabs->Handle, (UINT_PTR)tabs->Id, (UINT)TCN_SELCHANGING};
    HWND parent = GetParent(tabs->Handle);
    SendMessageAW(parent, WM_NOTIFY, tabs->Id, (LPARAM)&header);
    SendMessageAW(tabs->Handle, TCM_SETCURSEL, tab, 0);
    header.code = (UINT)TCN_SELCHANGE;
    SendMessageAW(parent, WM_NOTIFY, tabs->Id, (LPARAM)&header);
}

// A control answers a mnemonic by its caption; a tab control by one of its
// tabs, whose index goes to *tab.
static bool MatchesMnemonic(const WindowObject *object, unsigned typed, int *tab) {
    if (object->Kind != KindTabControl) return CaptionHasMnemonic(object->TextBuffer, typed);
    *tab = TabWithMnemonic(object, typed);
    return *tab >= 0;
}

static HWND HandleMnemonic(WindowObject *receiver, unsigned typed) {
    HWND window = IsWindowKind(receiver->Kind) ? receiver->Handle : receiver->ParentHandle;
    WindowObject *owner = ObjectFromHandle(window);
    const int count = ControlCount(window);
    if (!owner || count == 0) return nullptr;
    WindowObject *active = ObjectFromHandle(owner->ActiveControl);
    if (!active || IsWindowKind(active->Kind)) {
        owner->ActiveControl = ControlByIndex(window, 0);
        active = ObjectFromHandle(owner->ActiveControl);
        if (!active) return nullptr;
    }
    const int start = active->Index + 1;
    HWND found = nullptr;
    WindowObject *foundObject = nullptr;
    int foundTab = -1;
    bool shared = false;
    for (int step = 0; step < count && !shared; ++step) {
        const int index = (start + step) % count;
        HWND control = ControlByIndex(window, index);
        WindowObject *object = ObjectFromHandle(control);
        if (!object || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
        int tab = -1;
        if (!MatchesMnemonic(object, typed, &tab)) continue;
        shared = found != nullptr;
        if (!found) {
            found = control;
            foundObject = object;
            foundTab = tab;
        }
    }
    if (!found) return nullptr;
    // As in the dialog manager, a mnemonic that several controls share only
    // moves the focus on to the next of them; only a unique one presses.
    if (shared)
        SetFocus(found);
    else if (foundObject->Kind == KindTabControl) {
        SelectTab(foundObject, window, foundTab);
        return found;
    } else if (IsButtonKind(foundObject->Kind))
        Click(found);
    else
        SetFocus(found);
    return IsWindow(window) ? found : nullptr;
}

LRESULT OnKeyMenu(WindowObject *object, const WindowMessage &m) {
    const unsigned character = (unsigned)m.LParam;
    if (HandleMnemonic(object, character)) return 0;
    if (!IsWindow(m.Window)) return 0;
    return EventThenDefault(object, m);
}
