// The installation folder and the executables in its Bin folder.
#include "app/installation.h"
#include "app/bounded_text.h"

void TakeInstallationFolder(wchar_t *folder) {
    const DWORD length = GetCurrentDirectoryW(TextChars, folder);
    if (length == 0 || length >= TextChars) folder[0] = 0;
}

bool ExecutablePath(wchar_t *path, const wchar_t *folder, const wchar_t *executable) {
    path[0] = 0;
    if (folder[0] && CopyBounded(path, folder) && AppendPathBounded(path, L"Bin") &&
        AppendPathBounded(path, executable))
        return true;
    path[0] = 0;
    return false;
}

static bool IsFile(const wchar_t *path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ExecutableState LocateExecutable(wchar_t *path, const wchar_t *folder, const wchar_t *executable) {
    if (ExecutablePath(path, folder, executable))
        return IsFile(path) ? ExecutableFound : ExecutableMissing;
    if (!folder[0]) return ExecutableMissing;
    // No program can be started from a path that does not fit MAX_PATH, but
    // the long form of the path still tells whether the executable is there.
    enum { LongPathChars = 2 * TextChars };
    wchar_t longPath[LongPathChars];
    const bool network = folder[0] == L'\\' && folder[1] == L'\\';
    if (!CopyBounded(longPath, network ? L"\\\\?\\UNC" : L"\\\\?", LongPathChars) ||
        !AppendPathBounded(longPath, network ? folder + 2 : folder, LongPathChars) ||
        !AppendPathBounded(longPath, L"Bin", LongPathChars) ||
        !AppendPathBounded(longPath, executable, LongPathChars))
        return ExecutableMissing;
    return IsFile(longPath) ? ExecutablePathTooLong : ExecutableMissing;
}

bool FindExecutable(wchar_t *path, const wchar_t *folder, const wchar_t *executable) {
    return LocateExecutable(path, folder, executable) == ExecutableFound;
}
