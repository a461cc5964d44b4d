// The repaint helpers that the setters share.
#include "runtime/base/repaint.h"

// A window that is not on the screen, hidden itself or inside a hidden
// window, has nothing to repaint now: its showing paints all of it.
static bool OffScreen(HWND window) {
    return window && !IsWindowVisible(window);
}

void RefreshWindow(HWND window, int erase) {
    if (OffScreen(window)) return;
    InvalidateRect(window, nullptr, erase ? TRUE : FALSE);
    // Sends WM_PAINT at once when anything is invalid, so the window shows
    // the change before the caller goes on.
    UpdateWindow(window);
}

void RedrawAll(HWND window) {
    if (OffScreen(window)) return;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                     RDW_ERASENOW | RDW_FRAME);
}
