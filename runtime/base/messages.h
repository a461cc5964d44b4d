// The runtime's private window messages, and the bits of the system's
// message parameters that the runtime's procedures test.
#pragma once

#include <windows.h>

// WM_USER + 0x406 and WM_USER + 0x413 to WM_USER + 0x41F belong to the runtime.
enum : UINT {
    RTM_LINKCLICKED = WM_USER + 0x406,     // a hyperlink label was clicked
    RTM_GETOBJECT = WM_USER + 0x413,       // answers the window's WindowObject
    RTM_CHILDMOVED = WM_USER + 0x414,      // an MDI child moved: scroll bars again
    RTM_FOCUSNEXT = WM_USER + 0x415,       // a control lost the ability to take the focus
    RTM_NAVIGATE = WM_USER + 0x416,        // a navigation key from a control
    RTM_CONTROLFOCUSED = WM_USER + 0x417,  // a control took the focus
    RTM_SETCREATINGTYPE = WM_USER + 0x418, // owner-draw type of the control being created
    RTM_CREATED = WM_USER + 0x419,         // the window exists: the application may refuse it
    RTM_RELAYOUT = WM_USER + 0x41A,        // lay the docked controls out again
    RTM_GETTHEMELIBRARY = WM_USER + 0x41B, // answers the visual-styles library
    RTM_HASMANIFEST = WM_USER + 0x41C,     // answers whether the program has a manifest
    RTM_REDRAWAREA = WM_USER + 0x41E,      // repaint what lies under a transparent control
};
static_assert(RTM_LINKCLICKED == 0x806 && RTM_REDRAWAREA == 0x81E);

// WM_SYSCOMMAND: the system uses the low four bits of wParam itself; the
// command is what remains.
constexpr WPARAM SystemCommandMask = 0xFFF0;

// GetKeyState: the high bit of the answer is set while the key is down.
constexpr int KeyDownBit = 0x8000;
