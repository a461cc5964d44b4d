// The property setters: the object of the window, then the change that the
// window machinery shares with creation.
#include "runtime/properties/properties.h"
#include "runtime/templates/appearance.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

// The object's change, or 0 for a window without an object.
template <class Value>
static int ChangeOf(HWND window, int (*change)(WindowObject *, HWND, Value), Value value) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? change(object, window, value) : 0;
}

int SetBackColor(HWND window, int32_t colourCode) {
    return ChangeOf(window, ChangeBackColor, colourCode);
}
int SetForeColor(HWND window, int32_t colourCode) {
    return ChangeOf(window, ChangeForeColor, colourCode);
}
int SetPenStyle(HWND window, int32_t style) {
    return ChangeOf(window, ChangePenStyle, style);
}
int SetPicture(HWND window, uintptr_t image) {
    return ChangeOf(window, ChangePicture, image);
}
int SetTimerInterval(HWND window, int32_t milliseconds) {
    return ChangeOf(window, ChangeTimerInterval, milliseconds);
}
int SetWindowState(HWND window, int32_t state) {
    return ChangeOf(window, ChangeWindowState, state);
}
int SetEnabled(HWND window, int32_t enabled) {
    return ChangeOf(window, ChangeEnabled, enabled);
}
