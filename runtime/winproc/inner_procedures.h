// The runtime's other window procedures: the MDI client and the inner windows
// of combo boxes and IP address boxes.
#pragma once

#include <windows.h>

// Class procedure of QNMDICLIENT, the runtime's MDI client.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
