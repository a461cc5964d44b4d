// Control state: check marks, enabling, fonts, images and styles.
#include "runtime/winproc/control_state.h"
#include "runtime/templates/appearance.h"
#include "runtime/templates/shown_state.h"
#include "runtime/layout/layout.h"
#include "runtime/painting/theme.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

LRESULT OnSetCheck(WindowObject *object, const WindowMessage &m) {
    const int kind = object->Kind;
    if (kind != KindCheckBox && kind != KindOptionButton) return EventThenDefault(object, m);
    HWND window = m.Window;
    const WPARAM state = m.WParam;
    if (kind == KindOptionButton && state == BST_CHECKED &&
        (object->Style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        HWND parent = GetParent(window);
        for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            if (sibling == window) continue;
            WindowObject *other = ObjectFromHandle(sibling);
            if (other && other->Kind == KindOptionButton)
                SendMessageAW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    PreviousProcessing(object, m);
    object->Value = (int32_t)state;
    if (object->Kind == KindOptionButton) object->TabStop = (int32_t)(state & 1);
    return 0;
}

LRESULT OnEnable(WindowObject *object, const WindowMessage &m) {
    const BOOL enabled = (BOOL)m.WParam;
    ChangeEnabled(object, m.Window, enabled ? 1 : 0);
    return EventThenDefault(object, m);
}

LRESULT OnSetFont(WindowObject *object, const WindowMessage &m) {
    LRESULT result = EventThenDefault(object, m);
    if (object->Kind == KindLabel && IsWindow(m.Window)) {
        MeasureLabelCaption(object);
        AutoSizeControl(object);
    }
    return result;
}

LRESULT OnSetImage(WindowObject *object, const WindowMessage &m) {
    if (object->Kind != KindImage) return EventThenDefault(object, m);
    // STM_SETICON carries the icon in wParam, STM_SETIMAGE the image in lParam.
    const uintptr_t image = m.Code == STM_SETICON ? (uintptr_t)m.WParam : (uintptr_t)m.LParam;
    // As with the system's static control, the image handed back belongs to
    // the caller, who may delete it; the runtime no longer uses it.
    return (LRESULT)InstallPicture(object, m.Window, image);
}

LRESULT OnSetImageList(WindowObject *object, const WindowMessage &m) {
    if (object->Kind != KindExtendedComboBox) return EventThenDefault(object, m);
    LRESULT result = PreviousProcessing(object, m);
    FitComboHeight(object, 1);
    return result;
}

LRESULT OnStyleChanged(WindowObject *object, const WindowMessage &m) {
    const WPARAM which = m.WParam;
    const STYLESTRUCT *styles = (const STYLESTRUCT *)m.LParam;
    if (styles) {
        if (which == (WPARAM)GWL_STYLE)
            object->Style = styles->styleNew;
        else
            object->ExStyle = styles->styleNew;
    }
    return EventThenDefault(object, m);
}
