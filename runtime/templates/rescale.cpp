// RescaleWindow: fonts made again at the new size (the old ones released),
// controls placed from their fields, the items that hold sizes of their own
// sent again, and the docked layout done over.
#include "runtime/templates/rescale.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/control_items.h"
#include "runtime/templates/rebar_bands.h"
#include "runtime/layout/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"

#include <commctrl.h>

enum : UINT { PlaceQuietly = SWP_NOZORDER | SWP_NOACTIVATE };

static void PlaceFromFields(WindowObject *object, int dpi) {
    const int scale = object->ScaleMode;
    const int x = ToPixelsX(object->Left, scale, dpi), y = ToPixelsY(object->Top, scale, dpi);
    const int width = ToPixelsX(object->Width, scale, dpi);
    const int height = ToPixelsY(object->Height, scale, dpi);
    UINT flags = PlaceQuietly;
    // The docking layout gives a docked bar its place afterwards.
    if (IsDockableKind(object->Kind) && object->Align != DockNone) flags |= SWP_NOMOVE | SWP_NOSIZE;
    // A system-drawn bar takes the height of its font.
    if (object->Kind == KindStatusBar || object->Kind == KindToolbar || object->Kind == KindRebar)
        flags |= SWP_NOSIZE;
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return;
    SetWindowPos(object->Handle, nullptr, x, y, width, height, flags);
}

// Column widths as the user left them, grown or shrunk with the scale.
static void RescaleHeaderWidths(const WindowObject *header, int from, int to) {
    const int count = (int)SendMessageW(header->Handle, HDM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        HDITEMW column = {};
        column.mask = HDI_WIDTH;
        if (!SendMessageW(header->Handle, HDM_GETITEMW, i, (LPARAM)&column)) continue;
        column.cxy = MulDiv(column.cxy, to, from);
        SendMessageW(header->Handle, HDM_SETITEMW, i, (LPARAM)&column);
    }
}

// What a kind holds in pixels of its own, sent again at dpi.
static void ResendKindSizes(WindowObject *object, int from, int dpi) {
    const HWND window = object->Handle;
    switch (object->Kind) {
    case KindTreeView:
    case KindPager: SendScaledSizes(object); break;
    case KindStatusBar:
        SendMessageAW(window, WM_SIZE, 0, 0);
        SetStatusBarParts(object);
        break;
    case KindToolbar: SendMessageAW(window, TB_AUTOSIZE, 0, 0); break;
    case KindHeader: RescaleHeaderWidths(object, from, dpi); break;
    case KindImageListHolder: RescaleImageList(object); break;
    case KindPictureBox: ChangePenStyle(object, window, object->PenStyle); break;
    default: break;
    }
}

static void RescaleControls(WindowObject *window, WindowObject *container, int from, int dpi) {
    const bool dialogOwner = window->Kind == KindDialog;
    for (WindowObject **child = container->Children; child && *child; ++child) {
        WindowObject *control = *child;
        if (!control->Handle || control->Kind == KindThread) continue;
        if (control->Font && dialogOwner) {
            control->Font = window->Font;
            SendMessageAW(control->Handle, WM_SETFONT, (WPARAM)control->Font, FALSE);
        } else if (control->Font) {
            RebuildFont(control, window->FixedFontScale);
        }
        PlaceFromFields(control, dpi);
        ResendKindSizes(control, from, dpi);
        if (control->Children) RescaleControls(window, control, from, dpi);
        if (control->Kind == KindRebar) RescaleRebarBands(control);
        if (control->Kind == KindComboBox || control->Kind == KindExtendedComboBox)
            FitComboHeight(control, 1);
        AutoSizeControl(control);
        if (control->Kind == KindPictureBox && HasDockingWork(control))
            LayoutDockedControls(control);
    }
}

static void Rescale(WindowObject *window, int dpi, const RECT *suggested, bool fromFields);

static void RescaleMdiChildren(WindowObject *frame, int dpi) {
    if (!frame->MdiClient) return;
    for (HWND child = GetWindow(frame->MdiClient, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        WindowObject *object = ObjectFromHandle(child);
        if (object && IsWindowKind(object->Kind)) Rescale(object, dpi, nullptr, true);
    }
}

// A child of an MDI frame is placed from its fields; a window the system
// gave no rectangle stays where it is.
static void Rescale(WindowObject *window, int dpi, const RECT *suggested, bool fromFields) {
    const HWND handle = window->Handle;
    const int from = ObjectDpi(window);
    if (from == dpi && !suggested) return;
    HoldGeometryRecording(1);
    window->Dpi = dpi;
    if (window->Font) RebuildFont(window, window->FixedFontScale);
    if (window->Pen) ChangePenStyle(window, handle, window->PenStyle);
    RescaleControls(window, window, from, dpi);
    if (suggested)
        SetWindowPos(handle, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     PlaceQuietly);
    else if (fromFields)
        PlaceFromFields(window, dpi);
    if (window->Kind == KindMdiFrame) RescaleMdiChildren(window, dpi);
    LayoutDockedControls(window);
    HoldGeometryRecording(0);
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void RescaleWindow(WindowObject *window, int dpi, const RECT *suggested) {
    if (!window || !window->Handle || dpi <= 0) return;
    Rescale(window, dpi, suggested, false);
}
