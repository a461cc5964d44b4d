// Thin A/W overloads of the file system calls the file routines share.
#pragma once

#include <windows.h>

inline HANDLE ApiCreateFile(const char *path, DWORD access, DWORD share, DWORD disposition,
                            DWORD attributes) {
    return CreateFileA(path, access, share, nullptr, disposition, attributes, nullptr);
}
inline HANDLE ApiCreateFile(const wchar_t *path, DWORD access, DWORD share, DWORD disposition,
                            DWORD attributes) {
    return CreateFileW(path, access, share, nullptr, disposition, attributes, nullptr);
}
