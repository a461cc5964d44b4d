// Registry routines: values written, read and deleted, and whole key trees
// deleted.
#include "runtime/library/registry.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <windows.h>
#include <stdint.h>

// The rules the registry routines have in common.
// Keys that are written or deleted are opened for reading and writing
// (0x2001F); keys that are only read, for reading (0x20019). No 32/64-bit
// view flag is added.
enum : REGSAM { ReadAccess = KEY_READ, ReadWriteAccess = KEY_READ | KEY_WRITE };
static_assert(ReadWriteAccess == 0x2001F && ReadAccess == 0x20019);

// The write and read routines accept only the seven predefined roots
// HKEY_CLASSES_ROOT (0x80000000) to HKEY_DYN_DATA (0x80000006).
inline bool IsAcceptedRoot(HKEY root) {
    uintptr_t value = (uintptr_t)root;
    return value >= (uintptr_t)HKEY_CLASSES_ROOT && value <= (uintptr_t)HKEY_DYN_DATA;
}

// WriteRegString: one REG_SZ value, creating its key when missing.
// The narrow form has always given its keys the class "REG_SZ"; the wide form
// gives none.
static LONG CreateKey(HKEY root, const char *subKey, HKEY *key) {
    static char keyClass[] = "REG_SZ";
    return ApiRegCreateKeyEx(root, subKey, 0, keyClass, REG_OPTION_NON_VOLATILE, ReadWriteAccess,
                             nullptr, key, nullptr);
}
static LONG CreateKey(HKEY root, const wchar_t *subKey, HKEY *key) {
    return ApiRegCreateKeyEx(root, subKey, 0, (wchar_t *)nullptr, REG_OPTION_NON_VOLATILE,
                             ReadWriteAccess, nullptr, key, nullptr);
}

// A null text fails before the registry is touched: the system would read the
// terminator through it.
template <class Ch>
static int WriteRegStringT(HKEY root, const Ch *subKey, const Ch *valueName, const Ch *text) {
    if (!subKey || !subKey[0] || !text || !IsAcceptedRoot(root)) return 0;
    HKEY key;
    if (CreateKey(root, subKey, &key) != ERROR_SUCCESS) return 0;
    DWORD bytes = (DWORD)(ApiStringLength(text) + 1) * sizeof(Ch);
    LONG result = ApiRegSetValueEx(key, valueName, 0, REG_SZ, (const BYTE *)text, bytes);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

int WriteRegStringA(HKEY root, const char *subKey, const char *valueName, const char *text) {
    return WriteRegStringT(root, subKey, valueName, text);
}
int WriteRegStringW(HKEY root, const wchar_t *subKey, const wchar_t *valueName,
                    const wchar_t *text) {
    return WriteRegStringT(root, subKey, valueName, text);
}
int WriteRegString(HKEY root, const void *subKey, const void *valueName, const void *text) {
    return UnicodeFlag ? WriteRegStringW(root, (const wchar_t *)subKey, (const wchar_t *)valueName,
                                         (const wchar_t *)text)
                       : WriteRegStringA(root, (const char *)subKey, (const char *)valueName,
                                         (const char *)text);
}

// ReadRegValue: one registry value into a 260-character buffer.
template <class Ch>
static int ReadRegValueT(HKEY root, const Ch *subKey, const Ch *valueName, void *buffer) {
    if (!IsAcceptedRoot(root)) return 0;
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, 0, ReadAccess, &key) != ERROR_SUCCESS) return 0;
    LONG result;
    if (buffer) {
        DWORD size = 260 * sizeof(Ch);
        result = ApiRegQueryValueEx(key, valueName, nullptr, nullptr, (BYTE *)buffer, &size);
    } else {
        result = ApiRegQueryValueEx(key, valueName, nullptr, nullptr, nullptr, nullptr);
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

int ReadRegValueA(HKEY root, const char *subKey, const char *valueName, void *buffer) {
    return ReadRegValueT(root, subKey, valueName, buffer);
}
int ReadRegValueW(HKEY root, const wchar_t *subKey, const wchar_t *valueName, void *buffer) {
    return ReadRegValueT(root, subKey, valueName, buffer);
}
int ReadRegValue(HKEY root, const void *subKey, const void *valueName, void *buffer) {
    return UnicodeFlag
               ? ReadRegValueW(root, (const wchar_t *)subKey, (const wchar_t *)valueName, buffer)
               : ReadRegValueA(root, (const char *)subKey, (const char *)valueName, buffer);
}

// DeleteRegValue: one value of a key.
// The root is passed to the system unchecked.
template <class Ch> static int DeleteRegValueT(HKEY root, const Ch *subKey, const Ch *valueName) {
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, 0, ReadWriteAccess, &key) != ERROR_SUCCESS) return 0;
    LONG result = ApiRegDeleteValue(key, valueName);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

int DeleteRegValueA(HKEY root, const char *subKey, const char *valueName) {
    return DeleteRegValueT(root, subKey, valueName);
}
int DeleteRegValueW(HKEY root, const wchar_t *subKey, const wchar_t *valueName) {
    return DeleteRegValueT(root, subKey, valueName);
}
int DeleteRegValue(HKEY root, const void *subKey, const void *valueName) {
    return UnicodeFlag ? DeleteRegValueW(root, (const wchar_t *)subKey, (const wchar_t *)valueName)
                       : DeleteRegValueA(root, (const char *)subKey, (const char *)valueName);
}

// DeleteRegKeyTree: a key and everything below it, depth first.
enum : int { KeyNameChars = 260, NameCopyBytes = 520 };

// The runtime's one name buffer for enumerated subkeys. Each level has copied
// the name out before it recurses, so the levels can share it (on the
// runtime's thread only).
static wchar_t KeyName[KeyNameChars];

template <class Ch> static LONG FirstSubkeyName(HKEY key, Ch *name) {
    DWORD chars = KeyNameChars;
    return ApiRegEnumKeyEx(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr);
}

// A copy of an enumerated name in a zero-filled heap block of 520 bytes of
// its own, since the next level enumerates into the shared buffer.
template <class Ch> static Ch *CopyOfKeyName(const Ch *name) {
    Ch *copy = (Ch *)AllocZeroed(NameCopyBytes);
    if (copy) CopyTextBounded(copy, name, NameCopyBytes / (int)sizeof(Ch));
    return copy;
}

// Enumerating at index 0 after each deletion walks the children without
// index bookkeeping; a child that cannot be deleted ends the walk, and then
// the key's own deletion fails too. Each level opens its children relative
// to its own open key: only each name in a key path is bounded (255
// characters), a path is not, and the narrow registry calls take no path
// longer than MAX_PATH. The root is passed on unchecked.
template <class Ch> static int DeleteRegKeyTreeT(HKEY root, const Ch *subKey) {
    // An empty path would name the root itself and empty it whole.
    if (!subKey || !subKey[0]) return 0;
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, 0, ReadWriteAccess, &key) != ERROR_SUCCESS) return 0;
    Ch *name = (Ch *)KeyName;
    while (FirstSubkeyName(key, name) == ERROR_SUCCESS) {
        if (ApiRegDeleteKey(key, name) == ERROR_SUCCESS) continue;
        Ch *child = CopyOfKeyName(name);
        const int deleted = child && DeleteRegKeyTreeT(key, child);
        FreeBlock(child);
        if (!deleted) break;
    }
    RegCloseKey(key);
    return ApiRegDeleteKey(root, subKey) == ERROR_SUCCESS ? 1 : 0;
}

int DeleteRegKeyTreeA(HKEY root, const char *subKey) {
    return DeleteRegKeyTreeT(root, subKey);
}
int DeleteRegKeyTreeW(HKEY root, const wchar_t *subKey) {
    return DeleteRegKeyTreeT(root, subKey);
}
int DeleteRegKeyTree(HKEY root, const void *subKey) {
    return UnicodeFlag ? DeleteRegKeyTreeW(root, (const wchar_t *)subKey)
                       : DeleteRegKeyTreeA(root, (const char *)subKey);
}
