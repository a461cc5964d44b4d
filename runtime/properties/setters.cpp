// The property setters: the object of the window, then the change that the
// window machinery shares with creation.
#include "runtime/properties/properties.h"
#include "runtime/templates/appearance.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

int SetBackColor(HWND window, int32_t colourCode) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangeBackColor(object, window, colourCode) : 0;
}

int SetForeColor(HWND window, int32_t colourCode) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangeForeColor(object, window, colourCode) : 0;
}

int SetPenStyle(HWND window, int32_t style) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangePenStyle(object, window, style) : 0;
}

int SetPicture(HWND window, uintptr_t image) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangePicture(object, window, image) : 0;
}

int SetTimerInterval(HWND window, int32_t milliseconds) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangeTimerInterval(object, window, milliseconds) : 0;
}

int SetWindowState(HWND window, int32_t state) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangeWindowState(object, window, state) : 0;
}

int SetEnabled(HWND window, int32_t enabled) {
    WindowObject *object = ObjectFromHandle(window);
    return object ? ChangeEnabled(object, window, enabled) : 0;
}
