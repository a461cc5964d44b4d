// RuntimeWindowProc: finds the WindowObject of every message and hands the
// message to the handler of its row.
#include "runtime/winproc/creation_knot.h"
#include "runtime/winproc/handlers.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowMessage m = {window, message, wParam, lParam};
    if (message == WM_NCCREATE) return OnNcCreate(m);
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return OnUnknownWindow(m);

    switch (message) {
    case WM_CREATE: return OnCreate(object, m);
    case WM_INITDIALOG: return OnInitDialog(object, m);
    case RTM_SETCREATINGTYPE: return OnSetCreatingType(object, m);
    case WM_CLOSE: return OnCloseWindow(object, m);
    case WM_DESTROY: return OnDestroy(object, m);
    case WM_NCDESTROY: return OnNcDestroyWindow(object, m);

    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: return OnColourRequest(object, m);
    case WM_ERASEBKGND: return OnEraseBackground(object, m);
    case WM_PAINT: return OnPaint(object, m);
    case WM_DRAWITEM: return OnDrawItem(object, m);
    case WM_MEASUREITEM: return OnMeasureItem(object, m);
    case WM_THEMECHANGED: return OnThemeChanged(object, m);
    case WM_SYSCOLORCHANGE: return OnSysColorChange(object, m);
    case RTM_REDRAWAREA: return OnRedrawArea(object, m);

    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: return OnNcButtonDown(object, m);
    case WM_NCHITTEST: return OnNcHitTest(object, m);
    case WM_SETCURSOR: return OnSetCursor(object, m);
    case WM_MOUSEMOVE: return OnMouseMove(object, m);
    case WM_MOUSELEAVE: return OnMouseLeave(object, m);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(object, m);
    case WM_LBUTTONUP: return OnLeftButtonUp(object, m);
    case WM_LBUTTONDBLCLK: return OnLeftButtonDoubleClick(object, m);
    case WM_RBUTTONDOWN: return OnRightButtonDown(object, m);
    case WM_RBUTTONDBLCLK: return OnRightButtonDoubleClick(object, m);
    case WM_HSCROLL:
    case WM_VSCROLL: return OnScroll(object, m);

    case WM_KEYDOWN: return OnKeyDown(object, m);
    case WM_CHAR: return OnChar(object, m);
    case WM_KEYUP: return OnKeyUp(object, m);
    case WM_SETFOCUS: return OnSetFocus(object, m);
    case DM_GETDEFID: return OnGetDefId(object, m);
    case DM_SETDEFID: return OnSetDefId(object, m);
    case RTM_NAVIGATE: return OnNavigate(object, m);
    case RTM_CONTROLFOCUSED: return OnControlFocused(object, m);
    case RTM_FOCUSNEXT: return OnFocusNext(object, m);

    case BM_SETCHECK: return OnSetCheck(object, m);
    case WM_ENABLE: return OnEnable(object, m);
    case WM_SETFONT: return OnSetFont(object, m);
    case WM_SETTEXT: return OnSetText(object, m);
    case STM_SETICON:
    case STM_SETIMAGE: return OnSetImage(object, m);
    case CBEM_SETIMAGELIST: return OnSetImageList(object, m);
    case WM_STYLECHANGED: return OnStyleChanged(object, m);

    case WM_COMMAND:
    case WM_NOTIFY: return OnCommand(object, m);
    case WM_SYSCOMMAND: return OnSysCommand(object, m);

    case WM_NCACTIVATE: return OnNcActivate(object, m);
    case WM_MDIACTIVATE: return OnMdiActivate(object, m);
    case WM_DPICHANGED: return OnDpiChanged(object, m);

    case WM_SHOWWINDOW: return OnShowWindow(object, m);
    case WM_MOVE: return OnMove(object, m);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(object, m);
    case WM_SIZE: return OnSize(object, m);
    case RTM_RELAYOUT: return OnRelayout(object, m);

    case RTM_GETOBJECT: return OnGetObject(object, m);
    case RTM_GETTHEMELIBRARY: return OnGetThemeLibrary(m);
    case RTM_HASMANIFEST: return OnHasManifest(m);
    }
    return EventThenDefault(object, m);
}
