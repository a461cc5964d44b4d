// The busy state: wait cursor and mouse capture.
#include "runtime/winproc/cursors.h"
#include "runtime/base/runtime_state.h"

int Busy;
HWND SavedCapture;
HWND HoverWindow;
int LinkPressed;

void BeginBusy(HWND window) {
    HWND capture = GetCapture();
    if (capture != window) {
        SavedCapture = capture;
        ReleaseCapture();
    }
    if (Busy) return;
    Busy = 1;
    SetCursor(WaitCursor);
    SetCapture(window);
}

void EndBusy() {
    if (Busy) {
        Busy = 0;
        SetCursor(ArrowCursor);
        ReleaseCapture();
    }
    if (SavedCapture) {
        SetCapture(SavedCapture);
        SavedCapture = nullptr;
    }
}
