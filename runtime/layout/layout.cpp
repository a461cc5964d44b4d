// Layout: where a window appears at creation, docked controls, sizes that
// follow content, and the recording of positions and sizes.
#include "runtime/layout/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

// ComputeStartPosition: where a window appears when it is created.
static void CentreOn(const RECT &area, int halfWidth, int halfHeight, StartPosition *result) {
    result->X = ((area.right - area.left) >> 1) - halfWidth + area.left;
    result->Y = ((area.bottom - area.top) >> 1) - halfHeight + area.top;
}

void ComputeStartPosition(WindowObject *object, HWND owner, StartPosition *result) {
    const int dpi = ObjectDpi(object);
    result->Width = ToPixelsX(object->Width, object->ScaleMode, dpi);
    result->Height = ToPixelsY(object->Height, object->ScaleMode, dpi);
    const int halfWidth = result->Width >> 1;
    const int halfHeight = result->Height >> 1;
    const int position = object->StartUpPosition;
    const bool mdiChild = object->MdiChild != 0;
    RECT area;

    if (position == StartCentredOnOwner && owner) {
        // A child window is centred in its owner's client area, in the
        // owner's client coordinates; any other window on the owner's frame.
        if (object->Style & WS_CHILD)
            GetClientRect(owner, &area);
        else
            GetWindowRect(owner, &area);
        CentreOn(area, halfWidth, halfHeight, result);
    } else if (position == StartWhereSystemPuts || (position == StartCentredOnScreen && mdiChild)) {
        result->X = CW_USEDEFAULT;
        result->Y = CW_USEDEFAULT;
    } else if (position == StartCentredOnScreen || position == StartCentredOnOwner) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        CentreOn(area, halfWidth, halfHeight, result);
    } else {
        result->X = ToPixelsX(object->Left, object->ScaleMode, dpi);
        result->Y = ToPixelsY(object->Top, object->ScaleMode, dpi);
    }
}

// LayoutDockedControls: docked bars and picture boxes fill the edges of
// their window in Z order, the MDI client takes what is left.
static void SetToolbarButtonSize(const WindowObject *toolbar, int dpi) {
    SendMessageAW(
        toolbar->Handle, TB_SETBUTTONSIZE, 0,
        MAKELONG(ScaleToDpi(toolbar->ButtonWidth, dpi), ScaleToDpi(toolbar->ButtonHeight, dpi)));
}

// Places one docked child against its edge of the free area and shrinks it.
static void PlaceDocked(HWND child, const WindowObject *docked, int dpi, RECT *free) {
    const int h = ToPixelsY(docked->Height, docked->ScaleMode, dpi);
    const int w = ToPixelsX(docked->Width, docked->ScaleMode, dpi);
    switch (docked->Align) {
    case DockTop:
        MoveWindow(child, 0, free->top, free->right, h, TRUE);
        free->top += h;
        break;
    case DockBottom:
        free->bottom -= h;
        MoveWindow(child, free->left, free->bottom, free->right - free->left, h, TRUE);
        break;
    case DockLeft:
        MoveWindow(child, free->left, free->top, w, free->bottom - free->top, TRUE);
        free->left += w;
        break;
    case DockRight:
        free->right -= w;
        MoveWindow(child, free->right, free->top, w, free->bottom - free->top, TRUE);
        break;
    }
}

static void DockingPass(const WindowObject *container, int alignA, int alignB, RECT *free) {
    const HWND skip = container->Kind == KindMdiFrame ? container->MdiClient : nullptr;
    const int dpi = ObjectDpi(container);
    for (HWND child = GetWindow(container->Handle, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (skip && child == skip) continue;
        const WindowObject *docked = ObjectFromHandle(child);
        if (!docked) continue;
        if (docked->Align == DockNone) {
            if (docked->Kind == KindToolbar) SetToolbarButtonSize(docked, dpi);
            continue;
        }
        if (!IsDockableKind(docked->Kind) || !docked->Visible) continue;
        if (docked->Align != alignA && docked->Align != alignB) continue;
        PlaceDocked(child, docked, dpi, free);
        if (docked->Kind == KindToolbar) SetToolbarButtonSize(docked, dpi);
    }
}

bool HasDockingWork(const WindowObject *object) {
    if (!object) return false;
    if (object->Kind == KindMdiFrame) return true;
    for (WindowObject **child = object->Children; child && *child; ++child) {
        const WindowObject *control = *child;
        if (control->Kind == KindToolbar) return true;
        if (control->Align != DockNone && IsDockableKind(control->Kind)) return true;
    }
    return false;
}

void LayoutDockedControls(WindowObject *object) {
    if (!object || !object->Handle) return;
    RECT free;
    GetClientRect(object->Handle, &free);
    if (IsWindowKind(object->Kind) && object->BottomDockLast) {
        DockingPass(object, DockTop, DockTop, &free);
        DockingPass(object, DockLeft, DockRight, &free);
        DockingPass(object, DockBottom, DockBottom, &free);
    } else {
        DockingPass(object, DockTop, DockBottom, &free);
        DockingPass(object, DockLeft, DockRight, &free);
    }
    if (object->Kind == KindMdiFrame && object->MdiClient)
        MoveWindow(object->MdiClient, free.left, free.top, free.right - free.left,
                   free.bottom - free.top, TRUE);
}

// Sizes that follow content: the size nudge, labels and picture boxes sized
// to their caption or picture, and the drop-down height of combo boxes.
void NudgeSize(HWND window) {
    RECT rect;
    if (WindowRectInParent(window, &rect) < 0) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    MoveWindow(window, rect.left, rect.top, width + 1, height + 1, FALSE);
    if (IsWindowVisible(window))
        SetWindowPos(window, nullptr, rect.left, rect.top, width, height,
                     SWP_NOZORDER | SWP_FRAMECHANGED);
    else
        MoveWindow(window, rect.left, rect.top, width, height, TRUE);
}

// "&" marks the mnemonic and is not drawn; "&&" draws one "&".
template <class Ch> static int DropPrefixMarks(const Ch *text, Ch *copy) {
    int n = 0;
    for (int i = 0; text[i]; ++i) {
        if (text[i] == '&') {
            ++i;
            if (!text[i]) break;
        }
        copy[n++] = text[i];
    }
    copy[n] = 0;
    return n;
}

template <class Ch> static SIZE MeasureLabelCaptionT(WindowObject *object) {
    SIZE size = {0, 0};
    const Ch *caption = IsHeapText(object->TextBuffer) ? (const Ch *)object->TextBuffer : nullptr;
    const int length = caption ? ApiStringLength(caption) : 0;
    Ch *copy = (Ch *)AllocZeroed((length + 1) * sizeof(Ch));
    if (!copy) return size;
    int n = length;
    if (caption && !object->NoPrefix)
        n = DropPrefixMarks(caption, copy);
    else if (caption)
        CopyTextBounded(copy, caption, length + 1);
    HDC dc = GetDC(object->Handle);
    if (dc) {
        HGDIOBJ previous = object->Font ? SelectObject(dc, object->Font) : nullptr;
        if (!ApiGetTextExtentPoint32(dc, copy, n, &size)) size.cx = size.cy = 0;
        if (previous) SelectObject(dc, previous);
        ReleaseDC(object->Handle, dc);
    }
    FreeBlock(copy);
    object->CaptionHeight = size.cy;
    return size;
}

SIZE MeasureLabelCaption(WindowObject *object) {
    return UnicodeFlag ? MeasureLabelCaptionT<wchar_t>(object) : MeasureLabelCaptionT<char>(object);
}

static void StoreRect(WindowObject *object, const RECT &rect) {
    const int dpi = ObjectDpi(object);
    object->Left = FromPixelsX(rect.left, object->ScaleMode, dpi);
    object->Top = FromPixelsY(rect.top, object->ScaleMode, dpi);
    object->Width = FromPixelsX(rect.right - rect.left, object->ScaleMode, dpi);
    object->Height = FromPixelsY(rect.bottom - rect.top, object->ScaleMode, dpi);
}

static void AutoSizeLabel(WindowObject *object, RECT rect, int borderX, int borderY) {
    const SIZE text = MeasureLabelCaption(object);
    switch (object->Alignment) {
    case TextAlignCentre: {
        // The border is part of the new width, so it is halved with the text:
        // a caption set again to the same text leaves the label where it is.
        const int centre = rect.left + ((rect.right - rect.left) >> 1);
        rect.left = centre - ((text.cx + borderX) >> 1);
        rect.right = rect.left + text.cx + borderX;
        break;
    }
    case TextAlignRight: rect.left = rect.right - text.cx - borderX; break;
    default: rect.right = rect.left + text.cx + borderX; break;
    }
    rect.bottom = rect.top + text.cy + borderY;
    StoreRect(object, rect);
    MoveWindow(object->Handle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
}

static void AutoSizePicture(WindowObject *object, const RECT &rect, int borderX, int borderY) {
    if (object->PictureWidth <= 0 || object->PictureHeight <= 0) return;
    const int width = object->PictureWidth + borderX;
    const int height = object->PictureHeight + borderY;
    const int dpi = ObjectDpi(object);
    object->Width = FromPixelsX(width, object->ScaleMode, dpi);
    object->Height = FromPixelsY(height, object->ScaleMode, dpi);
    MoveWindow(object->Handle, rect.left, rect.top, width, height, TRUE);
}

void AutoSizeControl(WindowObject *object) {
    if (!object || !object->AutoSize) return;
    if (object->Kind != KindLabel && object->Kind != KindPictureBox) return;
    RECT window, client;
    if (WindowRectInParent(object->Handle, &window) < 0) return;
    GetClientRect(object->Handle, &client);
    const int borderX = (window.right - window.left) - client.right;
    const int borderY = (window.bottom - window.top) - client.bottom;
    if (object->Kind == KindLabel)
        AutoSizeLabel(object, window, borderX, borderY);
    else
        AutoSizePicture(object, window, borderX, borderY);
}

void FitComboHeight(WindowObject *object, int resize) {
    if (!object || !object->Handle) return;
    // An extended combo box sizes the combo box inside it.
    HWND combo = object->Handle;
    if (object->Kind == KindExtendedComboBox) {
        HWND inner = (HWND)SendMessageAW(combo, CBEM_GETCOMBOCONTROL, 0, 0);
        if (inner) combo = inner;
    }
    object->ItemHeight = (int)SendMessageAW(combo, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
    RECT rect;
    GetWindowRect(combo, &rect);
    const int height = rect.bottom - rect.top;
    object->Height = FromPixelsY(height, object->ScaleMode, ObjectDpi(object));
    if (!resize) return;
    SetWindowPos(combo, nullptr, 0, 0, rect.right - rect.left,
                 object->VisibleItems * object->ItemHeight + height + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageAW(combo, CB_SETEDITSEL, 0, -1);
    InvalidateRect(combo, nullptr, TRUE);
}

// The recording of a window's position and size, and which dimensions the
// docking layout owns.
int WindowRectInParent(HWND window, RECT *rect) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object || !GetWindowRect(window, rect)) return -1;
    if (object->Kind < KindLabel && !IsMdiChildObject(object)) return 1;
    HWND parent = GetParent(window);
    if (!parent) return -1;
    MapWindowPoints(HWND_DESKTOP, parent, (POINT *)rect, 2);
    return 1;
}

// While a window is laid out again for new dots per inch its fields are
// what the system follows, not what it reports.
static int RecordingHeld;

void HoldGeometryRecording(int hold) {
    RecordingHeld += hold ? 1 : -1;
}

void RecordPosition(WindowObject *object) {
    RECT rect;
    if (RecordingHeld || !object || WindowRectInParent(object->Handle, &rect) < 0) return;
    const int dpi = ObjectDpi(object);
    object->Left = FromPixelsX(rect.left, object->ScaleMode, dpi);
    object->Top = FromPixelsY(rect.top, object->ScaleMode, dpi);
    if (IsMdiChildObject(object)) SendMessageAW(GetParent(object->Handle), RTM_CHILDMOVED, 0, 0);
}

void RecordSize(WindowObject *object, int sizeType) {
    RECT rect;
    if (RecordingHeld || !object || sizeType == SIZE_MINIMIZED || sizeType == SIZE_MAXIMIZED)
        return;
    if (!GetWindowRect(object->Handle, &rect)) return;
    const int dpi = ObjectDpi(object);
    object->Width = FromPixelsX(rect.right - rect.left, object->ScaleMode, dpi);
    object->Height = FromPixelsY(rect.bottom - rect.top, object->ScaleMode, dpi);
}

int CanSetDimension(WindowObject *object, int which) {
    if (!object) return 0;
    if (!IsDockableKind(object->Kind)) return 1;
    const int align = object->Align;
    if (which == 1) return (align == DockLeft || align == DockRight) ? 0 : 1;
    if (which == 0) return (align == DockTop || align == DockBottom) ? 0 : 1;
    return 1;
}
