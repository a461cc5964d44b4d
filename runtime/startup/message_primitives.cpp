// The message primitives: each calls the wide or the ANSI system function.
#include "runtime/startup/startup.h"

BOOL GetMessageAW(MSG *msg) {
    return UnicodeFlag ? GetMessageW(msg, nullptr, 0, 0) : GetMessageA(msg, nullptr, 0, 0);
}

BOOL PeekMessageAW(MSG *msg, UINT remove) {
    return UnicodeFlag ? PeekMessageW(msg, nullptr, 0, 0, remove)
                       : PeekMessageA(msg, nullptr, 0, 0, remove);
}

int TranslateAcceleratorAW(HWND window, HACCEL table, MSG *msg) {
    if (!table) return 0;
    return UnicodeFlag ? TranslateAcceleratorW(window, table, msg)
                       : TranslateAcceleratorA(window, table, msg);
}

LRESULT DispatchMessageAW(const MSG *msg) {
    return UnicodeFlag ? DispatchMessageW(msg) : DispatchMessageA(msg);
}

HACCEL LoadAcceleratorsAW(HINSTANCE instance, int resource) {
    return UnicodeFlag ? LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resource))
                       : LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resource));
}
