// A DLL that watches the process's unhandled-exception filter: it installs a
// filter of its own when the process starts, before the program's entry
// runs, and at the process's end writes "restored" to the file named by
// QN_FILTER_PROBE_OUT when that filter is in force again, else "changed".
// With QN_FILTER_PROBE_CLASS naming a window class of the program, it adds
// " registered" or " unregistered": whether the class outlived the program.
#include <windows.h>

#include "tests/programs/probe_report.h"

static LONG WINAPI ProbeFilter(EXCEPTION_POINTERS *) {
    return EXCEPTION_CONTINUE_SEARCH;
}

extern "C" __declspec(dllexport) int WINAPI ProbeLoaded() {
    return 1;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) SetUnhandledExceptionFilter(ProbeFilter);
    if (reason == DLL_PROCESS_DETACH) {
        LPTOP_LEVEL_EXCEPTION_FILTER current = SetUnhandledExceptionFilter(ProbeFilter);
        wchar_t name[64];
        const char *classState = "";
        if (GetEnvironmentVariableW(L"QN_FILTER_PROBE_CLASS", name, 64)) {
            WNDCLASSEXW info = {sizeof info};
            classState = GetClassInfoExW(GetModuleHandleW(nullptr), name, &info) ? " registered"
                                                                                 : " unregistered";
        }
        WriteProbeReport("QN_FILTER_PROBE_OUT", current == ProbeFilter ? "restored" : "changed",
                         classState);
    }
    return TRUE;
}
