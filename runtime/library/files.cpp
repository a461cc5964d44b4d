// File routines: opening, reading and writing lines, the end of a file,
// whether a path exists, and the ".bin" dump.
#include "runtime/library/files.h"
#include "runtime/library/scratch_text.h"
#include "runtime/library/strings.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <windows.h>
#include <stdint.h>

// OpenFileHandle: a file handle whose share mode follows its access.
template <class Ch> static HANDLE OpenFileHandleT(const Ch *path, DWORD access, DWORD disposition) {
    DWORD share = 0;
    if (access & GENERIC_READ) share |= FILE_SHARE_READ;
    if (access & GENERIC_WRITE) share |= FILE_SHARE_WRITE;
    return ApiCreateFile(path, access, share, nullptr, disposition, 0, nullptr);
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

// IsEndOfFile: whether a file's position has reached its size.
int IsEndOfFile(HANDLE file) {
    DWORD size = GetFileSize(file, nullptr);
    DWORD position = SetFilePointer(file, 0, nullptr, FILE_CURRENT);
    return position >= size ? 1 : 0;
}

// ReadLine: one text line of a file, in either text form, UTF-8 files
// included.
static DWORD FilePosition(HANDLE file) {
    return SetFilePointer(file, 0, nullptr, FILE_CURRENT);
}
static void MoveTo(HANDLE file, DWORD position) {
    SetFilePointer(file, (LONG)position, nullptr, FILE_BEGIN);
}
static void MoveBack(HANDLE file, DWORD bytes) {
    SetFilePointer(file, -(LONG)bytes, nullptr, FILE_CURRENT);
}

// Reads up to bytes bytes into a zeroed 16-bit cell; the number read, 0 on
// failure.
static DWORD ReadCell(HANDLE file, DWORD bytes, uint16_t *cell) {
    *cell = 0;
    DWORD read = 0;
    if (!ReadFile(file, cell, bytes, &read, nullptr)) return 0;
    return read;
}

// A UTF-8 file starts with EF BB BF; a position inside the mark moves past it.
static bool SkipUtf8Mark(HANDLE file) {
    DWORD saved = FilePosition(file);
    MoveTo(file, 0);
    uint8_t mark[3];
    DWORD read = 0;
    bool utf8 = ReadFile(file, mark, 3, &read, nullptr) && read == 3 && mark[0] == 0xEF &&
                mark[1] == 0xBB && mark[2] == 0xBF;
    if (utf8 && saved < 3) saved = 3;
    MoveTo(file, saved);
    return utf8;
}

// The rest of a sequence whose lead byte is above 0x7F: 110xxxxx 10xxxxxx or
// 1110xxxx 10xxxxxx 10xxxxxx. Any other pattern gives 0xFFFF and leaves the
// byte that broke it unread.
static uint16_t DecodeUtf8(HANDLE file, uint16_t lead) {
    int following;
    uint16_t value;
    if ((lead & 0xE0) == 0xC0) {
        following = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        following = 2;
        value = lead & 0x0F;
    } else {
        return 0xFFFF;
    }
    while (following--) {
        uint16_t cell;
        DWORD read = ReadCell(file, 1, &cell);
        if (read == 0) return 0xFFFF;
        if ((cell & 0xC0) != 0x80) {
            MoveBack(file, read);
            return 0xFFFF;
        }
        value = (uint16_t)(value << 6 | (cell & 0x3F));
    }
    return value;
}

// The line is bounded only by the file: the caller sizes the buffer with a
// query without buffer first. After a CR or LF one more character is read and
// put back unless it is the partner; at the end of the file there is nothing
// to put back, so a final CR cannot be read again and again.
template <class Ch> static int ReadLineT(HANDLE file, Ch *buffer) {
    const DWORD charBytes = sizeof(Ch);
    DWORD size = GetFileSize(file, nullptr);
    // INVALID_FILE_SIZE is also the low half of a real size; only the error
    // code tells a handle that is no file from a file at its end.
    const bool noFile = size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR;
    if (buffer) buffer[0] = 0;
    if (noFile) return -1;
    DWORD start = FilePosition(file);
    int result = start < size ? 1 : 0;
    bool utf8 = SkipUtf8Mark(file);
    bool bytewise = utf8 || charBytes == 1;
    DWORD unitBytes = utf8 ? 1 : charBytes;
    int chars = 0;
    while (FilePosition(file) < size) {
        uint16_t c;
        if (ReadCell(file, unitBytes, &c) == 0) {
            result = -1;
            break;
        }
        if (bytewise) c &= 0xFF;
        if (c == '\r' || c == '\n') {
            uint16_t next;
            DWORD read = ReadCell(file, unitBytes, &next);
            if (bytewise) next &= 0xFF;
            if (read && next != (c == '\r' ? '\n' : '\r')) MoveBack(file, read);
            result = 1;
            break;
        }
        if (utf8 && c > 0x7F) c = DecodeUtf8(file, c);
        if (c == 0) {
            result = -1;
            break;
        }
        if (buffer) buffer[chars] = (Ch)c;
        ++chars;
    }
    if (buffer) {
        buffer[chars] = 0;
        return result;
    }
    MoveTo(file, start);
    return result < 0 ? -1 : (chars + 1) * (int)charBytes;
}

int ReadLineA(HANDLE file, char *buffer) {
    return ReadLineT(file, buffer);
}
int ReadLineW(HANDLE file, wchar_t *buffer) {
    return ReadLineT(file, buffer);
}
int ReadLine(HANDLE file, void *buffer) {
    return UnicodeFlag ? ReadLineW(file, (wchar_t *)buffer) : ReadLineA(file, (char *)buffer);
}

// WriteLine: a text and the rest of its CR LF line end.
static bool WriteAll(HANDLE file, const void *data, DWORD bytes) {
    DWORD written = 0;
    return WriteFile(file, data, bytes, &written, nullptr) && written == bytes;
}

// A text ending in CR LF or LF CR is complete, a lone CR gets its LF, and
// every other text (a lone LF too) gets CR LF.
template <class Ch> static int WriteLineT(HANDLE file, Ch *text) {
    static const Ch lineEnd[] = {'\r', '\n'};
    int length = ApiStringLength(text);
    if (length == 1 && (text[0] == '\r' || text[0] == '\n')) {
        text[0] = 0;
        length = 0;
    }
    Ch last = length > 0 ? text[length - 1] : 0;
    Ch before = length > 1 ? text[length - 2] : 0;
    const Ch *end = lineEnd;
    int endChars = 2;
    if ((before == '\r' && last == '\n') || (before == '\n' && last == '\r')) {
        endChars = 0;
    } else if (last == '\r') {
        end = lineEnd + 1;
        endChars = 1;
    }
    if (!WriteAll(file, text, length * sizeof(Ch))) return 0;
    if (endChars && !WriteAll(file, end, endChars * sizeof(Ch))) return 0;
    return 1;
}

int WriteLineA(HANDLE file, char *text) {
    return WriteLineT(file, text);
}
int WriteLineW(HANDLE file, wchar_t *text) {
    return WriteLineT(file, text);
}
int WriteLine(HANDLE file, void *text) {
    return UnicodeFlag ? WriteLineW(file, (wchar_t *)text) : WriteLineA(file, (char *)text);
}

// PathExists: whether a file or folder exists, through FindFirstFile.
// The process-wide find-data record, one per text form.
template <class Ch> static typename ApiTypes<Ch>::FindData Found;

static int LastQuote(const char *text) {
    return FindLastCharA(text, '"');
}
static int LastQuote(const wchar_t *text) {
    return FindLastCharW(text, L'"');
}

template <class Ch> static bool IsSeparator(Ch c) {
    return c == '\\' || c == '/';
}

// Characters no file name may hold and that FindFirstFile reads as wildcards
// (the last three in their DOS forms): a path with one names no single file,
// however many it matches. The \\?\ prefix is path syntax, not a wildcard.
template <class Ch> static bool HoldsWildcard(const Ch *path) {
    if (path[0] == '\\' && path[1] == '\\' && path[2] == '?' && path[3] == '\\') path += 4;
    for (; *path; ++path)
        if (*path == '*' || *path == '?' || *path == '<' || *path == '>' || *path == '"')
            return true;
    return false;
}

// Whether the path names a folder by its form: it ends in a separator, it is
// a drive (C:), or its last part is . or .. (which the system resolves before
// it looks).
template <class Ch> static bool NamesFolder(const Ch *path) {
    int length = ApiStringLength(path);
    if (length == 0) return false;
    if (IsSeparator(path[length - 1])) return true;
    if (length == 2 && path[1] == ':') return true;
    int start = length;
    while (start > 0 && !IsSeparator(path[start - 1]) && path[start - 1] != ':')
        --start;
    const Ch *last = path + start;
    return (last[0] == '.' && last[1] == 0) || (last[0] == '.' && last[1] == '.' && last[2] == 0);
}

// FindFirstFile looks a name up in its folder's listing, so it finds nothing
// for a path that names a folder by its form: C:\ and C: have no entry of
// their own, nor has C:\Tools\ with its separator, and C:\Tools\.. resolves
// to the root. Such a path is tested by its attributes, and must be a folder
// (a file followed by a separator is not a path).
template <class Ch> static int PathExistsT(const Ch *path) {
    if (!path) return -1;
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
    if (HoldsWildcard(path)) {
        result = -1;
    } else if (NamesFolder(path)) {
        DWORD attributes = ApiGetFileAttributes(path);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            result = 1;
    } else {
        HANDLE search = ApiFindFirstFile(path, &Found<Ch>);
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

// WriteBinFile: a block of memory dumped into a ".bin" file beside the
// executable.
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
    HANDLE file = ApiCreateFile(path, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
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
