// The repaint helpers that the setters share.
#include "runtime/base/repaint.h"

void RefreshWindow(HWND window, int erase) {
    InvalidateRect(window, nullptr, erase ? TRUE : FALSE);
    // Sends WM_PAINT at once when anything is invalid, so the window shows
    // the change before the caller goes on.
    UpdateWindow(window);
}

void RedrawAll(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                     RDW_ERASENOW | RDW_FRAME);
}
