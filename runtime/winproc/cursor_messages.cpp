// Hover tracking, hyperlink labels, the choice of the mouse cursor and the
// busy state with its wait cursor.
#include "runtime/winproc/cursor_messages.h"
#include "runtime/templates/appearance.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>
#include <string.h>

void StartLeaveTracking(HWND window) {
    HoverWindow = window;
    HMODULE user = LoadLibraryA("user32.dll");
    if (!user) return;
    typedef BOOL(WINAPI * TrackFunction)(TRACKMOUSEEVENT *);
    TrackFunction track = (TrackFunction)GetProcAddress(user, "TrackMouseEvent");
    if (track) {
        TRACKMOUSEEVENT request = {sizeof request, TME_LEAVE, window, 0};
        track(&request);
        InvalidateRect(window, nullptr, FALSE);
    }
    FreeLibrary(user);
}

static bool IsHoverCandidate(WindowObject *object) {
    const bool themed = ThemeTable.Library && HasManifest && OsLevel >= OsXp;
    if (object->Kind == KindPushButton && object->OwnerDrawn && themed) return true;
    if (object->TrackMouse) return true;
    return object->Kind == KindLabel && object->Hyperlink;
}

LRESULT OnMouseMove(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const WPARAM keys = m.WParam;
    if (keys & MK_LBUTTON) return EventThenDefault(object, m);
    if (IsHoverCandidate(object) && HoverWindow != window) {
        StartLeaveTracking(window);
        if (object->Kind == KindLabel && object->Hyperlink) {
            object->ForeColor = (COLORREF)object->HoverColor;
            SendMessageAW(window, RTM_REDRAWAREA, 0, 0);
        }
        if (!object->TrackMouse) return DefaultProcessing(object, m);
    }
    return EventThenDefault(object, m);
}

LRESULT OnMouseLeave(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    InterlockedExchangePointer((void **)&HoverWindow, nullptr);
    if (object->Kind == KindLabel && object->Hyperlink &&
        object->ForeColor == (COLORREF)object->HoverColor) {
        object->ForeColor = (COLORREF)ResolveColour(object, object->ForeColorSetting, 0);
        SendMessageAW(window, RTM_REDRAWAREA, 0, 0);
    }
    if (object->TrackMouse) return EventThenDefault(object, m);
    return DefaultProcessing(object, m);
}

template <class Ch> static void OpenTarget(const Ch *text) {
    enum { TargetChars = ConversionBufferBytes / sizeof(Ch) };
    Ch target[TargetChars] = {};
    int n = 0;
    bool mail = false;
    for (const Ch *c = text; *c; ++c)
        if (*c == '@') mail = true;
    if (mail)
        for (const char *prefix = "mailto:"; *prefix; ++prefix)
            target[n++] = (Ch)*prefix;
    CopyTextBounded(target + n, text, TargetChars - n);

    HMODULE shell = LoadLibraryA("shell32.dll");
    if (!shell) return;
    HMODULE ole = LoadLibraryA("ole32.dll");
    if (ole) {
        typedef HRESULT(WINAPI * InitFunction)(void *, DWORD);
        InitFunction init = (InitFunction)GetProcAddress(ole, "CoInitializeEx");
        if (init) init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    }
    typedef HINSTANCE(WINAPI * ExecuteFunction)(HWND, const Ch *, const Ch *, const Ch *,
                                                const Ch *, INT);
    ExecuteFunction execute =
        (ExecuteFunction)GetProcAddress(shell, sizeof(Ch) == 2 ? "ShellExecuteW" : "ShellExecuteA");
    if (execute) execute(nullptr, nullptr, target, nullptr, nullptr, SW_SHOWDEFAULT);
    if (ole) {
        typedef void(WINAPI * UninitFunction)();
        UninitFunction uninit = (UninitFunction)GetProcAddress(ole, "CoUninitialize");
        if (uninit) uninit();
        FreeLibrary(ole);
    }
    FreeLibrary(shell);
}

void OpenHyperlink(WindowObject *label, HWND window, WPARAM keys) {
    GetWindowTextAW(window, ConversionBuffer, 257);
    if (CallEventProcedure(label, window, RTM_LINKCLICKED, keys, (LPARAM)ConversionBuffer)) return;
    if (!IsWindow(window)) return;
    BeginBusy(label->ParentHandle);
    if (UnicodeFlag)
        OpenTarget((const wchar_t *)ConversionBuffer);
    else
        OpenTarget((const char *)ConversionBuffer);
    EndBusy();
}

// The system cursors of the cursor codes 0 to 13 (IDC_ARROW to IDC_HELP).
static const WORD CursorIds[] = {
    32512, 32512, 32513, 32514, 32515, 32516, 32646,
    32642, 32643, 32644, 32645, 32648, 32650, 32651,
};
constexpr WORD ArrowCursorId = 32512;
constexpr WORD IBeamCursorId = 32513;

static HCURSOR SystemCursor(WORD id) {
    return (HCURSOR)LoadImageW(nullptr, MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0,
                               LR_SHARED | LR_DEFAULTSIZE | LR_LOADMAP3DCOLORS);
}

static HCURSOR CursorForCode(int code) {
    if (code < 0 || code >= (int)(sizeof CursorIds / sizeof CursorIds[0])) code = 0;
    return SystemCursor(CursorIds[code]);
}

static bool IsKind(HWND window, int kind) {
    WindowObject *object = ObjectFromHandle(window);
    return object && object->Kind == kind;
}

LRESULT OnSetCursor(WindowObject *object, const WindowMessage &m) {
    if (object->Kind == KindLink) return EventThenDefault(object, m);
    return ChooseCursor(object, m, nullptr);
}

LRESULT ChooseCursor(WindowObject *object, const WindowMessage &m, WNDPROC receiverProcedure) {
    HWND window = m.Window;
    HWND under = (HWND)m.WParam;
    if (Busy) return 1;
    LRESULT result = CallEventProcedure(object, object->Handle, m.Code, m.WParam, m.LParam);
    if (result) return result;
    if (!IsWindow(window)) return 0;

    WindowObject *applies = ObjectFromHandle(under);
    if (!applies) applies = ObjectFromHandle(GetParent(under));
    if (!applies) applies = object;

    HCURSOR cursor;
    const int code = applies->MousePointer;
    const int kind = applies->Kind;
    if (code == CustomMousePointer && applies->MouseIcon) {
        cursor = (HCURSOR)applies->MouseIcon;
    } else if (kind == KindTextBox || kind == KindRichTextBox || kind == KindIpAddress ||
               kind == KindComboBox || kind == KindExtendedComboBox) {
        if (code != 0) {
            cursor = CursorForCode(code);
        } else if (kind == KindComboBox || kind == KindExtendedComboBox) {
            const bool onCombo = under == applies->Handle || (kind == KindExtendedComboBox &&
                                                              GetParent(under) == applies->Handle &&
                                                              !IsKind(under, KindTextBox));
            const bool dropDownList =
                (GetWindowLongAW(applies->Handle, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
            cursor = SystemCursor(onCombo || dropDownList ? ArrowCursorId : IBeamCursorId);
        } else {
            cursor = SystemCursor(IBeamCursorId);
        }
    } else if (kind == KindRebar) {
        if (applies->LastHitTest == RBHT_GRABBER) {
            if (applies->GripperPointer == 0) {
                // The rebar's own procedure shows its sizing cursor over the grabber.
                const WindowMessage toRebar = {applies->Handle, m.Code, m.WParam, m.LParam};
                return PreviousProcessing(applies, toRebar);
            }
            cursor = CursorForCode(applies->GripperPointer);
        } else {
            cursor = CursorForCode(code);
        }
    } else {
        if (IsKind(under, KindRebar))
            return receiverProcedure
                       ? CallWindowProcAW(receiverProcedure, window, m.Code, m.WParam, m.LParam)
                       : DefaultProcessing(object, m);
        cursor = CursorForCode(code);
    }

    // The class cursor is the one DefWindowProc shows; it is ours for a moment.
    HCURSOR previous = (HCURSOR)SetClassLongPtrW(window, GCLP_HCURSOR, (LONG_PTR)cursor);
    DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
    SetClassLongPtrW(window, GCLP_HCURSOR, (LONG_PTR)previous);
    return 1;
}

// The busy state: wait cursor and mouse capture.
int Busy;
HWND SavedCapture;
HWND HoverWindow;
int LinkPressed;

void BeginBusy(HWND window) {
    HWND capture = GetCapture();
    if (capture != window) {
        SavedCapture = capture;
        ReleaseCapture();
    }
    if (Busy) return;
    Busy = 1;
    SetCursor(WaitCursor);
    SetCapture(window);
}

void EndBusy() {
    if (Busy) {
        Busy = 0;
        SetCursor(ArrowCursor);
        ReleaseCapture();
    }
    if (SavedCapture) {
        SetCapture(SavedCapture);
        SavedCapture = nullptr;
    }
}
