// The property setters of colours, pens, pictures, icons and cursors, and of
// the shown state: visibility, window state, enabled, focus and default.
#include "runtime/properties/setters.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/shown_state.h"
#include "runtime/templates/window_resources.h"
#include "runtime/properties/readers.h"
#include "runtime/properties/setter_support.h"
#include "runtime/layout/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/repaint.h"
#include "runtime/base/text_form.h"

// The object's change, or 0 for a window without an object.
template <class Value>
static int ChangeOf(HWND window, int (*change)(WindowObject *, HWND, Value), Value value) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? change(object, window, value) : 0;
}

void LayoutContainerOf(HWND window) {
    LayoutDockedControls(ObjectFromHandle(GetParent(window)));
}

// Colours and pen.
int SetBackColor(HWND window, int32_t colourCode) {
    return ChangeOf(window, ChangeBackColor, colourCode);
}
int SetForeColor(HWND window, int32_t colourCode) {
    return ChangeOf(window, ChangeForeColor, colourCode);
}
int SetPenStyle(HWND window, int32_t style) {
    return ChangeOf(window, ChangePenStyle, style);
}

int SetPenWidth(HWND window, int32_t width) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (object->Kind != KindWindow && object->Kind != KindPictureBox)) return 0;
    const int32_t previous = object->PenWidth;
    object->PenWidth = width;
    if (ChangePenStyle(object, window, object->PenStyle)) return 1;
    object->PenWidth = previous;
    return 0;
}

// Pictures, icons and cursors.
int SetPicture(HWND window, uintptr_t image) {
    return ChangeOf(window, ChangePicture, image);
}

int SetPicturePosition(HWND window, int32_t position) {
    WindowObject *object = ObjectAccepting(window, [](int k) { return k == KindPushButton; });
    if (!object) return 0;
    object->PicturePosition = position;
    RefreshWindow(window, 0);
    return 1;
}

int SetDoubleBuffer(HWND window, int32_t on) {
    WindowObject *object = ObjectAccepting(window, [](int k) { return k == KindPictureBox; });
    if (!object) return 0;
    object->DoubleBuffer = on;
    return 1;
}

// The replaced image goes unless it is still in use: set again, or held by
// the other icon field.
static void ReleaseReplaced(ImageRef previous, ImageRef current, ImageRef other) {
    if (IsHandleValue(previous) && previous != current && previous != other)
        DeleteGdiOrIcon((HANDLE)previous);
}

static int ChangeIcon(HWND window, uintptr_t icon, WPARAM which) {
    WindowObject *object = ObjectAccepting(window, IsWindowKind);
    if (!object) return 0;
    ImageRef *field = which == ICON_BIG ? &object->Icon : &object->SmallIcon;
    const ImageRef other = which == ICON_BIG ? object->SmallIcon : object->Icon;
    const ImageRef previousField = *field;
    *field = LoadImageResource(nullptr, icon, 0);
    const ImageRef shown = IsHandleValue(*field) ? *field : 0;
    const ImageRef previous = (ImageRef)SendMessageAW(window, WM_SETICON, which, (LPARAM)shown);
    ReleaseReplaced(previous, *field, other);
    if (previousField != previous) ReleaseReplaced(previousField, *field, other);
    return 1;
}

int SetIcon(HWND window, uintptr_t icon) {
    return ChangeIcon(window, icon, ICON_BIG);
}
int SetSmallIcon(HWND window, uintptr_t icon) {
    return ChangeIcon(window, icon, ICON_SMALL);
}

int SetMouseIcon(HWND window, uintptr_t cursor) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return 0;
    const ImageRef previous = object->MouseIcon;
    object->MouseIcon = LoadImageResource(object, cursor, 0);
    ReleaseReplaced(previous, object->MouseIcon, 0);
    return 1;
}

// The custom pointer is the last code.
int SetMousePointer(HWND window, int32_t pointer) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || pointer < 0 || pointer > CustomMousePointer) return 0;
    object->MousePointer = pointer;
    return 1;
}

// Visibility, window state, enabled state, focus and the default button.
int SetTimerInterval(HWND window, int32_t milliseconds) {
    return ChangeOf(window, ChangeTimerInterval, milliseconds);
}
// A window that runs modally keeps its owner disabled; hiding it would
// leave the program without a window to use.
static bool HoldsItsOwner(const WindowObject *object) {
    return (object->Kind == KindDialog || object->Kind == KindWindow) && object->Modal;
}

int SetWindowState(HWND window, int32_t state) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || (state == WindowHidden && HoldsItsOwner(object))) return 0;
    return ChangeWindowState(object, window, state);
}
int SetEnabled(HWND window, int32_t enabled) {
    return ChangeOf(window, ChangeEnabled, enabled);
}

int SetVisible(HWND window, int32_t visible) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || !IsFlag(visible)) return 0;
    const int kind = object->Kind;
    object->Visible = visible;
    if (visible) {
        if (IsWindowKind(kind)) return ChangeWindowState(object, window, GetWindowState(window));
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
        return 1;
    }
    if (HoldsItsOwner(object)) {
        object->Visible = 1;
        return 0;
    }
    ShowWindow(window, SW_HIDE);
    return 1;
}

int SetTabStop(HWND window, int32_t on) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return 0;
    object->TabStop = on;
    return 1;
}

int SetShowFocus(HWND window, int32_t on) {
    WindowObject *object = ObjectAccepting(window, [](int k) { return k == KindPushButton; });
    if (!object) return 0;
    object->ShowFocus = on;
    RefreshWindow(window, 0);
    return 1;
}

// The window keeps the default button and gives it its look (DM_SETDEFID).
int SetDefault(HWND window, int32_t on) {
    WindowObject *object = ObjectAccepting(window, [](int k) { return k == KindPushButton; });
    if (!object || !object->ParentHandle || !IsFlag(on)) return 0;
    if (on) {
        SendMessageAW(object->ParentHandle, DM_SETDEFID, (WPARAM)ControlId(object->Index), 0);
        return 1;
    }
    const WindowObject *owner = ObjectFromHandle(object->ParentHandle);
    if (owner && owner->DefaultButton == window)
        SendMessageAW(object->ParentHandle, DM_SETDEFID, 0, 0);
    return 1;
}
