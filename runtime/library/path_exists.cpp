// PathExists: whether a file or folder exists, through FindFirstFile.
#include "runtime/library/files.h"
#include "runtime/startup/memory.h"
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

// The process-wide find-data record, one per text form.
static WIN32_FIND_DATAA FoundA;
static WIN32_FIND_DATAW FoundW;

static HANDLE ApiFindFirstFile(const char *path) {
    return FindFirstFileA(path, &FoundA);
}
static HANDLE ApiFindFirstFile(const wchar_t *path) {
    return FindFirstFileW(path, &FoundW);
}

static int LastQuote(const char *text) {
    return FindLastCharA(text, '"');
}
static int LastQuote(const wchar_t *text) {
    return FindLastCharW(text, L'"');
}

static DWORD ApiGetFileAttributes(const char *path) {
    return GetFileAttributesA(path);
}
static DWORD ApiGetFileAttributes(const wchar_t *path) {
    return GetFileAttributesW(path);
}

template <class Ch> static bool IsDriveRoot(const Ch *path) {
    return path[0] && path[1] == ':' && path[2] == '\\' && path[3] == 0;
}

// FindFirstFile finds nothing for a drive root: C:\ has no name of its own,
// and C: names the drive's current folder, which is missing when that is the
// root (and always under Wine). A root is therefore tested by its attributes.
template <class Ch> static int PathExistsT(const Ch *path) {
    Ch *unquoted = nullptr;
    if (path[0] == '"') {
        int length = ApiStringLength(path);
        unquoted = (Ch *)AllocZeroed((length + 1) * sizeof(Ch));
        if (!unquoted) return -1;
        CopyTextBounded(unquoted, path + 1, length);
        int cut = LastQuote(unquoted);
        if (cut >= 0) unquoted[cut] = 0;
        path = unquoted;
    }
    int result = -1;
    if (IsDriveRoot(path)) {
        if (ApiGetFileAttributes(path) != INVALID_FILE_ATTRIBUTES) result = 1;
    } else {
        HANDLE search = ApiFindFirstFile(path);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            result = 1;
        }
    }
    if (unquoted) FreeBlock(unquoted);
    return result;
}

int PathExistsA(const char *path) {
    return PathExistsT(path);
}
int PathExistsW(const wchar_t *path) {
    return PathExistsT(path);
}
int PathExists(const void *path) {
    return UnicodeFlag ? PathExistsW((const wchar_t *)path) : PathExistsA((const char *)path);
}
