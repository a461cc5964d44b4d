// Colour codes resolved into colours and brushes, and the colours that
// some common controls take by message.
#include "runtime/templates/appearance.h"
#include "runtime/base/repaint.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

// These kinds paint their own background and text from colours sent to
// them; they never get a brush.
static bool TakesColoursByMessage(const WindowObject *object) {
    if (!object) return false;
    switch (object->Kind) {
    case KindTreeView:
    case KindListView:
    case KindProgressBar:
    case KindPager:
    case KindRebar: return true;
    default: return false;
    }
}

uintptr_t ResolveColour(WindowObject *object, int32_t colourCode, int wantBrush) {
    const bool brush = wantBrush && !TakesColoursByMessage(object);
    if (colourCode == NoColour) return brush ? 0 : (uintptr_t)CLR_NONE;
    if (IsSystemColour(colourCode)) {
        const int index = colourCode & 0xFF;
        return brush ? (uintptr_t)GetSysColorBrush(index) : (uintptr_t)GetSysColor(index);
    }
    return brush ? (uintptr_t)CreateSolidBrush((COLORREF)colourCode) : (uintptr_t)colourCode;
}

// The kinds that are told their background colour by message instead of
// painting with the object's brush.
static bool SendBackColour(const WindowObject *object, COLORREF colour) {
    const HWND window = object->Handle;
    switch (object->Kind) {
    case KindTreeView: SendMessageAW(window, TVM_SETBKCOLOR, 0, colour); return true;
    case KindListView:
        SendMessageAW(window, LVM_SETBKCOLOR, 0, colour);
        SendMessageAW(window, LVM_SETTEXTBKCOLOR, 0, colour);
        return true;
    case KindProgressBar: SendMessageAW(window, PBM_SETBKCOLOR, 0, colour); return true;
    case KindPager: SendMessageAW(window, PGM_SETBKCOLOR, 0, colour); return true;
    case KindRebar: SendMessageAW(window, RB_SETBKCOLOR, 0, colour); return true;
    default: return false;
    }
}

void ApplyBackColour(WindowObject *object) {
    object->BackColor = (COLORREF)ResolveColour(object, object->BackColorSetting, 0);
    if (!SendBackColour(object, object->BackColor))
        object->BackBrush = (HBRUSH)ResolveColour(object, object->BackColorSetting, 1);
}

void SendForeColour(const WindowObject *object) {
    const HWND window = object->Handle;
    const LPARAM colour = object->ForeColor;
    switch (object->Kind) {
    case KindTreeView: SendMessageAW(window, TVM_SETTEXTCOLOR, 0, colour); break;
    case KindListView: SendMessageAW(window, LVM_SETTEXTCOLOR, 0, colour); break;
    case KindProgressBar: SendMessageAW(window, PBM_SETBARCOLOR, 0, colour); break;
    case KindRebar: SendMessageAW(window, RB_SETTEXTCOLOR, 0, colour); break;
    default: break;
    }
}

int ChangeBackColor(WindowObject *object, HWND window, int32_t colourCode) {
    if (object->BackBrush) DeleteObject(object->BackBrush);
    object->BackBrush = nullptr;
    object->BackColorSetting = colourCode;
    if (colourCode != NoColour)
        ApplyBackColour(object);
    else
        object->BackColor = 0;
    RedrawAll(object->Kind == KindMdiFrame ? object->MdiClient : window);
    return 1;
}

int ChangeForeColor(WindowObject *object, HWND window, int32_t colourCode) {
    object->ForeColorSetting = colourCode;
    object->ForeColor = (COLORREF)ResolveColour(object, colourCode, 0);
    if (object->Kind == KindWindow || object->Kind == KindPictureBox)
        ChangePenStyle(object, window, object->PenStyle);
    // The progress bar keeps the bar colour it was given at creation.
    if (object->Kind != KindProgressBar) SendForeColour(object);
    RefreshWindow(window, 0);
    return 1;
}

int ChangePenStyle(WindowObject *object, HWND window, int32_t style) {
    if (object->Kind != KindWindow && object->Kind != KindPictureBox) return 0;
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return 0;
    object->PenStyle = style;
    if (object->Pen) DeleteObject(object->Pen);
    object->Pen = CreatePen(style, object->PenWidth, object->ForeColor);
    RefreshWindow(window, 0);
    return 1;
}
