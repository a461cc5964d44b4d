// The position and size setters, in the object's scale units, and docking,
// automatic size and the drop-down size of combo boxes.
#include "runtime/properties/geometry_setters.h"
#include "runtime/properties/setter_support.h"
#include "runtime/layout/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/repaint.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"

enum : UINT { MoveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED };
enum : UINT { SizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED };

static bool IsDocked(const WindowObject *object) {
    return IsDockableKind(object->Kind) && object->Align > DockNone;
}

// axis 0 moves the left edge, 1 the top edge.
static int Move(HWND window, int axis, int32_t value) {
    WindowObject *object = ObjectFromHandle(window);
    RECT rect;
    if (!object || IsDocked(object) || WindowRectInParent(window, &rect) < 1) return 0;
    int x = rect.left, y = rect.top;
    if (axis == 0) {
        object->Left = value;
        x = ToPixelsX(value, object->ScaleMode, ObjectDpi(object));
    } else {
        object->Top = value;
        y = ToPixelsY(value, object->ScaleMode, ObjectDpi(object));
    }
    SetWindowPos(window, nullptr, x, y, 0, 0, MoveOnly);
    RedrawAll(window);
    return 1;
}

// which 0 sizes the width, 1 the height.
static int Size(HWND window, int which, int32_t value) {
    WindowObject *object = ObjectFromHandle(window);
    RECT rect;
    if (!object || !CanSetDimension(object, which) || WindowRectInParent(window, &rect) < 1)
        return 0;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (which == 0) {
        object->Width = value;
        width = ToPixelsX(value, object->ScaleMode, ObjectDpi(object));
    } else {
        object->Height = value;
        height = ToPixelsY(value, object->ScaleMode, ObjectDpi(object));
    }
    SetWindowPos(window, nullptr, 0, 0, width, height, SizeOnly);
    LayoutContainerOf(window);
    RedrawAll(window);
    return 1;
}

int SetLeft(HWND window, int32_t left) {
    return Move(window, 0, left);
}
int SetTop(HWND window, int32_t top) {
    return Move(window, 1, top);
}
int SetWidth(HWND window, int32_t width) {
    return Size(window, 0, width);
}
int SetHeight(HWND window, int32_t height) {
    return Size(window, 1, height);
}

// An upright toolbar wraps its buttons to its narrow width, one below the
// other, and keeps the size the docking layout gives it: left to size itself,
// the control lies across the top of its window again, and the layout would
// move it back, without end. Docked across again, it leaves the upright form
// and sizes itself once more.
constexpr DWORD UprightToolbarStyles = CCS_VERT | CCS_NORESIZE | TBSTYLE_WRAPABLE;

static void RestyleToolbar(HWND window, bool upright) {
    const DWORD current = (DWORD)GetWindowLongAW(window, GWL_STYLE);
    DWORD style = current;
    if (upright)
        style |= UprightToolbarStyles;
    else if (current & CCS_VERT)
        style &= ~UprightToolbarStyles;
    if (style == current) return;
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, MoveOnly | SWP_NOMOVE);
}

// A bar docked to the top or bottom lies across its window, one docked left
// or right stands upright. A status bar has no upright form: the control
// always lies along the bottom of its window.
int SetAlign(HWND window, int32_t edge) {
    WindowObject *object = ObjectAccepting(window, IsDockableKind);
    if (!object || edge < DockNone || edge > DockRight) return 0;
    const bool across = edge == DockTop || edge == DockBottom;
    const bool upright = edge == DockLeft || edge == DockRight;
    if (upright && object->Kind == KindStatusBar) return 0;
    DWORD style = (DWORD)GetWindowLongAW(window, GWL_STYLE) & ~(DWORD)CCS_TOP;
    if (across)
        style &= ~(DWORD)CCS_VERT;
    else if (upright)
        style |= CCS_VERT;
    // The new style goes first: the frame change makes the bar record its
    // present size, which must not overwrite the exchanged sides below.
    if (object->Kind == KindRebar) {
        object->Style = style;
        SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)style);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, MoveOnly | SWP_NOMOVE);
    } else if (object->Kind == KindToolbar && (across || upright)) {
        RestyleToolbar(window, upright);
    }
    object->Align = edge;
    if ((across && object->Height > object->Width) || (upright && object->Width > object->Height)) {
        const int32_t width = object->Width;
        object->Width = object->Height;
        object->Height = width;
    }
    if (across)
        object->Left = 0;
    else if (upright)
        object->Top = 0;
    LayoutContainerOf(window);
    // The controls that made room for the bar move; the window shows them
    // all in their new places.
    RedrawAll(GetParent(window));
    return 1;
}

int SetAutoSize(HWND window, int32_t on) {
    WindowObject *object =
        ObjectAccepting(window, [](int k) { return k == KindLabel || k == KindPictureBox; });
    if (!object) return 0;
    object->AutoSize = on;
    AutoSizeControl(object);
    return 1;
}

int SetVisibleItems(HWND window, int32_t rows) {
    WindowObject *object = ObjectAccepting(
        window, [](int k) { return k == KindComboBox || k == KindExtendedComboBox; });
    if (!object) return 0;
    object->VisibleItems = rows;
    FitComboHeight(object, 1);
    return 1;
}
