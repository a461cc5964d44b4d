// The event contract: the application's EventProcedure answers 0 when it did
// not handle a message; the runtime then does the kind's default processing.
// Event procedures receive the runtime's private messages too (messages.h).
#pragma once

#include <windows.h>

#include "runtime/base/application.h"
#include "runtime/base/window_object.h"

LRESULT CallEventProcedure(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);
LRESULT EventThenDefault(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT DefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);
LRESULT WindowDefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam);
LRESULT PreviousProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);

// A message as a window procedure received it. Handlers pass it on whole, so
// the EventProcedure and the default processing see what the system sent.
struct WindowMessage {
    HWND Window;
    UINT Code;
    WPARAM WParam;
    LPARAM LParam;
};

inline LRESULT CallEventProcedure(WindowObject *object, const WindowMessage &m) {
    return CallEventProcedure(object, m.Window, m.Code, m.WParam, m.LParam);
}
inline LRESULT EventThenDefault(WindowObject *object, const WindowMessage &m) {
    return EventThenDefault(object, m.Window, m.Code, m.WParam, m.LParam);
}
inline LRESULT DefaultProcessing(WindowObject *object, const WindowMessage &m) {
    return DefaultProcessing(object, m.Window, m.Code, m.WParam, m.LParam);
}
inline LRESULT WindowDefaultProcessing(WindowObject *object, const WindowMessage &m) {
    return WindowDefaultProcessing(object, m.Window, m.Code, m.WParam, m.LParam);
}
inline LRESULT PreviousProcessing(WindowObject *object, const WindowMessage &m) {
    return PreviousProcessing(object, m.Window, m.Code, m.WParam, m.LParam);
}
