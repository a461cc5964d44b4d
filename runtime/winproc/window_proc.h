// The runtime's window procedures and the state they share.
#pragma once

#include <windows.h>

// Set while an EN_CHANGE or EN_UPDATE notification is being delivered.
extern int EditNotifyBusy;

// Class procedure of QNMDICLIENT, the runtime's MDI client.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
