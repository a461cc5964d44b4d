// The font setters: one field of the font changes, then the font is made
// again. A dialog box shares its font with its controls.
#include "runtime/properties/font_setters.h"
#include "runtime/templates/appearance.h"
#include "runtime/properties/setter_support.h"
#include "runtime/painting/painting.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"

// The controls of a dialog box draw with the dialog's font.
static bool UsesDialogFont(const WindowObject *object) {
    if (IsWindowKind(object->Kind)) return false;
    const WindowObject *owner = ObjectFromHandle(object->ParentHandle);
    return owner && owner->Kind == KindDialog;
}

// Every control inside the container, through groups, pictures and rebars,
// takes the font.
static void ShareFont(HWND container, HFONT font) {
    for (HWND child = GetWindow(container, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        WindowObject *control = ObjectFromHandle(child);
        if (!control) continue;
        control->Font = font;
        SendMessageAW(child, WM_SETFONT, (WPARAM)font, FALSE);
        if (control->Kind == KindGroupBox) MeasureGroupCaption(control);
        if (IsContainerKind(control->Kind)) ShareFont(child, font);
    }
}

static int FixedScaleFor(const WindowObject *object) {
    if (IsWindowKind(object->Kind)) return object->FixedFontScale;
    const WindowObject *owner = ObjectFromHandle(object->ParentHandle);
    return owner ? owner->FixedFontScale : 0;
}

static int RebuildObjectFont(WindowObject *object) {
    if (object->Kind == KindDialog) {
        RebuildFont(object, object->FixedFontScale);
        ShareFont(object->Handle, object->Font);
        RedrawAll(object->Handle);
        return 1;
    }
    RebuildFont(object, FixedScaleFor(object));
    RefreshWindow(object->Handle, 1);
    return 1;
}

// The object whose font may change, or 0 for a control of a dialog box.
static WindowObject *FontObject(HWND window) {
    WindowObject *object = ObjectFromHandle(window);
    return object && !UsesDialogFont(object) ? object : nullptr;
}

static int ChangeFontField(HWND window, int32_t WindowObject::*field, int32_t value) {
    WindowObject *object = FontObject(window);
    if (!object) return 0;
    object->*field = value;
    return RebuildObjectFont(object);
}

int SetFontBold(HWND window, int32_t on) {
    return ChangeFontField(window, &WindowObject::FontBold, on);
}
int SetFontItalic(HWND window, int32_t on) {
    return ChangeFontField(window, &WindowObject::FontItalic, on);
}
int SetFontStrikeOut(HWND window, int32_t on) {
    return ChangeFontField(window, &WindowObject::FontStrikeOut, on);
}
int SetFontUnderline(HWND window, int32_t on) {
    return ChangeFontField(window, &WindowObject::FontUnderline, on);
}

int SetFontSize(HWND window, int32_t points) {
    if (points <= 0) return 0;
    return ChangeFontField(window, &WindowObject::FontSize, points);
}

// The face name, kept in the active form; a name in the other form is
// converted (at most 130 bytes to ANSI, 260 characters to wide).
enum { AnsiFaceBytes = 130, WideFaceChars = 260 };

static void *FaceCopy(const char *name) {
    if (!UnicodeFlag) {
        const int length = name ? lstrlenA(name) : 0;
        char *copy = (char *)AllocZeroed((length + 2) * 2);
        if (copy) CopyTextBounded(copy, name, length + 1);
        return copy;
    }
    wchar_t *copy = (wchar_t *)AllocZeroed((WideFaceChars + 2) * 2);
    if (copy) AnsiToWideBounded(name, copy, WideFaceChars);
    return copy;
}

static void *FaceCopy(const wchar_t *name) {
    if (UnicodeFlag) {
        const int length = name ? lstrlenW(name) : 0;
        wchar_t *copy = (wchar_t *)AllocZeroed((length + 2) * 2);
        if (copy) CopyTextBounded(copy, name, length + 1);
        return copy;
    }
    char *copy = (char *)AllocZeroed((AnsiFaceBytes + 2) * 2);
    if (copy) WideToAnsiBounded(name, copy, AnsiFaceBytes);
    return copy;
}

template <class Ch> static int SetFontNameT(HWND window, const Ch *name) {
    WindowObject *object = FontObject(window);
    if (!object) return 0;
    void *copy = FaceCopy(name);
    if (!copy) return 0;
    FreeText(object->FontName);
    object->FontName = copy;
    return RebuildObjectFont(object);
}

int SetFontNameA(HWND window, const char *name) {
    return SetFontNameT(window, name);
}
int SetFontNameW(HWND window, const wchar_t *name) {
    return SetFontNameT(window, name);
}
int SetFontName(HWND window, const void *name) {
    return UnicodeFlag ? SetFontNameW(window, (const wchar_t *)name)
                       : SetFontNameA(window, (const char *)name);
}
