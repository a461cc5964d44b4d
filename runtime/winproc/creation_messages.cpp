// Creation of windows (WM_CREATE, and WM_INITDIALOG of dialog windows) and
// of the runtime's own group and picture boxes, and the owner-draw type that
// the control about to be created takes.
#include "runtime/winproc/creation_messages.h"
#include "runtime/winproc/focus.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/set_up_window.h"
#include "runtime/templates/window_resources.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/painting/painting.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

static void CreateMdiClient(WindowObject *frame, HWND window) {
    CLIENTCREATESTRUCT client = {nullptr, 0};
    const DWORD inherited = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL;
    const DWORD style = WS_CHILD | WS_VISIBLE | MDIS_ALLCHILDSTYLES | (frame->Style & inherited);
    const DWORD exStyle = frame->ExStyle & WS_EX_CLIENTEDGE;
    frame->MdiClient = CreateRuntimeWindow(exStyle, L"QNMDICLIENT", nullptr, style, 0, 0, 0, 0,
                                           window, nullptr, &client);
}

// A window whose EventProcedure refused its creation: what SetUpWindow made
// is released here, since the system may end the window without WM_DESTROY
// (Wine sends its children and itself only WM_NCDESTROY). The object leaves
// the table, so whatever the system still sends finds no object.
static void AbandonWindow(WindowObject *object, HWND window) {
    // A child made by another thread cannot be destroyed from here: it is
    // passed over, and goes when its own thread ends.
    for (;;) {
        HWND child = GetWindow(window, GW_CHILD);
        while (child && GetWindowThreadProcessId(child, nullptr) != GetCurrentThreadId())
            child = GetWindow(child, GW_HWNDNEXT);
        if (!child || !DestroyWindow(child)) break;
    }
    if (object->ToolTip) DestroyWindow(object->ToolTip);
    object->ToolTip = nullptr;
    ReleaseWindowObjects(object);
    if (object->IsMainWindow) {
        ReleaseThemeLibrary();
        App->MainWindow = nullptr;
    }
    RemoveObject(window, object);
    FreeBlock(object);
}

LRESULT OnCreate(WindowObject *object, const WindowMessage &m) {
    const int kind = object->Kind;
    if (IsWindowKind(kind)) return OnCreateWindow(object, m);
    if (kind == KindGroupBox || kind == KindPictureBox) return OnCreateContainer(object, m);
    return EventThenDefault(object, m);
}

LRESULT OnInitDialog(WindowObject *object, const WindowMessage &m) {
    if (object->Kind == KindDialog) return OnCreateWindow(object, m);
    return EventThenDefault(object, m);
}

LRESULT OnCreateWindow(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const int kind = object->Kind;
    const bool created = m.Code == WM_CREATE;
    if (created && (kind == KindWindow || kind == KindDialog) && object->RedrawOnResize)
        SetClassLongPtrW(window, GCL_STYLE,
                         GetClassLongPtrW(window, GCL_STYLE) | CS_HREDRAW | CS_VREDRAW);
    // A dialog window is finished at WM_INITDIALOG; its EventProcedure never
    // hears WM_CREATE.
    if (created && kind == KindDialog) return 0;

    if (kind == KindMdiFrame) CreateMdiClient(object, window);
    if (object->IsMainWindow && OsLevel >= OsXp && HasManifest) LoadThemeLibrary();

    SetUpWindow(object);
    object->DefaultButton = FindDefaultButton(window);
    // The layout runs again before the window shows; a nudge now matters
    // only to what it places, so that the EventProcedure finds it in place.
    if (HasDockingWork(object)) NudgeSize(window);

    if (kind == KindMdiFrame) {
        RECT client;
        GetClientRect(window, &client);
        SetWindowPos(object->MdiClient, nullptr, 0, 0, client.right, client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (kind == KindDialog) {
        StartPosition at;
        ComputeStartPosition(object, GetParent(window), &at);
        MoveWindow(window, at.X, at.Y, at.Width, at.Height, TRUE);
    }
    if (!object->IsMainWindow) {
        // No taskbar button for the application's other windows.
        object->ExStyle &= ~WS_EX_APPWINDOW;
        SetWindowLongAW(window, GWL_EXSTYLE, object->ExStyle);
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }

    LRESULT result;
    if (kind == KindDialog) {
        const LPARAM parameter = (LPARAM)object->PreviousProcedure;
        object->PreviousProcedure = nullptr;
        const WindowMessage initDialog = {window, WM_INITDIALOG, m.WParam, parameter};
        result = CallEventProcedure(object, initDialog);
    } else {
        result = CallEventProcedure(object, m);
        if (result == -1) {
            if (IsWindow(window)) AbandonWindow(object, window);
            return -1;
        }
    }
    if (!IsWindow(window)) return created ? -1 : 0;

    if (result == 0) {
        object->ActiveControl = FirstFocusableControl(window);
        if (kind == KindDialog) SendMessageAW(window, WM_KEYDOWN, VK_TAB, 0);
    }
    if (created && kind == KindWindow && object->MdiChild) {
        BOOL maximised = FALSE;
        HWND active =
            (HWND)SendMessageAW(GetParent(window), WM_MDIGETACTIVE, 0, (LPARAM)&maximised);
        if (active && maximised) {
            ShowWindow(active, SW_SHOWNORMAL);
            object->WindowState = WindowMaximised;
        }
    }
    // Besides giving the styles written since creation their frame, this
    // activates the window before it shows, as the user then sees it.
    if (created && object->Visible)
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (kind != KindDialog) LayoutDockedControls(object);
    SetFocus(object->ActiveControl);
    return 0;
}

LRESULT OnCreateContainer(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    LRESULT result = 0;
    if (object->Kind == KindGroupBox)
        result = CallWindowProcAW(ButtonProcedure, window, WM_CREATE, m.WParam, m.LParam);
    object->Handle = window;
    AcquireFramePens();
    ApplyControlAppearance(object->ParentHandle, object);
    if (object->Kind == KindGroupBox) MeasureGroupCaption(object);
    if (object->Kind == KindPictureBox) AutoSizeControl(object);
    return result;
}

LRESULT OnSetCreatingType(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowOrContainerKind(object->Kind)) return EventThenDefault(object, m);
    // Applications may send it too: windows and containers answer the type.
    return (LRESULT)m.WParam;
}
