// PrintToIdeOutput: a line of text into the output pane of a Quenlo
// environment that is debugging this process.
#include "runtime/library/sysinfo.h"
#include "runtime/startup/memory.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

#include <string.h>

// Asked with the process identifier, an environment answers with its
// output pane when it debugs that process, else 0.
enum : UINT { QueryOutputPane = WM_USER + 0x41D, ShowOutputPane = WM_USER + 0x41F };

// The next environment window of the class after the one last tried whose
// output pane belongs to this process; the pane in *pane.
static HWND NextDebuggingEnvironment(const wchar_t *className, HWND *pane) {
    for (HWND environment = nullptr;;) {
        environment = FindWindowExW(nullptr, environment, className, nullptr);
        if (!environment) return nullptr;
        *pane = (HWND)SendMessageW(environment, QueryOutputPane, GetCurrentProcessId(), 0);
        if (*pane) return environment;
    }
}

static LRESULT ApiSendMessage(HWND w, UINT m, WPARAM wp, const char *text) {
    return SendMessageA(w, m, wp, (LPARAM)text);
}
static LRESULT ApiSendMessage(HWND w, UINT m, WPARAM wp, const wchar_t *text) {
    return SendMessageW(w, m, wp, (LPARAM)text);
}

template <class Ch> static void PrintToIdeOutputT(const Ch *text, int clear) {
    if (!text) return;
    // Every 64-bit environment is asked before the 32-bit ones.
    HWND pane = nullptr;
    HWND environment = NextDebuggingEnvironment(L"QN2RUNMDIWINDOWQuenlo64", &pane);
    if (!environment) environment = NextDebuggingEnvironment(L"QN2RUNMDIWINDOWQuenlo", &pane);
    if (!environment) return;
    SendMessageW(environment, ShowOutputPane, 0, 0);

    int length = ApiStringLength(text);
    Ch *line = (Ch *)AllocZeroed((length + 4) * sizeof(Ch));
    if (!line) return;
    memcpy(line, text, length * sizeof(Ch));
    if (length >= 2 && line[length - 1] == '\n') line[--length] = 0;
    line[length] = '\r';
    line[length + 1] = '\n';
    if (clear)
        SendMessageW(pane, EM_SETSEL, 0, -1);
    else
        SendMessageW(pane, EM_SETSEL, (WPARAM)-1, 0);
    ApiSendMessage(pane, EM_REPLACESEL, FALSE, line);
    FreeBlock(line);
}

void PrintToIdeOutputA(const char *text, int clear) {
    PrintToIdeOutputT(text, clear);
}
void PrintToIdeOutputW(const wchar_t *text, int clear) {
    PrintToIdeOutputT(text, clear);
}
void PrintToIdeOutput(const void *text, int clear) {
    if (UnicodeFlag)
        PrintToIdeOutputW((const wchar_t *)text, clear);
    else
        PrintToIdeOutputA((const char *)text, clear);
}
