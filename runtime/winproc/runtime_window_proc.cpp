// RuntimeWindowProc: the dispatch of every message of a runtime window.
#include "runtime/winproc/winproc.h"
#include "runtime/startup/text_form.h"

LRESULT CALLBACK RuntimeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcAW(window, message, wParam, lParam);
}
