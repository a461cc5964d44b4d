// WriteBinFile: a block of memory dumped into a ".bin" file beside the
// executable.
#include "runtime/library/files.h"
#include "runtime/library/file_calls.h"
#include "runtime/library/scratch_text.h"
#include "runtime/startup/text_form.h"

// The executable's full path with the extension of its file name replaced by
// ".bin", in the shared string buffer. Only a dot after the last backslash
// counts: a dot in a folder name (C:\My.Tools\app.exe) must not cut the path.
// 0 when the path does not fit.
template <class Ch> static int BinFilePath(Ch *path) {
    static const Ch extension[] = {'.', 'b', 'i', 'n', 0};
    DWORD length = ApiGetModuleFileName(App->Instance, path, ScratchTextChars);
    if (length == 0 || length >= (DWORD)ScratchTextChars) return 0;
    int end = (int)length;
    for (int i = 0; i < (int)length; ++i) {
        if (path[i] == '\\') end = (int)length;
        if (path[i] == '.') end = i;
    }
    if (end + 4 >= ScratchTextChars) return 0;
    CopyTextBounded(path + end, extension, 5);
    return 1;
}

template <class Ch> static int WriteBinFileT(const void *data, int length) {
    Ch *path = ScratchTextAs<Ch>();
    if (!BinFilePath(path)) return -1;
    HANDLE file =
        ApiCreateFile(path, GENERIC_WRITE, FILE_SHARE_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) return -1;
    DWORD written = 0;
    WriteFile(file, data, length < MaxBinFileBytes ? (DWORD)length : (DWORD)MaxBinFileBytes,
              &written, nullptr);
    CloseHandle(file);
    return (int)written;
}

int WriteBinFile(const void *data, int length) {
    if (!data || length <= 0) return -1;
    return UnicodeFlag ? WriteBinFileT<wchar_t>(data, length) : WriteBinFileT<char>(data, length);
}
