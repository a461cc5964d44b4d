// RuntimeWindowProc: finds the WindowObject of every message and hands the
// message to the handler of its row.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/handlers.h"
#include "runtime/winproc/window_proc.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"

int EditNotifyBusy;
int CreatingOwnerDrawType;
WNDPROC IpEditProcedure;

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return OnNcCreate(window, wParam, lParam);
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return OnUnknownWindow(window, message, wParam, lParam);
    const int kind = object->Kind;

    switch (message) {
    case WM_CREATE:
        if (IsWindowKind(kind)) return OnCreateWindow(object, window, message, wParam, lParam);
        if (kind == KindGroupBox || kind == KindPictureBox)
            return OnCreateContainer(object, window, wParam, lParam);
        break;
    case WM_INITDIALOG:
        if (kind == KindDialog) return OnCreateWindow(object, window, message, wParam, lParam);
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: return OnNcButtonDown(object, window, message, wParam, lParam);
    case WM_NCACTIVATE: return OnNcActivate(object, window, (BOOL)wParam, lParam);

    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return OnColourRequest(object, window, message, (HDC)wParam, (HWND)lParam);
    case WM_ERASEBKGND: return OnEraseBackground(object, window, (HDC)wParam);
    case WM_PAINT: return OnPaint(object, window, wParam, lParam);
    case WM_DRAWITEM: return OnDrawItem(object, window, wParam, (DRAWITEMSTRUCT *)lParam);
    case WM_MEASUREITEM: return OnMeasureItem(object, window, wParam, lParam);
    case WM_THEMECHANGED: return OnThemeChanged(object, window, wParam, lParam);
    case WM_SYSCOLORCHANGE: return OnSysColorChange(object, window, wParam, lParam);
    case RTM_REDRAWAREA: return OnRedrawArea(object, window);

    case WM_SETCURSOR: return OnSetCursor(object, window, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(object, window, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(object, window, wParam, lParam);
    case WM_LBUTTONUP: return OnLeftButtonUp(object, window, wParam, lParam);

    case WM_KEYDOWN: return OnKeyDown(object, window, wParam, lParam);
    case WM_CHAR: return OnChar(object, window, wParam, lParam);
    case WM_KEYUP: return OnKeyUp(object, window, wParam, lParam);
    case WM_SETFOCUS: return OnSetFocus(object, window, (HWND)wParam);
    case DM_GETDEFID: return OnGetDefId(object, window, wParam, lParam);
    case DM_SETDEFID: return OnSetDefId(object, window, wParam, lParam);
    case RTM_NAVIGATE: return OnNavigate(object, window, wParam, (HWND)lParam);
    case RTM_CONTROLFOCUSED: return OnControlFocused(object, window, (HWND)lParam);
    case RTM_FOCUSNEXT: return OnFocusNext(object, window, (HWND)lParam);

    case WM_NCHITTEST: return OnNcHitTest(object, window, lParam);
    case WM_MDIACTIVATE:
        if (kind == KindWindow && object->MdiChild)
            return OnMdiActivate(object, window, (HWND)wParam, (HWND)lParam);
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
        if (IsWindowKind(kind)) return OnWindowCommand(object, window, message, wParam, lParam);
        if (IsContainerKind(kind))
            return OnContainerCommand(object, window, message, wParam, lParam);
        return PreviousProcessing(object, window, message, wParam, lParam);
    case WM_SYSCOMMAND:
        if ((wParam & SystemCommandMask) == SC_KEYMENU)
            return OnKeyMenu(object, window, wParam, lParam);
        return OnSysCommand(object, window, wParam, lParam);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(object, window, wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnLeftButtonDoubleClick(object, window, wParam, lParam);
    case WM_RBUTTONDOWN: return OnRightButtonDown(object, window, wParam, lParam);
    case WM_RBUTTONDBLCLK: return OnRightButtonDoubleClick(object, window, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL: return OnScroll(object, window, message, wParam, lParam);
    case BM_SETCHECK:
        if (kind == KindCheckBox || kind == KindOptionButton)
            return OnSetCheck(object, window, wParam, lParam);
        break;
    case WM_ENABLE: return OnEnable(object, window, (BOOL)wParam, lParam);
    case WM_SETFONT: return OnSetFont(object, window, wParam, lParam);
    case STM_SETICON:
    case STM_SETIMAGE:
        if (kind == KindImage) return OnSetImage(object, window, message, wParam, lParam);
        break;
    case WM_SETTEXT: return OnSetText(object, window, wParam, (const void *)lParam);
    case WM_SHOWWINDOW: return OnShowWindow(object, window, (BOOL)wParam, lParam);
    case WM_MOVE: return OnMove(object, window, lParam);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(object, window, (WINDOWPOS *)lParam);
    case WM_SIZE: return OnSize(object, window, wParam, lParam);
    case WM_STYLECHANGED: return OnStyleChanged(object, window, wParam, (STYLESTRUCT *)lParam);
    case CBEM_SETIMAGELIST:
        if (kind == KindExtendedComboBox) {
            LRESULT result = PreviousProcessing(object, window, message, wParam, lParam);
            FitComboHeight(object, 1);
            return result;
        }
        break;
    case RTM_GETOBJECT: return (LRESULT)object;
    case RTM_GETTHEMELIBRARY: return (LRESULT)ThemeTable.Library;
    case RTM_HASMANIFEST: return HasManifest;
    case RTM_SETCREATINGTYPE:
        if (!IsWindowOrContainerKind(kind)) break;
        CreatingOwnerDrawType = (int)wParam;
        return (LRESULT)wParam;
    case RTM_RELAYOUT: return OnRelayout(object, window, wParam);
    case WM_DPICHANGED: return OnDpiChanged(object, window, wParam, (const RECT *)lParam);
    case WM_CLOSE:
        if (IsWindowKind(kind)) return OnCloseWindow(object, window, wParam, lParam);
        return 0;
    case WM_DESTROY: return OnDestroy(object, window, wParam, lParam);
    case WM_NCDESTROY:
        if (IsWindowKind(kind)) return OnNcDestroyWindow(object, window, wParam, lParam);
        break;
    }
    return EventThenDefault(object, window, message, wParam, lParam);
}
