// OpenFileHandle: a file handle whose share mode follows its access.
#include "runtime/library/files.h"
#include "runtime/library/file_calls.h"
#include "runtime/startup/runtime_state.h"

template <class Ch> static HANDLE OpenFileHandleT(const Ch *path, DWORD access, DWORD disposition) {
    DWORD share = 0;
    if (access & GENERIC_READ) share |= FILE_SHARE_READ;
    if (access & GENERIC_WRITE) share |= FILE_SHARE_WRITE;
    return ApiCreateFile(path, access, share, disposition, 0);
}

HANDLE OpenFileHandleA(const char *path, DWORD access, DWORD disposition) {
    return OpenFileHandleT(path, access, disposition);
}
HANDLE OpenFileHandleW(const wchar_t *path, DWORD access, DWORD disposition) {
    return OpenFileHandleT(path, access, disposition);
}
HANDLE OpenFileHandle(const void *path, DWORD access, DWORD disposition) {
    return UnicodeFlag ? OpenFileHandleW((const wchar_t *)path, access, disposition)
                       : OpenFileHandleA((const char *)path, access, disposition);
}
