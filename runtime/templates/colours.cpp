// Colour codes resolved into colours and brushes, and the colours that
// some common controls take by message.
#include "runtime/templates/templates.h"
#include "runtime/startup/text_form.h"

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
