// ReadLine: one text line of a file, in either text form, UTF-8 files
// included.
#include "runtime/library/files.h"
#include "runtime/startup/runtime_state.h"

#include <stdint.h>

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
    if (buffer) buffer[0] = 0;
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
