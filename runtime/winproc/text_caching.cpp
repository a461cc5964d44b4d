// The object's private copy of its caption, kept at every WM_SETTEXT.
#include "runtime/winproc/text_caching.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/painting.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <string.h>

template <class Ch> static void KeepCaption(WindowObject *object, const Ch *text) {
    const int length = text ? ApiStringLength(text) : 0;
    if (length == 0) {
        if (object->TextBuffer) *(Ch *)object->TextBuffer = 0;
        object->TextLength = 0;
        return;
    }
    if (length != object->TextLength || !object->TextBuffer) {
        FreeText(object->TextBuffer);
        object->TextBuffer = AllocZeroed((length + 2) * sizeof(Ch));
        object->TextLength = object->TextBuffer ? length : 0;
        if (!object->TextBuffer) return;
    }
    // The text may be the buffer itself (the runtime sets captions from it).
    memmove(object->TextBuffer, text, length * sizeof(Ch));
}

// The WM_SETTEXT calls under way. A caption set from inside another
// WM_SETTEXT of the same window (an EventProcedure answering the change)
// is the newer one, and the enclosing call must not overwrite its copy.
struct CaptionCall {
    HWND Window;
    bool Superseded;
    CaptionCall *Outer;
};
static CaptionCall *Innermost;

LRESULT OnSetText(WindowObject *object, const WindowMessage &m) {
    HWND window = m.Window;
    const void *text = (const void *)m.LParam;
    CaptionCall call = {window, false, Innermost};
    Innermost = &call;
    LRESULT result = EventThenDefault(object, m);
    Innermost = call.Outer;
    if (!IsWindow(window) || call.Superseded) return result;
    if (UnicodeFlag)
        KeepCaption(object, (const wchar_t *)text);
    else
        KeepCaption(object, (const char *)text);
    for (CaptionCall *outer = Innermost; outer; outer = outer->Outer)
        if (outer->Window == window) outer->Superseded = true;
    switch (object->Kind) {
    case KindGroupBox:
        MeasureGroupCaption(object);
        RefreshWindow(window, TRUE);
        break;
    case KindPictureBox: RefreshWindow(window, TRUE); break;
    case KindLabel:
        MeasureLabelCaption(object);
        AutoSizeControl(object);
        if (object->Transparent) SendMessageAW(window, RTM_REDRAWAREA, 0, 0);
        InvalidateRect(window, nullptr, TRUE);
        break;
    case KindPushButton:
        if (object->OwnerDrawn) InvalidateRect(window, nullptr, TRUE);
        break;
    default: break;
    }
    return result;
}
