// Stands in for the environment's executables: records its command line in
// a file beside itself (its own path with ".args" appended, UTF-8) and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The long-path form: beside an executable whose path nearly fills
    // MAX_PATH, the record's own path does not fit it.
    wchar_t path[MAX_PATH + 16] = L"\\\\?\\";
    DWORD n = GetModuleFileNameW(nullptr, path + 4, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    lstrcatW(path, L".args");
    char line[4096];
    int bytes =
        WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line, nullptr, nullptr);
    if (bytes <= 0) return 1;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written;
    WriteFile(file, line, bytes - 1, &written, nullptr);
    CloseHandle(file);
    return 0;
}
