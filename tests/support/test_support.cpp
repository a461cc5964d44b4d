// Helpers shared by the tests.
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"
#include "tests/support/test_support.h"

#include <vector>

std::wstring TestProgramPath(const wchar_t *fileName) {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + fileName;
}

std::wstring SettingsExePath() {
    return TestProgramPath(L"..\\..\\Settings.exe");
}

HANDLE StartProgram(const std::wstring &commandLine, const wchar_t *currentDirectory) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory,
                        &start, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

DWORD WaitForExitCode(HANDLE process, DWORD timeoutMs) {
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        return STILL_ACTIVE;
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

DWORD OpenThroughShell(const std::wstring &file) {
    SHELLEXECUTEINFOW open = {};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = L"open";
    open.lpFile = file.c_str();
    open.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&open) || !open.hProcess) return STILL_ACTIVE;
    const DWORD code = WaitForExitCode(open.hProcess);
    CloseHandle(open.hProcess);
    return code;
}

DWORD RunProgram(const std::wstring &commandLine, const wchar_t *currentDirectory,
                 DWORD timeoutMs) {
    HANDLE process = StartProgram(commandLine, currentDirectory);
    if (!process) return (DWORD)-1;
    DWORD code = WaitForExitCode(process, timeoutMs);
    CloseHandle(process);
    return code;
}

std::wstring MakeTempFolder(const wchar_t *prefix) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    for (unsigned n = GetTickCount();; ++n) {
        std::wstring folder = std::wstring(temp) + prefix + std::to_wstring(n % 1000000);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
    }
}

void RemoveFolderTree(const std::wstring &folder) {
    if (folder.empty()) return;
    // The long-path form reaches folders deeper than MAX_PATH too.
    const std::wstring at = folder[1] == L':' ? L"\\\\?\\" + folder : folder;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((at + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(folder + L"\\" + name);
            } else {
                SetFileAttributesW((at + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW((at + L"\\" + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(at.c_str());
}

void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

struct WindowSearch {
    DWORD ProcessId;
    const char *ClassName;
    HWND Found;
};

static BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM data) {
    WindowSearch *search = (WindowSearch *)data;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId) return TRUE;
    if (search->ClassName) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, search->ClassName) != 0) return TRUE;
    }
    search->Found = window;
    return FALSE;
}

HWND WaitForProcessWindow(HANDLE process, const char *className, DWORD timeoutMs) {
    WindowSearch search = {GetProcessId(process), className, nullptr};
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        search.Found = nullptr;
        EnumWindows(MatchProcessWindow, (LPARAM)&search);
        if (search.Found && IsWindowVisible(search.Found)) return search.Found;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

struct ControlSearch {
    int Id;
    HWND Found;
};

static BOOL CALLBACK MatchControl(HWND child, LPARAM data) {
    ControlSearch *search = (ControlSearch *)data;
    if (GetDlgCtrlID(child) != search->Id) return TRUE;
    search->Found = child;
    return FALSE;
}

HWND FindDescendant(HWND window, int id) {
    ControlSearch search = {id, nullptr};
    EnumChildWindows(window, MatchControl, (LPARAM)&search);
    return search.Found;
}

std::string Utf8(const std::wstring &text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), nullptr, 0,
                                          nullptr, nullptr);
    std::string result(bytes, 0);
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), result.data(), bytes, nullptr,
                        nullptr);
    return result;
}

std::wstring Wide(const std::string &utf8) {
    const int chars = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), (int)utf8.size(), nullptr, 0);
    std::wstring result(chars, 0);
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), (int)utf8.size(), result.data(), chars);
    return result;
}

std::string MessageBoxText(HWND box) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return Utf8(text);
}

std::string WindowTextOf(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return Utf8(text);
}

size_t HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t total = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return total;
}

static bool IsSystemBrush(HGDIOBJ brush) {
    for (int i = 0; i <= COLOR_MENUBAR; ++i)
        if (brush == GetSysColorBrush(i)) return true;
    return false;
}

static void CollectGdiObjects(HWND window, std::vector<HGDIOBJ> &objects) {
    if (WindowObject *object = ObjectFromHandle(window)) {
        if (object->Font) objects.push_back(object->Font);
        if (object->Pen) objects.push_back(object->Pen);
        if (object->BackBrush && !IsSystemBrush(object->BackBrush))
            objects.push_back(object->BackBrush);
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        CollectGdiObjects(child, objects);
}

std::vector<HGDIOBJ> RuntimeGdiObjects(HWND window) {
    std::vector<HGDIOBJ> objects;
    CollectGdiObjects(window, objects);
    return objects;
}

int LiveGdiObjects(const std::vector<HGDIOBJ> &objects) {
    int live = 0;
    for (HGDIOBJ object : objects)
        if (GetObjectType(object)) ++live;
    return live;
}
