// IsEndOfFile: whether a file's position has reached its size.
#include "runtime/library/files.h"

int IsEndOfFile(HANDLE file) {
    DWORD size = GetFileSize(file, nullptr);
    DWORD position = SetFilePointer(file, 0, nullptr, FILE_CURRENT);
    return position >= size ? 1 : 0;
}
