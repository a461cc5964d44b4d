// Colour and paint requests: controls get their own colours, brushes and
// fonts; windows and boxes erase in their background colour.
#include "runtime/winproc/handlers.h"
#include "runtime/templates/appearance.h"
#include "runtime/painting/painting.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

static bool TakesBackColour(int kind) {
    return kind == KindTextBox || kind == KindComboBox || kind == KindExtendedComboBox;
}

LRESULT OnColourRequest(WindowObject *object, HWND window, UINT message, HDC dc, HWND control) {
    LRESULT brush = CallEventProcedure(object, window, message, (WPARAM)dc, (LPARAM)control);
    if (brush) return brush;
    const int kind = object->Kind;
    WindowObject *colours = nullptr;
    if (IsWindowKind(kind) || IsContainerKind(kind))
        colours = ObjectFromHandle(control); // the receiver is the control's parent
    else if (TakesBackColour(kind))
        colours = object; // a request of the control's own inner edit or list
    else if (kind == KindLabel || kind == KindImage)
        return (LRESULT)object->BackBrush;
    if (!colours) return DefaultProcessing(object, window, message, (WPARAM)dc, (LPARAM)control);

    if (TakesBackColour(colours->Kind))
        SetBkColor(dc, colours->BackColor);
    else
        SetBkMode(dc, TRANSPARENT);
    if (colours->Font) SelectObject(dc, colours->Font);
    SetTextColor(dc, colours->ForeColor);
    // A button's surroundings take the colour of the window or box it is in.
    if (message == WM_CTLCOLORBTN) return (LRESULT)object->BackBrush;
    return (LRESULT)colours->BackBrush;
}

LRESULT OnEraseBackground(WindowObject *object, HWND window, HDC dc) {
    if (CallEventProcedure(object, window, WM_ERASEBKGND, (WPARAM)dc, 0)) return 1;
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
    default: return DefaultProcessing(object, window, WM_ERASEBKGND, (WPARAM)dc, 0);
    }
}

LRESULT OnPaint(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam) {
    if (CallEventProcedure(object, window, WM_PAINT, wParam, lParam)) return 0;
    if (!IsWindow(window)) return 0;
    if (object->Kind == KindPictureBox) {
        PaintPicture(object, nullptr, 0, 1);
        return 0;
    }
    if (object->Kind == KindGroupBox) {
        // The button class draws the frame; the caption is drawn again in
        // the group's own font and colours.
        if (object->ShowFrame) DefaultProcessing(object, window, WM_PAINT, wParam, lParam);
        PaintGroupCaption(object);
        return 0;
    }
    DefaultProcessing(object, window, WM_PAINT, wParam, lParam);
    return 0;
}

LRESULT OnDrawItem(WindowObject *object, HWND window, WPARAM id, DRAWITEMSTRUCT *item) {
    return EventThenDefault(object, window, WM_DRAWITEM, id, (LPARAM)item);
}

LRESULT OnMeasureItem(WindowObject *object, HWND window, WPARAM id, LPARAM item) {
    if (!IsWindowKind(object->Kind) && !IsContainerKind(object->Kind))
        return EventThenDefault(object, window, WM_MEASUREITEM, id, item);
    LRESULT result = CallEventProcedure(object, window, WM_MEASUREITEM, id, item);
    if (result || !IsWindow(window)) return result;
    return WindowDefaultProcessing(object, window, WM_MEASUREITEM, id, item);
}

LRESULT OnThemeChanged(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam) {
    if (IsWindowKind(object->Kind) && OsLevel >= OsXp && HasManifest) {
        LoadThemeLibrary();
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN |
                         RDW_UPDATENOW | RDW_FRAME);
    }
    return EventThenDefault(object, window, WM_THEMECHANGED, wParam, lParam);
}

LRESULT OnSysColorChange(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam) {
    // System-colour codes are resolved again.
    ChangeBackColor(object, window, object->BackColorSetting);
    ChangeForeColor(object, window, object->ForeColorSetting);
    ChangePenStyle(object, window, object->PenStyle);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageAW(child, WM_SYSCOLORCHANGE, wParam, lParam);
        InvalidateRect(child, nullptr, TRUE);
    }
    RefreshWindow(window, TRUE);
    if (IsWindowKind(object->Kind) || object->Kind == KindPictureBox ||
        object->Kind == KindGroupBox)
        return CallEventProcedure(object, window, WM_SYSCOLORCHANGE, wParam, lParam);
    return PreviousProcessing(object, window, WM_SYSCOLORCHANGE, wParam, lParam);
}

LRESULT OnRedrawArea(WindowObject *, HWND window) {
    HWND parent = GetParent(window);
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, parent, (POINT *)&area, 2);
    return RedrawWindow(parent, &area, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
