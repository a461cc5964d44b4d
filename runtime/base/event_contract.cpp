// The event contract: the application's EventProcedure first, then the
// default processing of the window's kind.
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT CallEventProcedure(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    if (!object || !object->EventProcedure) return 0;
    return CallWindowProcAW(object->EventProcedure, window, message, wParam, lParam);
}

LRESULT EventThenDefault(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    if (object && object->EventProcedure) {
        LRESULT result = CallWindowProcAW(object->EventProcedure, window, message, wParam, lParam);
        if (result) return result;
        // The EventProcedure may have destroyed the window and its object.
        if (!IsWindow(window)) return 0;
    }
    return DefaultProcessing(object, window, message, wParam, lParam);
}

LRESULT DefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    if (object && (IsWindowKind(object->Kind) || object->Kind == KindPictureBox))
        return WindowDefaultProcessing(object, window, message, wParam, lParam);
    return PreviousProcessing(object, window, message, wParam, lParam);
}

LRESULT WindowDefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    if (object) {
        if (object->Kind == KindMdiFrame)
            return DefFrameProcAW(window, object->MdiClient, message, wParam, lParam);
        if (object->Kind == KindWindow && object->MdiChild)
            return DefMDIChildProcAW(window, message, wParam, lParam);
        if (object->Kind == KindGroupBox)
            return CallWindowProcAW(object->PreviousProcedure, window, message, wParam, lParam);
    }
    return DefWindowProcAW(window, message, wParam, lParam);
}

LRESULT PreviousProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    if (!object || !object->PreviousProcedure)
        return DefWindowProcAW(window, message, wParam, lParam);
    return CallWindowProcAW(object->PreviousProcedure, window, message, wParam, lParam);
}

LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return -1;
    if (IsWindowKind(object->Kind) || object->Kind == KindPictureBox)
        return WindowDefaultProcessing(object, window, message, wParam, lParam);
    if (object->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, message, wParam, lParam);
    return PreviousProcessing(object, window, message, wParam, lParam);
}
