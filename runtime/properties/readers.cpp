// Property readers: GetProperty over the object's fields and the controls
// that keep their range themselves, and the computed and text readers.
#include "runtime/properties/readers.h"
#include "runtime/layout/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>

// Kinds without a font or a text colour.
static bool HasNoFont(int kind) {
    return kind == KindMdiFrame || kind == KindImage || kind == KindHScrollBar ||
           kind == KindVScrollBar;
}
static bool IsScrollBarKind(int kind) {
    return kind == KindHScrollBar || kind == KindVScrollBar;
}
static bool IsControlKind(int kind) {
    return kind >= KindLabel;
}

// The cached range and position of a scroll bar, from the control.
static void RefreshScrollBar(WindowObject *object) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!GetScrollInfo(object->Handle, SB_CTL, &info)) return;
    object->Min = info.nMin;
    object->Max = info.nMax;
    object->Value = info.nPos;
}

// Codes 26, 30 and 49: scroll bars from their cache, the other range
// controls from the control. An up-down keeps its maximum in the low word.
static int32_t RangeOrValue(WindowObject *object, int code) {
    const HWND window = object->Handle;
    switch (object->Kind) {
    case KindHScrollBar:
    case KindVScrollBar:
        RefreshScrollBar(object);
        return code == PropMax ? object->Max : code == PropMin ? object->Min : object->Value;
    case KindProgressBar:
        if (code == PropValue) return (int32_t)SendMessageAW(window, PBM_GETPOS, 0, 0);
        return (int32_t)SendMessageAW(window, PBM_GETRANGE, code == PropMin, 0);
    case KindTrackbar: {
        const UINT message = code == PropMax   ? TBM_GETRANGEMAX
                             : code == PropMin ? TBM_GETRANGEMIN
                                               : TBM_GETPOS;
        return (int32_t)SendMessageAW(window, message, 0, 0);
    }
    case KindUpDown: {
        if (code == PropValue) return (int16_t)LOWORD(SendMessageAW(window, UDM_GETPOS, 0, 0));
        const LRESULT range = SendMessageAW(window, UDM_GETRANGE, 0, 0);
        return (int16_t)(code == PropMax ? LOWORD(range) : HIWORD(range));
    }
    case KindCheckBox:
    case KindOptionButton:
        if (code == PropValue) return object->Value;
        return -1;
    default: return -1;
    }
}

static int32_t FieldOrNone(bool answers, int32_t field) {
    return answers ? field : -1;
}

int32_t GetProperty(HWND window, int code) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object) return -1;
    const int kind = object->Kind;
    const bool windowKind = IsWindowKind(kind);
    const bool control = IsControlKind(kind);
    const bool fontKind = !HasNoFont(kind);
    switch (code) {
    case PropAlign: return FieldOrNone(IsDockableKind(kind), object->Align);
    case PropAutoSize:
        return FieldOrNone(kind == KindLabel || kind == KindPictureBox, object->AutoSize);
    case PropBackColor: return object->BackColorSetting;
    case PropCancel: return FieldOrNone(kind == KindPushButton, object->Cancel);
    case PropEditOption:
        return FieldOrNone(kind == KindTextBox || kind == KindComboBox, object->EditOption);
    case PropMouseIcon: return (int32_t)object->MouseIcon;
    case PropMousePointer: return object->MousePointer;
    case PropShowFocus: return FieldOrNone(kind == KindPushButton, object->ShowFocus);
    case PropPenStyle:
        return FieldOrNone(kind == KindWindow || kind == KindPictureBox, object->PenStyle);
    case PropPenWidth:
        return FieldOrNone(kind == KindWindow || kind == KindPictureBox, object->PenWidth);
    case PropEnabled: return object->Enabled;
    case PropDoubleBuffer: return FieldOrNone(kind == KindPictureBox, object->DoubleBuffer);
    case PropFont: return FieldOrNone(fontKind, (int32_t)(uintptr_t)object->Font);
    case PropFontBold: return FieldOrNone(fontKind, object->FontBold);
    case PropFontItalic: return FieldOrNone(fontKind, object->FontItalic);
    case PropFontSize: return FieldOrNone(fontKind, object->FontSize);
    case PropFontStrikeOut: return FieldOrNone(fontKind, object->FontStrikeOut);
    case PropFontUnderline: return FieldOrNone(fontKind, object->FontUnderline);
    case PropForeColor: return FieldOrNone(fontKind, object->ForeColorSetting);
    case PropHeight: return object->Height;
    case PropIcon: return FieldOrNone(windowKind, (int32_t)object->Icon);
    case PropSmallIcon: return FieldOrNone(windowKind, (int32_t)object->SmallIcon);
    case PropLeft: return object->Left;
    case PropMax:
    case PropMin:
        if (kind == KindCheckBox || kind == KindOptionButton) return -1;
        return RangeOrValue(object, code);
    case PropMaxLength: return FieldOrNone(kind == KindTextBox, object->MaxLength);
    case PropMdiChild: return FieldOrNone(kind == KindWindow, object->MdiChild);
    case PropMdiClient:
        return FieldOrNone(kind == KindMdiFrame, (int32_t)(uintptr_t)object->MdiClient);
    case PropModal:
        return kind == KindDialog || kind == KindWindow ? (int32_t)(uintptr_t)object->Modal : 0;
    case PropMultiLine:
        return FieldOrNone(IsTextBoxKind(kind) || IsButtonKind(kind), object->MultiLine);
    case PropNoPrefix: return FieldOrNone(kind == KindLabel, object->NoPrefix);
    case PropLargeChange: return FieldOrNone(IsScrollBarKind(kind), object->ScrollPage);
    case PropPasswordChar: return FieldOrNone(kind == KindTextBox, object->PasswordChar);
    case PropPicture:
        return FieldOrNone(windowKind || kind == KindPushButton || kind == KindPictureBox ||
                               kind == KindImage,
                           (int32_t)object->Picture);
    case PropPicturePosition: return FieldOrNone(kind == KindPushButton, object->PicturePosition);
    case PropReadingOrder:
        return FieldOrNone(kind != KindImage && !IsScrollBarKind(kind), object->ReadingOrder);
    case PropScaleMode:
        return FieldOrNone((windowKind && kind != KindDialog) || kind == KindPictureBox,
                           object->ScaleMode);
    case PropScrollBars:
        return FieldOrNone((windowKind && kind != KindDialog) || kind == KindTextBox,
                           object->ScrollBars);
    case PropWindowState: return FieldOrNone(windowKind, object->WindowState);
    case PropLabelOption: return FieldOrNone(kind == KindLabel, object->LabelOption);
    case PropIndex: return FieldOrNone(control, object->Index);
    case PropTabStop:
        return FieldOrNone(kind != KindLabel && kind != KindGroupBox && kind != KindImage,
                           object->TabStop);
    case PropAlignment:
        return FieldOrNone(control && kind != KindImage && !IsScrollBarKind(kind),
                           object->Alignment);
    case PropTimerInterval: return FieldOrNone(windowKind, object->TimerInterval);
    case PropTop: return object->Top;
    case PropKind: return kind;
    case PropValue: return RangeOrValue(object, code);
    case PropVisible: return IsWindowVisible(window) ? 1 : 0;
    case PropVisibleItems: return FieldOrNone(kind == KindComboBox, object->VisibleItems);
    case PropWidth: return object->Width;
    case PropParent: return control ? (int32_t)(uintptr_t)object->ParentHandle : 0;
    default: return -1; // 8 and 17 are read by GetDefault and GetFontName
    }
}

// The readers that pass their code.
#define PROPERTY_READER(name, code)                                                                \
    int32_t name(HWND window) {                                                                    \
        return GetProperty(window, code);                                                          \
    }
PROPERTY_READER(GetAlign, PropAlign)
PROPERTY_READER(GetAutoSize, PropAutoSize)
PROPERTY_READER(GetBackColor, PropBackColor)
PROPERTY_READER(GetCancel, PropCancel)
PROPERTY_READER(GetEditOption, PropEditOption)
PROPERTY_READER(GetMouseIcon, PropMouseIcon)
PROPERTY_READER(GetMousePointer, PropMousePointer)
PROPERTY_READER(GetShowFocus, PropShowFocus)
PROPERTY_READER(GetPenStyle, PropPenStyle)
PROPERTY_READER(GetPenWidth, PropPenWidth)
PROPERTY_READER(GetEnabled, PropEnabled)
PROPERTY_READER(GetDoubleBuffer, PropDoubleBuffer)
PROPERTY_READER(GetFont, PropFont)
PROPERTY_READER(GetFontBold, PropFontBold)
PROPERTY_READER(GetFontItalic, PropFontItalic)
PROPERTY_READER(GetFontSize, PropFontSize)
PROPERTY_READER(GetFontStrikeOut, PropFontStrikeOut)
PROPERTY_READER(GetFontUnderline, PropFontUnderline)
PROPERTY_READER(GetForeColor, PropForeColor)
PROPERTY_READER(GetHeight, PropHeight)
PROPERTY_READER(GetIcon, PropIcon)
PROPERTY_READER(GetSmallIcon, PropSmallIcon)
PROPERTY_READER(GetLeft, PropLeft)
PROPERTY_READER(GetMax, PropMax)
PROPERTY_READER(GetMaxLength, PropMaxLength)
PROPERTY_READER(GetMdiChild, PropMdiChild)
PROPERTY_READER(GetMdiClient, PropMdiClient)
PROPERTY_READER(GetMin, PropMin)
PROPERTY_READER(GetModal, PropModal)
PROPERTY_READER(GetMultiLine, PropMultiLine)
PROPERTY_READER(GetNoPrefix, PropNoPrefix)
PROPERTY_READER(GetLargeChange, PropLargeChange)
PROPERTY_READER(GetPasswordChar, PropPasswordChar)
PROPERTY_READER(GetPicture, PropPicture)
PROPERTY_READER(GetPicturePosition, PropPicturePosition)
PROPERTY_READER(GetReadingOrder, PropReadingOrder)
PROPERTY_READER(GetScaleMode, PropScaleMode)
PROPERTY_READER(GetScrollBars, PropScrollBars)
PROPERTY_READER(GetLabelOption, PropLabelOption)
PROPERTY_READER(GetIndex, PropIndex)
PROPERTY_READER(GetTabStop, PropTabStop)
PROPERTY_READER(GetAlignment, PropAlignment)
PROPERTY_READER(GetTimerInterval, PropTimerInterval)
PROPERTY_READER(GetTop, PropTop)
PROPERTY_READER(GetKind, PropKind)
PROPERTY_READER(GetValue, PropValue)
PROPERTY_READER(GetVisible, PropVisible)
PROPERTY_READER(GetVisibleItems, PropVisibleItems)
PROPERTY_READER(GetWidth, PropWidth)
#undef PROPERTY_READER

// The readers that compute their value.
int32_t GetDefault(HWND window) {
    const HWND parent = (HWND)(uintptr_t)GetProperty(window, PropParent);
    if (!parent || parent == (HWND)-1) return 0;
    const WindowObject *owner = ObjectFromHandle(parent);
    return owner && owner->DefaultButton == window ? 1 : 0;
}

int32_t GetWindowState(HWND window) {
    WindowObject *object = ObjectFromHandle(window);
    // A control keeps other fields in the storage of WindowState.
    if (!object || !IsWindowKind(object->Kind)) return -1;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return object->WindowState;
    object->WindowState = (int32_t)placement.showCmd - 1;
    return object->WindowState;
}

int GetObjectRect(HWND window, RECT *rect) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object || !rect) return 0;
    const int read = WindowRectInParent(window, rect);
    if (read < 1) return 0;
    const int scale = object->ScaleMode;
    const int dpi = ObjectDpi(object);
    rect->left = FromPixelsX(rect->left, scale, dpi);
    rect->right = FromPixelsX(rect->right, scale, dpi);
    rect->top = FromPixelsY(rect->top, scale, dpi);
    rect->bottom = FromPixelsY(rect->bottom, scale, dpi);
    return read;
}

uintptr_t GetToolTip(HWND window) {
    const WindowObject *object = ObjectFromHandle(window);
    return object ? (uintptr_t)object->ToolTip : 0;
}

int32_t GetRightToLeft(HWND window) {
    return (GetWindowLongAW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? 1 : 0;
}

// Text readers. A stored text in the other form is converted through the
// code page; every copy is cut to the caller's buffer.
static int CopyStored(const void *stored, bool storedWide, char *buffer, int bytes) {
    if (storedWide) return WideToAnsiBounded((const wchar_t *)stored, buffer, bytes);
    return CopyTextBounded(buffer, (const char *)stored, bytes);
}
static int CopyStored(const void *stored, bool storedWide, wchar_t *buffer, int chars) {
    if (!storedWide) return AnsiToWideBounded((const char *)stored, buffer, chars);
    return CopyTextBounded(buffer, (const wchar_t *)stored, chars);
}

template <class Ch> static int GetFontNameT(HWND window, Ch *buffer) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object || !buffer) return 0;
    const void *stored = IsHeapText(object->FontName) ? object->FontName : nullptr;
    const int capacity = sizeof(Ch) == 1 ? FontNameAnsiBytes : FontNameWideChars;
    return CopyStored(stored, UnicodeFlag != 0, buffer, capacity);
}

template <class Ch> static int GetNameT(HWND window, Ch *buffer) {
    const WindowObject *object = ObjectFromHandle(window);
    if (!object || !buffer) return 0;
    return CopyStored(object->Name, true, buffer, ObjectNameChars);
}

template <class Ch> static int GetTextT(HWND window, Ch *buffer) {
    if (!ObjectFromHandle(window) || !buffer) return 0;
    return ApiGetWindowText(window, buffer, ObjectTextChars);
}

int GetFontNameA(HWND window, char *buffer) {
    return GetFontNameT(window, buffer);
}
int GetFontNameW(HWND window, wchar_t *buffer) {
    return GetFontNameT(window, buffer);
}
int GetFontName(HWND window, void *buffer) {
    return UnicodeFlag ? GetFontNameW(window, (wchar_t *)buffer)
                       : GetFontNameA(window, (char *)buffer);
}
int GetNameA(HWND window, char *buffer) {
    return GetNameT(window, buffer);
}
int GetNameW(HWND window, wchar_t *buffer) {
    return GetNameT(window, buffer);
}
int GetName(HWND window, void *buffer) {
    return UnicodeFlag ? GetNameW(window, (wchar_t *)buffer) : GetNameA(window, (char *)buffer);
}
int GetTextA(HWND window, char *buffer) {
    return GetTextT(window, buffer);
}
int GetTextW(HWND window, wchar_t *buffer) {
    return GetTextT(window, buffer);
}
int GetText(HWND window, void *buffer) {
    return UnicodeFlag ? GetTextW(window, (wchar_t *)buffer) : GetTextA(window, (char *)buffer);
}
