// Thin A/W overloads of the registry calls the registry routines share, and
// the rules they have in common.
#pragma once

#include <windows.h>
#include <stdint.h>

// Keys that are written or deleted are opened for reading and writing
// (0x2001F); keys that are only read, for reading (0x20019). No 32/64-bit
// view flag is added.
enum : REGSAM { ReadAccess = KEY_READ, ReadWriteAccess = KEY_READ | KEY_WRITE };
static_assert(ReadWriteAccess == 0x2001F && ReadAccess == 0x20019);

// The write and read routines accept only the seven predefined roots
// HKEY_CLASSES_ROOT (0x80000000) to HKEY_DYN_DATA (0x80000006).
inline bool IsAcceptedRoot(HKEY root) {
    uintptr_t value = (uintptr_t)root;
    return value >= 0x80000000u && value <= 0x80000006u;
}

inline LONG ApiRegOpenKeyEx(HKEY r, const char *s, REGSAM a, HKEY *k) {
    return RegOpenKeyExA(r, s, 0, a, k);
}
inline LONG ApiRegOpenKeyEx(HKEY r, const wchar_t *s, REGSAM a, HKEY *k) {
    return RegOpenKeyExW(r, s, 0, a, k);
}

inline LONG ApiRegDeleteKey(HKEY k, const char *s) {
    return RegDeleteKeyA(k, s);
}
inline LONG ApiRegDeleteKey(HKEY k, const wchar_t *s) {
    return RegDeleteKeyW(k, s);
}
