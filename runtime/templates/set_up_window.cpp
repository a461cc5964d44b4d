// SetUpWindow: a window finished at its WM_CREATE or WM_INITDIALOG, from its
// menu and tooltips to its controls.
#include "runtime/templates/set_up_window.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/create_controls.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/shown_state.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

static void AttachMenu(WindowObject *object, HWND window) {
    if (IsResourceNumber(object->Menu)) {
        HMENU loaded = LoadMenuAW(App->Instance, (int)object->Menu);
        if (loaded) object->Menu = (uintptr_t)loaded;
    }
    if (!object->Menu && object->Kind == KindMdiFrame) object->Menu = (uintptr_t)CreateMenu();
    // Attaching no menu to a window that has none changes nothing but has
    // the system compute the frame again.
    if (object->Menu || GetMenu(window)) SetMenu(window, (HMENU)object->Menu);
}

static void CreateToolTipWindow(WindowObject *object, HWND window) {
    if (object->ToolTipStyle == ToolTipsNone) return;
    DWORD style = TTS_ALWAYSTIP;
    if (object->ToolTipStyle == ToolTipsBalloon) style |= TTS_BALLOON;
    object->ToolTip =
        CreateRuntimeWindow(0, L"Tooltips_class32", nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, nullptr);
    object->ToolTipStyle = 0;
}

template <class Ch> static void AddToolT(HWND toolTip, HWND owner, HWND control, void *text) {
    struct ToolInfo {
        UINT cbSize, uFlags;
        HWND hwnd;
        UINT_PTR uId;
        RECT rect;
        HINSTANCE hinst;
        Ch *lpszText;
        LPARAM lParam;
    } info = {};
    static_assert(sizeof(ToolInfo) == 44);
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = (UINT_PTR)control;
    info.lpszText = (Ch *)text;
    SendMessageAW(toolTip, TextMessageT<Ch>(TTM_ADDTOOLA, TTM_ADDTOOLW), 0, (LPARAM)&info);
}

// Every control with a tooltip text becomes a tool of the window's tooltip,
// identified by its own handle; containers are searched too.
static void RegisterToolTips(WindowObject *window, HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == window->MdiClient) continue;
        WindowObject *control = ObjectFromHandle(child);
        if (!control) continue;
        if (!IsEmptyTextAW(control->ToolTipCopy)) {
            if (UnicodeFlag)
                AddToolT<wchar_t>(window->ToolTip, window->Handle, child, control->ToolTipCopy);
            else
                AddToolT<char>(window->ToolTip, window->Handle, child, control->ToolTipCopy);
        }
        if (IsContainerKind(control->Kind)) RegisterToolTips(window, child);
    }
}

// A window that the system put on a monitor of other dots per inch than it
// was made for takes that monitor's size before anything inside it exists.
static void FitToOwnMonitor(WindowObject *object, HWND window) {
    const int dpi = SystemWindowDpi(window);
    if (dpi == object->Dpi || (object->Style & WS_CHILD) || object->MdiChild) return;
    object->Dpi = dpi;
    SetWindowPos(window, nullptr, 0, 0, ToPixelsX(object->Width, object->ScaleMode, dpi),
                 ToPixelsY(object->Height, object->ScaleMode, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetUpWindow(WindowObject *object) {
    HWND window = object->Handle;
    FitToOwnMonitor(object, window);
    const int dpi = object->Dpi;
    if (object->Kind != KindMdiFrame) AcquireFramePens();

    object->MouseIcon = LoadImageResource(object, object->MouseIcon, 0);
    object->Icon = LoadImageResource(object, object->Icon, 0);
    object->SmallIcon = LoadImageResource(object, object->SmallIcon, 0);
    if (object->Picture) {
        ImageRef picture = object->Picture;
        object->Picture = 0;
        ChangePicture(object, window, picture);
    }

    AttachMenu(object, window);
    CreateToolTipWindow(object, window);

    DWORD style = object->Style;
    DWORD exStyle = ExStyleForSystem(object->ExStyle);
    if (object->Kind == KindMdiFrame) {
        style &= ~(WS_HSCROLL | WS_VSCROLL);
        exStyle &= ~WS_EX_CLIENTEDGE;
    }
    SetWindowLongAW(window, GWL_STYLE, style);
    SetWindowLongAW(window, GWL_EXSTYLE, exStyle);

    ChangeBackColor(object, window, object->BackColorSetting);
    ChangeForeColor(object, window, object->ForeColorSetting);

    object->InitialFont = (HFONT)SendMessageAW(window, WM_GETFONT, 0, 0);
    HFONT font = CreateFontFromFields(object, object->FixedFontScale, dpi);
    if (object->Font) DeleteObject(object->Font);
    object->Font = font;
    SendMessageAW(window, WM_SETFONT, (WPARAM)font, FALSE);
    InvalidateRect(window, nullptr, TRUE);

    RECT rect;
    if (WindowRectInParent(window, &rect) == 1) {
        object->Left = FromPixelsX(rect.left, object->ScaleMode, dpi);
        object->Top = FromPixelsY(rect.top, object->ScaleMode, dpi);
    }
    if (object->MdiChild) SendMessageAW(GetParent(window), RTM_CHILDMOVED, 0, 0);

    if (object->TimerInterval >= 1) ChangeTimerInterval(object, window, object->TimerInterval);

    SendMessageAW(window, WM_SETICON, ICON_BIG, (LPARAM)object->Icon);
    // Each icon set has the system prepare the window's icons again; a
    // window without a small icon is not told it has none.
    if (object->SmallIcon || SendMessageAW(window, WM_GETICON, ICON_SMALL, 0))
        SendMessageAW(window, WM_SETICON, ICON_SMALL, (LPARAM)object->SmallIcon);
    SetWindowTextAW(window, object->TextBuffer);

    if (WindowRectInParent(window, &rect) == 1) {
        object->Left = FromPixelsX(rect.left, object->ScaleMode, dpi);
        object->Top = FromPixelsY(rect.top, object->ScaleMode, dpi);
        object->Width = FromPixelsX(rect.right - rect.left, object->ScaleMode, dpi);
        object->Height = FromPixelsY(rect.bottom - rect.top, object->ScaleMode, dpi);
    }

    if (object->CloseDisabled)
        EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

    if (object->Children) {
        CreateControls(window, window, object);
        if (object->ToolTip) RegisterToolTips(object, window);
    }
    object->ActiveControl = window;
}
