// A DLL that watches the process's unhandled-exception filter: it installs a
// filter of its own when the process starts, before the program's entry
// runs, and at the process's end writes "restored" to the file named by
// QN_FILTER_PROBE_OUT when that filter is in force again, else "changed".
#include <windows.h>

static LONG WINAPI ProbeFilter(EXCEPTION_POINTERS *) {
    return EXCEPTION_CONTINUE_SEARCH;
}

extern "C" __declspec(dllexport) int WINAPI ProbeLoaded() {
    return 1;
}

static void Report(const char *text) {
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA("QN_FILTER_PROBE_OUT", path, MAX_PATH)) return;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, text, lstrlenA(text), &written, nullptr);
    CloseHandle(file);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) SetUnhandledExceptionFilter(ProbeFilter);
    if (reason == DLL_PROCESS_DETACH) {
        LPTOP_LEVEL_EXCEPTION_FILTER current = SetUnhandledExceptionFilter(ProbeFilter);
        Report(current == ProbeFilter ? "restored" : "changed");
    }
    return TRUE;
}
