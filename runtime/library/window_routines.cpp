// Window routines for applications: the wait cursor, cue banners and redrawing.
#include "runtime/library/window_routines.h"
#include "runtime/winproc/cursor_messages.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <commctrl.h>

// The wait cursor is the runtime's busy state, which modal runs end too.
void BeginWait(HWND window) {
    BeginBusy(window);
}
void EndWait() {
    EndBusy();
}

int SetCueBannerW(HWND edit, int showWhenFocused, const wchar_t *text) {
    const int taken =
        (int)SendMessageW(edit, EM_SETCUEBANNER, showWhenFocused ? TRUE : FALSE, (LPARAM)text);
    RedrawAll(edit);
    return taken;
}

int SetCueBannerA(HWND edit, int showWhenFocused, const char *text) {
    wchar_t wide[CueBannerChars] = {};
    // Too long: the bytes that fit, each at most one character.
    if (text && AnsiToWideWhole(text, wide, CueBannerChars) < 0)
        AnsiToWideBounded(text, CueBannerChars - 1, wide, CueBannerChars);
    return SetCueBannerW(edit, showWhenFocused, wide);
}

int SetCueBanner(HWND edit, int showWhenFocused, const void *text) {
    return UnicodeFlag ? SetCueBannerW(edit, showWhenFocused, (const wchar_t *)text)
                       : SetCueBannerA(edit, showWhenFocused, (const char *)text);
}

void RedrawNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
