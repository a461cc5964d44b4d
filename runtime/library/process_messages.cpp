// ProcessMessages: the thread's waiting messages, dispatched now.
#include "runtime/library/window_routines.h"
#include "runtime/startup/runtime_state.h"

int ProcessMessages() {
    MSG msg;
    if (UnicodeFlag) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } else {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
