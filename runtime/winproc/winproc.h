// Window procedures and event routing.
#pragma once

#include <windows.h>

// The one window procedure of every runtime window and control.
LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Class procedure of QNMDICLIENT, the runtime's MDI client.
LRESULT CALLBACK MdiClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
