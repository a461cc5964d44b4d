// The range and value setters of scroll bars, progress bars, trackbars,
// up-downs, check boxes and option buttons.
#include "runtime/properties/value_setters.h"
#include "runtime/templates/create_controls.h"
#include "runtime/properties/setter_support.h"
#include "runtime/base/text_form.h"

#include <commctrl.h>

enum RangePart { PartMax, PartMin, PartPage, PartValue };

// A scroll bar keeps its range, page and position in its object and writes
// them all to the control; the cache is read from the control first, so
// that a change made through the system is not undone.
static int ChangeScrollBar(WindowObject *object, RangePart part, int32_t value) {
    const HWND window = object->Handle;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (GetScrollInfo(window, SB_CTL, &info)) {
        object->Min = info.nMin;
        object->Max = info.nMax;
        object->Value = info.nPos;
    }
    switch (part) {
    case PartMax: object->Max = value; break;
    case PartMin: object->Min = value; break;
    case PartPage: object->ScrollPage = value; break;
    case PartValue:
        if (value < object->Min || value > object->Max) return 0;
        object->Value = value;
        break;
    }
    ShowScrollBarState(window, object);
    return 1;
}

// The progress bar answers its previous range or position, which may be 0;
// the setter answers 1 once the message is sent.
static int ChangeProgressBar(HWND window, RangePart part, int32_t value) {
    const int32_t low = (int32_t)SendMessageAW(window, PBM_GETRANGE, TRUE, 0);
    const int32_t high = (int32_t)SendMessageAW(window, PBM_GETRANGE, FALSE, 0);
    switch (part) {
    case PartMax: SendMessageAW(window, PBM_SETRANGE32, low, value); return 1;
    case PartMin: SendMessageAW(window, PBM_SETRANGE32, value, high); return 1;
    case PartValue: SendMessageAW(window, PBM_SETPOS, value, 0); return 1;
    default: return 0;
    }
}

static int ChangeTrackbar(HWND window, RangePart part, int32_t value) {
    switch (part) {
    case PartMax: SendMessageAW(window, TBM_SETRANGEMAX, TRUE, value); return 1;
    case PartMin: SendMessageAW(window, TBM_SETRANGEMIN, TRUE, value); return 1;
    case PartValue: SendMessageAW(window, TBM_SETPOS, TRUE, value); return 1;
    default: return 0;
    }
}

static int ChangeUpDown(HWND window, RangePart part, int32_t value) {
    int low = 0, high = 0;
    SendMessageAW(window, UDM_GETRANGE32, (WPARAM)&low, (LPARAM)&high);
    switch (part) {
    case PartMax: SendMessageAW(window, UDM_SETRANGE32, low, value); return 1;
    case PartMin: SendMessageAW(window, UDM_SETRANGE32, value, high); return 1;
    case PartValue: SendMessageAW(window, UDM_SETPOS, 0, MAKELONG((short)value, 0)); return 1;
    default: return 0;
    }
}

// A check box or option button is checked through BM_SETCHECK, whose
// handling keeps Value and unchecks the other options of the group.
static int ChangeCheck(HWND window, RangePart part, int32_t value) {
    if (part != PartValue || (value != 0 && value != 1)) return 0;
    SendMessageAW(window, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    return 1;
}

static int ChangeRange(HWND window, RangePart part, int32_t value) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return 0;
    switch (object->Kind) {
    case KindHScrollBar:
    case KindVScrollBar: return ChangeScrollBar(object, part, value);
    case KindProgressBar: return ChangeProgressBar(window, part, value);
    case KindTrackbar: return ChangeTrackbar(window, part, value);
    case KindUpDown: return ChangeUpDown(window, part, value);
    case KindCheckBox:
    case KindOptionButton: return ChangeCheck(window, part, value);
    default: return 0;
    }
}

int SetMax(HWND window, int32_t maximum) {
    return ChangeRange(window, PartMax, maximum);
}
int SetMin(HWND window, int32_t minimum) {
    return ChangeRange(window, PartMin, minimum);
}
int SetLargeChange(HWND window, int32_t page) {
    return ChangeRange(window, PartPage, page);
}
int SetValue(HWND window, int32_t value) {
    return ChangeRange(window, PartValue, value);
}

// Marquee bars move on their own; any progress bar with the style will do,
// with or without an object.
LRESULT SetMarquee(HWND window, int on, int intervalMs) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (lstrcmpiW(className, PROGRESS_CLASSW) != 0) return -1;
    if (!(GetWindowLongAW(window, GWL_STYLE) & PBS_MARQUEE)) return -1;
    return SendMessageAW(window, PBM_SETMARQUEE, on, intervalMs);
}
