// ApplyControlAppearance: font, colours, cursor and picture of one control.
#include "runtime/templates/appearance.h"
#include "runtime/templates/creation.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

// Kinds that show no text keep the system's font.
static bool TakesFont(int kind) {
    switch (kind) {
    case KindImage:
    case KindHScrollBar:
    case KindVScrollBar:
    case KindProgressBar:
    case KindTrackbar:
    case KindUpDown:
    case KindAnimation:
    case KindPager:
    case KindImageListHolder: return false;
    default: return true;
    }
}

static void ApplyControlFont(const WindowObject *owner, WindowObject *object) {
    const HWND window = object->Handle;
    if (TakesFont(object->Kind)) {
        // The controls of a dialog share the dialog's font.
        if (owner && owner->Kind == KindDialog)
            object->Font = owner->Font;
        else
            object->Font =
                CreateFontFromFields(window, object->FontSize, object->FontBold, object->FontItalic,
                                     object->FontUnderline, object->FontStrikeOut, object->FontName,
                                     owner ? owner->FixedFontScale : 0);
    }
    object->InitialFont = (HFONT)SendMessageAW(window, WM_GETFONT, 0, 0);
    SendMessageAW(window, WM_SETFONT, (WPARAM)object->Font, TRUE);
    if (object->Kind == KindLabel) AutoSizeControl(object);
    if (object->Kind == KindComboBox || object->Kind == KindExtendedComboBox)
        FitComboHeight(object, 1);
}

static void ApplyControlColours(WindowObject *object) {
    if (object->Kind == KindImageListHolder) {
        object->BackColor = (COLORREF)ResolveColour(object, object->BackColorSetting, 0);
        ImageList_SetBkColor(object->ImageList, object->BackColor);
    } else if (object->BackColorSetting == NoColour) {
        object->BackColor = 0;
        object->BackBrush = nullptr;
    } else {
        ApplyBackColour(object);
    }
    object->ForeColor = (COLORREF)ResolveColour(object, object->ForeColorSetting, 0);
    SendForeColour(object);
}

void ApplyControlAppearance(HWND ownerWindow, WindowObject *object) {
    if (!object) return;
    ApplyControlFont(ObjectFromHandle(ownerWindow), object);
    ApplyControlColours(object);
    object->MouseIcon = LoadImageResource(object, object->MouseIcon, 0);
    // A toolbar's Picture already holds its image list.
    if (object->Kind == KindToolbar) return;
    object->Picture = LoadImageResource(object, object->Picture, 1);
    RecordPictureSize(object);
}
