// Destruction: a window's or control's resources at WM_DESTROY, and the
// release of its object (controls at WM_DESTROY, windows at WM_NCDESTROY).
#include "runtime/winproc/destruction.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/modal_run.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/window_resources.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

static void DeleteRebarBitmaps(HWND rebar) {
    const int bands = (int)SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0);
    for (int i = 0; i < bands; ++i) {
        REBARBANDINFOW band = {};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_BACKGROUND;
        if (SendMessageW(rebar, RB_GETBANDINFOW, i, (LPARAM)&band) && band.hbmBack)
            DeleteObject(band.hbmBack);
    }
}

// Controls empty themselves before they go, so that what their items own
// is released.
static void EmptyControl(WindowObject *object, HWND control) {
    switch (object->Kind) {
    case KindListBox: SendMessageAW(control, LB_RESETCONTENT, 0, 0); break;
    case KindComboBox: SendMessageAW(control, CB_RESETCONTENT, 0, 0); break;
    case KindListView:
        SendMessageAW(control, LVM_DELETEALLITEMS, 0, 0);
        while (SendMessageAW(control, LVM_DELETECOLUMN, 0, 0)) {
        }
        break;
    case KindTreeView:
        if (SendMessageAW(control, TVM_GETCOUNT, 0, 0))
            SendMessageAW(control, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
        break;
    case KindToolbar:
        ReleaseControlItems(object);
        DestroyImageList((HIMAGELIST)object->Picture);
        object->Picture = 0;
        break;
    case KindExtendedComboBox:
        for (;;) {
            const LRESULT left = SendMessageAW(control, CBEM_DELETEITEM, 0, 0);
            if (left == 0 || left == -1) break;
        }
        SendMessageAW(control, CBEM_SETIMAGELIST, 0, 0);
        break;
    case KindImageListHolder:
        DestroyImageList(object->ImageList);
        object->ImageList = nullptr;
        break;
    case KindIpAddress:
        for (HWND field = GetWindow(control, GW_CHILD); field;
             field = GetWindow(field, GW_HWNDNEXT))
            if (IpEditProcedure) SetWindowLongAW(field, GWLP_WNDPROC, (LONG_PTR)IpEditProcedure);
        break;
    default: break;
    }
}

LRESULT OnDestroy(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    if (object->TimerId && KillTimer(window, object->TimerId)) object->TimerId = 0;
    SendMessageAW(window, WM_SETFONT, (WPARAM)object->InitialFont, TRUE);
    CallEventProcedure(object, m);
    const int kind = object->Kind;

    if (IsWindowKind(kind)) {
        if (object->Modal) {
            // Destroyed while it still ran modally: the run ends with ModalDestroyed. Its
            // resources go all the same, as nothing else would release them.
            FinishModalRun(object, ModalDestroyed);
            ReleaseWindowResources(object);
            return 1;
        }
        ReleaseWindowResources(object);
        LRESULT result = WindowDefaultProcessing(object, m);
        if (object->IsMainWindow) PostQuitMessage(0);
        return result;
    }

    if (IsContainerKind(kind)) {
        if (kind == KindRebar) {
            DeleteRebarBitmaps(window);
            ReleaseControlItems(object);
        }
        DeleteObjectResources(object);
        // Group and picture boxes took a use of the frame pens at creation.
        if (kind != KindRebar) ReleaseFramePens();
        LRESULT result =
            kind == KindRebar ? PreviousProcessing(object, m) : WindowDefaultProcessing(object, m);
        RemoveObjectKeepingChildren(window, object);
        // The rest of a group's life (WM_NCDESTROY frees the button class's
        // own data) belongs to the button procedure again.
        if (kind == KindGroupBox) SetWindowLongAW(window, GWLP_WNDPROC, (LONG_PTR)ButtonProcedure);
        return result;
    }

    EmptyControl(object, window);
    DeleteObjectResources(object);
    SetWindowLongAW(window, GWLP_WNDPROC, (LONG_PTR)object->PreviousProcedure);
    LRESULT result = PreviousProcessing(object, m);
    // A control with children of its own (a pager's scrolled box, a text box
    // on a tab control) hears WM_DESTROY before they do, so their objects
    // must outlive it: they go with the window's tree at its WM_NCDESTROY.
    RemoveObjectKeepingChildren(window, object);
    return result;
}

LRESULT OnNcDestroyWindow(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowKind(object->Kind)) return EventThenDefault(object, m);
    HWND window = m.Window;
    CallEventProcedure(object, m);
    LRESULT result = WindowDefaultProcessing(object, m);
    if (object->IsMainWindow) ReleaseThemeLibrary();
    RemoveObject(window, object);
    FreeBlock(object);
    return result;
}
