// Binding a window to its object at its first message, and the answers
// about an object and the runtime that the floors above ask by message.
#include "runtime/winproc/binding.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT OnNcCreate(const WindowMessage &m) {
    HWND window = m.Window;
    WindowObject *object = PendingObject;
    if (!object) return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
    AddObject(window, object);
    PendingObject = nullptr;
    object->Handle = window;
    if (object->IsMainWindow) {
        App->MainWindow = window;
        App->ThreadId = GetWindowThreadProcessId(window, (DWORD *)&App->ProcessId);
        if (object->Kind == KindDialog) {
            StartPosition at;
            ComputeStartPosition(object, GetParent(window), &at);
            SetWindowPos(window, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }
    CallEventProcedure(object, m);
    if (object->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, m.Code, m.WParam, m.LParam);
    return 1;
}

LRESULT OnUnknownWindow(const WindowMessage &m) {
    HWND window = m.Window;
    // A window whose object is gone still frees what the system keeps for it.
    if (m.Code == WM_NCDESTROY) return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
    if (!PendingObject) return 0;
    if (PendingObject->Kind == KindGroupBox)
        return CallWindowProcAW(ButtonProcedure, window, m.Code, m.WParam, m.LParam);
    return DefWindowProcAW(window, m.Code, m.WParam, m.LParam);
}

LRESULT OnGetObject(WindowObject *object, const WindowMessage &) {
    return (LRESULT)object;
}

LRESULT OnGetThemeLibrary(const WindowMessage &) {
    return (LRESULT)ThemeTable.Library;
}

LRESULT OnHasManifest(const WindowMessage &) {
    return HasManifest;
}
