// Colour and paint requests: controls get their own colours, brushes and
// fonts; windows and boxes erase in their background colour.
#include "runtime/winproc/paint_requests.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/templates/appearance.h"
#include "runtime/painting/owner_drawn.h"
#include "runtime/painting/painting.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

static bool TakesBackColour(int kind) {
    return kind == KindTextBox || kind == KindComboBox || kind == KindExtendedComboBox;
}

// A list box fills its items, and the space below them, with the text
// background rather than its brush; without a colour of its own (no brush)
// it keeps the system's.
static bool PaintsTextOnBackColour(const WindowObject *colours) {
    return colours->Kind == KindListBox && colours->BackBrush;
}

LRESULT OnColourRequest(WindowObject *object, const WindowMessage &m) {
    HDC dc = (HDC)m.WParam;
    HWND control = (HWND)m.LParam;
    LRESULT brush = CallEventProcedure(object, m);
    if (brush) return brush;
    const int kind = object->Kind;
    WindowObject *colours = nullptr;
    if (IsWindowKind(kind) || IsContainerKind(kind))
        colours = ObjectFromHandle(control); // the receiver is the control's parent
    else if (TakesBackColour(kind))
        colours = object; // a request of the control's own inner edit or list
    else if (kind == KindLabel || kind == KindImage)
        return (LRESULT)object->BackBrush;
    if (!colours) return DefaultProcessing(object, m);

    if (TakesBackColour(colours->Kind) || PaintsTextOnBackColour(colours))
        SetBkColor(dc, colours->BackColor);
    else
        SetBkMode(dc, TRANSPARENT);
    if (colours->Font) SelectObject(dc, colours->Font);
    SetTextColor(dc, colours->ForeColor);
    // A button's surroundings take the colour of the window or box it is in.
    if (m.Code == WM_CTLCOLORBTN) return (LRESULT)object->BackBrush;
    return (LRESULT)colours->BackBrush;
}

LRESULT OnEraseBackground(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    HDC dc = (HDC)m.WParam;
    if (CallEventProcedure(object, m)) return 1;
    switch (object->Kind) {
    case KindLabel:
    case KindImage: return 1;
    case KindDialog:
    case KindMdiFrame:
    case KindWindow: return EraseWindowBackground(object, window, dc);
    case KindPictureBox:
        if (!object->DoubleBuffer) PaintPicture(object, dc, 1, 0);
        return 1;
    case KindGroupBox:
    case KindAnimation: {
        RECT client;
        GetClientRect(window, &client);
        if (object->BackBrush) FillRect(dc, &client, object->BackBrush);
        return 1;
    }
    default: return DefaultProcessing(object, m);
    }
}

LRESULT OnPaint(WindowObject *object, const WindowMessage &m) {
    if (CallEventProcedure(object, m)) return 0;
    if (!IsWindow(m.Window)) return 0;
    if (object->Kind == KindPictureBox) {
        PaintPicture(object, nullptr, 0, 1);
        return 0;
    }
    if (object->Kind == KindGroupBox) {
        // The button class draws the frame; the caption is drawn again in
        // the group's own font and colours.
        if (object->ShowFrame) DefaultProcessing(object, m);
        PaintGroupCaption(object, nullptr);
        return 0;
    }
    DefaultProcessing(object, m);
    // The rebar paints its bands over the transparent labels and images in
    // them, which then paint themselves again.
    if (object->Kind == KindRebar && IsWindow(m.Window)) EraseSiblingsOver(m.Window);
    return 0;
}

LRESULT OnDrawItem(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowOrContainerKind(object->Kind)) return EventThenDefault(object, m);
    const DRAWITEMSTRUCT *item = (const DRAWITEMSTRUCT *)m.LParam;
    // A container asks the window it belongs to.
    WindowObject *asked = object->ParentHandle ? ObjectFromHandle(object->ParentHandle) : nullptr;
    if (!asked) asked = object;
    LRESULT result = CallEventProcedure(asked, asked->Handle, m.Code, m.WParam, m.LParam);
    if (result || !item) return result;
    if (item->CtlType == ODT_STATIC) {
        DrawOwnerStatic(item->hwndItem, item->hDC, &item->rcItem);
        return 1;
    }
    WindowObject *control = ObjectFromHandle(item->hwndItem);
    if (item->CtlType == ODT_BUTTON && control && control->Kind == KindPushButton)
        return DrawOwnerButton(item, HoverWindow);
    HWND parent = GetParent(item->hwndItem);
    WindowObject *parentObject = ObjectFromHandle(parent);
    if (!parentObject) return 0;
    return DefaultProcessing(parentObject, parent, m.Code, m.WParam, m.LParam);
}

LRESULT OnMeasureItem(WindowObject *object, const WindowMessage &m) {
    if (!IsWindowKind(object->Kind) && !IsContainerKind(object->Kind))
        return EventThenDefault(object, m);
    LRESULT result = CallEventProcedure(object, m);
    if (result || !IsWindow(m.Window)) return result;
    return WindowDefaultProcessing(object, m);
}

LRESULT OnThemeChanged(WindowObject *object, const WindowMessage &m) {
    if (IsWindowKind(object->Kind) && OsLevel >= OsXp && HasManifest) {
        LoadThemeLibrary();
        RedrawWindow(m.Window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN |
                         RDW_UPDATENOW | RDW_FRAME);
    }
    return EventThenDefault(object, m);
}

LRESULT OnSysColorChange(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    // System-colour codes are resolved again.
    ChangeBackColor(object, window, object->BackColorSetting);
    ChangeForeColor(object, window, object->ForeColorSetting);
    ChangePenStyle(object, window, object->PenStyle);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageAW(child, m.Code, m.WParam, m.LParam);
        InvalidateRect(child, nullptr, TRUE);
    }
    RefreshWindow(window, TRUE);
    if (IsWindowKind(object->Kind) || object->Kind == KindPictureBox ||
        object->Kind == KindGroupBox)
        return CallEventProcedure(object, m);
    return PreviousProcessing(object, m);
}

LRESULT OnRedrawArea(WindowObject *, const WindowMessage &m) {
    HWND window = m.Window;
    HWND parent = GetParent(window);
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, parent, (POINT *)&area, 2);
    return RedrawWindow(parent, &area, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
