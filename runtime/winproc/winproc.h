// Window procedures and event routing: the runtime window procedure, the
// event contract with the application and the runtime's private messages.
#pragma once

#include <windows.h>

#include "runtime/templates/window_object.h"

// Private runtime messages (WM_USER + 0x406, + 0x413 to + 0x41F).
enum : UINT {
    RTM_LINKCLICKED = 0x806,
    RTM_GETOBJECT = 0x813,
    RTM_CHILDMOVED = 0x814,
    RTM_FOCUSNEXT = 0x815,
    RTM_NAVIGATE = 0x816,
    RTM_CONTROLFOCUSED = 0x817,
    RTM_SETCREATINGTYPE = 0x818,
    RTM_CREATED = 0x819,
    RTM_RELAYOUT = 0x81A,
    RTM_GETTHEMELIBRARY = 0x81B,
    RTM_HASMANIFEST = 0x81C,
    RTM_REDRAWAREA = 0x81E,
};

// Set while an EN_CHANGE or EN_UPDATE notification is being delivered.
extern int EditNotifyBusy;
// Owner-draw type of the control being created (RTM_SETCREATINGTYPE).
extern int CreatingOwnerDrawType;
// Procedure of the field edits of IP address boxes.
extern WNDPROC IpEditProcedure;

// The one window procedure of every runtime window and control.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Class procedure of QNMDICLIENT, the runtime's MDI client.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Procedure of the inner windows of combo boxes and IP address boxes.
LRESULT CALLBACK InnerChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The event contract: the application's EventProcedure answers 0 when it did
// not handle a message; the runtime then does the kind's default processing.
LRESULT CallEventProcedure(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);
LRESULT EventThenDefault(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT DefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);
LRESULT WindowDefaultProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam);
LRESULT PreviousProcessing(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);

// The runtime's default processing for an application that asks for it; -1
// for a window that is not the runtime's.
LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Kind groups.
inline bool IsWindowKind(int kind) {
    return kind >= 0 && kind < 4;
}
inline bool IsContainerKind(int kind) {
    return kind == KindGroupBox || kind == KindPictureBox || kind == KindRebar;
}
