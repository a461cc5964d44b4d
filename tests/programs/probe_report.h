// The report file of a probe program: the file an environment variable
// names, written whole.
#pragma once

#include <windows.h>

inline void WriteProbeReport(const char *variable, const char *text, const char *more = "") {
    char path[MAX_PATH];
    if (!GetEnvironmentVariableA(variable, path, MAX_PATH)) return;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, text, lstrlenA(text), &written, nullptr);
    WriteFile(file, more, lstrlenA(more), &written, nullptr);
    CloseHandle(file);
}
