// Commands: WM_COMMAND and WM_NOTIFY by the receiver's kind (in windows:
// nested edit notifications, empty combo boxes, toolbars and rebars, then
// the window's EventProcedure), and system commands.
#include "runtime/winproc/command_routing.h"
#include "runtime/winproc/keyboard.h"
#include "runtime/winproc/modal_run.h"
#include "runtime/layout/layout.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

int EditNotifyBusy;

static void RebarNotification(WindowObject *rebar, const NMHDR *header) {
    switch (header->code) {
    case RBN_CHILDSIZE: {
        const NMREBARCHILDSIZE *size = (const NMREBARCHILDSIZE *)header;
        REBARBANDINFOW band = {};
        band.cbSize = sizeof band;
        band.fMask = RBBIM_CHILD;
        if (SendMessageW(rebar->Handle, RB_GETBANDINFOW, size->uBand, (LPARAM)&band) &&
            band.hwndChild)
            RedrawWindow(rebar->Handle, &size->rcBand, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        break;
    }
    case RBN_HEIGHTCHANGE: {
        const int height = (int)SendMessageAW(rebar->Handle, RB_GETBARHEIGHT, 0, 0);
        rebar->Height = FromPixelsY(height, rebar->ScaleMode, ObjectDpi(rebar));
        LayoutDockedControls(ObjectFromHandle(GetParent(rebar->Handle)));
        break;
    }
    case NM_NCHITTEST: rebar->LastHitTest = (int32_t)((const NMMOUSE *)header)->dwHitInfo; break;
    }
}

LRESULT OnWindowCommand(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    if (m.Code == WM_COMMAND) {
        HWND source = (HWND)m.LParam;
        const UINT code = HIWORD(m.WParam);
        WindowObject *control = ObjectFromHandle(source);
        if (!control) return EventThenDefault(object, m);
        const int kind = control->Kind;
        if ((kind == KindTextBox || kind == KindRichTextBox) &&
            (code == EN_CHANGE || code == EN_UPDATE)) {
            // An EventProcedure that changes the text hears no nested notice.
            if (EditNotifyBusy) return 1;
            EditNotifyBusy = 1;
            LRESULT result = EventThenDefault(object, m);
            EditNotifyBusy = 0;
            return result;
        }
        if (kind == KindComboBox && code == CBN_DROPDOWN &&
            SendMessageAW(control->Handle, CB_GETCOUNT, 0, 0) == 0)
            FitComboHeight(control, 0);
        if (kind == KindToolbar && OsLevel >= OsXp) {
            ProcessMessages();
            InvalidateRect(control->Handle, nullptr, FALSE);
            PostMessageAW(control->Handle, WM_PAINT, 0, 0);
        }
    } else {
        const NMHDR *header = (const NMHDR *)m.LParam;
        WindowObject *control = header ? ObjectFromHandle(header->hwndFrom) : nullptr;
        if (control && control->Kind == KindRebar) RebarNotification(control, header);
    }
    LRESULT result = CallEventProcedure(object, m);
    if (result || !IsWindow(window)) return result;
    return WindowDefaultProcessing(object, m);
}

LRESULT OnCommand(WindowObject *object, const WindowMessage &m) {
    const int kind = object->Kind;
    if (IsWindowKind(kind)) return OnWindowCommand(object, m);
    if (IsContainerKind(kind)) return OnContainerCommand(object, m);
    return PreviousProcessing(object, m);
}

LRESULT OnContainerCommand(WindowObject *object, const WindowMessage &m) {
    LRESULT result = CallEventProcedure(object, m);
    if (result) return result;
    return SendMessageAW(GetParent(m.Window), m.Code, m.WParam, m.LParam);
}

LRESULT OnSysCommand(WindowObject *object, const WindowMessage &m) {
    const WPARAM command = m.WParam & SystemCommandMask;
    if (command == SC_KEYMENU) return OnKeyMenu(object, m);
    switch (command) {
    case SC_MINIMIZE: object->WindowState = WindowMinimised; break;
    case SC_MAXIMIZE: object->WindowState = WindowMaximised; break;
    case SC_RESTORE: object->WindowState = WindowNormal; break;
    }
    return EventThenDefault(object, m);
}
