// The setters of texts, text boxes, reading order, layout direction and
// scroll bars of windows and text boxes.
#include "runtime/properties/text_setters.h"
#include "runtime/properties/setter_support.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

// WM_SETTEXT reaches the window procedure, which keeps the caption and
// sizes an automatic label to it.
template <class Ch> static int SetTextT(HWND window, const Ch *text) {
    if (!ObjectFromHandle(window)) return 0;
    return (int)ApiSendMessage(window, WM_SETTEXT, 0, text);
}

int SetTextA(HWND window, const char *text) {
    return SetTextT(window, text);
}
int SetTextW(HWND window, const wchar_t *text) {
    return SetTextT(window, text);
}
int SetText(HWND window, const void *text) {
    return UnicodeFlag ? SetTextW(window, (const wchar_t *)text)
                       : SetTextA(window, (const char *)text);
}

// A text longer than the new maximum is cut to it; 0 lifts the limit.
int SetMaxLength(HWND window, int32_t characters) {
    WindowObject *object = ObjectAccepting(window, IsTextBoxKind);
    if (!object) return 0;
    object->MaxLength = characters;
    const int length = (int)SendMessageAW(window, WM_GETTEXTLENGTH, 0, 0);
    if (characters > 0 && length > characters) {
        void *kept = AllocZeroed(((size_t)characters + 1) * 2);
        if (kept) {
            GetWindowTextAW(window, kept, characters + 1);
            SetWindowTextAW(window, kept);
            FreeBlock(kept);
        }
    }
    SendMessageAW(window, EM_LIMITTEXT, (WPARAM)characters, 0);
    return 1;
}

int SetPasswordChar(HWND window, int32_t character) {
    WindowObject *object = ObjectAccepting(window, [](int k) { return k == KindTextBox; });
    if (!object) return 0;
    object->PasswordChar = character;
    SendMessageAW(window, EM_SETPASSWORDCHAR, (WPARAM)character, 0);
    InvalidateRect(window, nullptr, TRUE);
    return 1;
}

enum : UINT { StyleOnly = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED };
constexpr DWORD LayoutStyles = WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT;

// A non-zero reading order reads the texts right to left.
int SetReadingOrder(HWND window, int32_t rightToLeft) {
    WindowObject *object = ObjectAccepting(
        window, [](int k) { return k != KindImage && k != KindHScrollBar && k != KindVScrollBar; });
    if (!object || !IsFlag(rightToLeft)) return 0;
    object->ReadingOrder = rightToLeft;
    DWORD exStyle = ExStyleForSystem(object->ExStyle);
    if (rightToLeft)
        exStyle |= WS_EX_RTLREADING;
    else
        exStyle &= ~(DWORD)WS_EX_RTLREADING;
    SetWindowLongAW(window, GWL_EXSTYLE, (LONG_PTR)exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, StyleOnly);
    return 1;
}

// Windows and containers mirror their own layout without passing it on to
// the controls inside, which keep their own direction.
int SetRightToLeft(HWND window, int32_t on) {
    WindowObject *object = ObjectFromHandle(window);
    if (!object || !IsFlag(on)) return 0;
    const int kind = object->Kind;
    const DWORD styles = IsWindowOrContainerKind(kind) ? LayoutStyles : WS_EX_LAYOUTRTL;
    DWORD exStyle = (DWORD)GetWindowLongAW(window, GWL_EXSTYLE);
    if (on && OsLevel >= Os2000)
        exStyle |= styles;
    else
        exStyle &= ~styles;
    SetWindowLongAW(window, GWL_EXSTYLE, (LONG_PTR)exStyle);
    RedrawAll(window);
    return 1;
}

int SetScrollBars(HWND window, int32_t bars) {
    WindowObject *object = ObjectAccepting(window, [](int k) {
        return k == KindMdiFrame || k == KindWindow || k == KindTextBox || k == KindPictureBox;
    });
    if (!object || bars < 0 || bars > 3) return 0;
    object->ScrollBars = bars;
    DWORD style = (DWORD)GetWindowLongAW(window, GWL_STYLE) & ~(DWORD)(WS_HSCROLL | WS_VSCROLL);
    if (bars & 1) style |= WS_HSCROLL;
    if (bars & 2) style |= WS_VSCROLL;
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)style);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, StyleOnly);
    RedrawAll(window);
    return 1;
}
