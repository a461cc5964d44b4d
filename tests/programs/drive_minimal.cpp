// Runs the minimal sample as a user would: it opens About, presses OK in the
// box, closes the window and returns the sample's exit code; 100 and up when
// a window did not come or go in time, the sample then ended, so that no
// window of it is left behind holding the caller's output.
#include <windows.h>

struct Search {
    DWORD Process;
    const wchar_t *Title;
    HWND Found;
};

static BOOL CALLBACK Match(HWND window, LPARAM parameter) {
    Search *search = (Search *)parameter;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[64] = L"";
    GetWindowTextW(window, title, 64);
    if (process != search->Process || lstrcmpW(title, search->Title) || !IsWindowVisible(window))
        return TRUE;
    search->Found = window;
    return FALSE;
}

// A minute: a first start in a new Wine prefix, on a loaded or emulated
// processor, can take many seconds.
static HWND WaitForWindow(DWORD process, const wchar_t *title) {
    for (int tries = 0; tries < 1200; ++tries) {
        Search search = {process, title, nullptr};
        EnumWindows(Match, (LPARAM)&search);
        if (search.Found) return search.Found;
        Sleep(50);
    }
    return nullptr;
}

static DWORD Drive(DWORD process, HANDLE handle) {
    HWND window = WaitForWindow(process, L"Minimal");
    if (!window) return 102;
    PostMessageW(GetDlgItem(window, 1001), BM_CLICK, 0, 0);
    HWND about = WaitForWindow(process, L"About Minimal");
    if (!about) return 103;
    // The main window is disabled while the modal box runs.
    if (IsWindowEnabled(window)) return 104;
    PostMessageW(GetDlgItem(about, 1000), BM_CLICK, 0, 0);
    for (int tries = 0; IsWindow(about) && tries < 400; ++tries)
        Sleep(50);
    if (IsWindow(about) || !IsWindowEnabled(window)) return 105;
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(handle, 30000) != WAIT_OBJECT_0) return 106;
    DWORD code = 107;
    GetExitCodeProcess(handle, &code);
    return code;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t command[MAX_PATH + 2];
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2 || lstrlenW(argv[1]) >= MAX_PATH) return 100;
    wsprintfW(command, L"\"%s\"", argv[1]);
    STARTUPINFOW start = {sizeof start};
    PROCESS_INFORMATION child;
    if (!CreateProcessW(argv[1], command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &child))
        return 101;
    DWORD code = Drive(child.dwProcessId, child.hProcess);
    if (code >= 100) TerminateProcess(child.hProcess, code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    LocalFree(argv);
    return (int)code;
}
