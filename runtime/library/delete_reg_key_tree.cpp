// DeleteRegKeyTree: a key and everything below it, depth first.
#include "runtime/library/registry.h"
#include "runtime/startup/memory.h"
#include "runtime/library/registry_calls.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

enum : int { KeyNameChars = 260, ChildPathBytes = 520 };

// The runtime's one name buffer for enumerated subkeys. Each level has copied
// the name into its child's path before it recurses, so the levels can share
// it (on the runtime's thread only).
static wchar_t KeyName[KeyNameChars];

static LONG FirstSubkeyName(HKEY key, char *name) {
    DWORD chars = KeyNameChars;
    return RegEnumKeyExA(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr);
}
static LONG FirstSubkeyName(HKEY key, wchar_t *name) {
    DWORD chars = KeyNameChars;
    return RegEnumKeyExW(key, 0, name, &chars, nullptr, nullptr, nullptr, nullptr);
}

// subKey, a backslash unless subKey is empty or ends in one, and name, in a
// zero-filled heap block of 520 bytes; null when it does not fit, since a cut
// path would name another key.
template <class Ch> static Ch *ChildKeyPath(const Ch *subKey, const Ch *name) {
    const int capacity = ChildPathBytes / sizeof(Ch);
    int keyLength = ApiStringLength(subKey);
    bool separator = keyLength > 0 && subKey[keyLength - 1] != '\\';
    if (keyLength + separator + ApiStringLength(name) >= capacity) return nullptr;
    Ch *path = (Ch *)AllocZeroed(ChildPathBytes);
    if (!path) return nullptr;
    CopyTextBounded(path, subKey, capacity);
    if (separator) path[keyLength++] = '\\';
    CopyTextBounded(path + keyLength, name, capacity - keyLength);
    return path;
}

// Enumerating at index 0 after each deletion walks the children without
// index bookkeeping; a child that cannot be deleted ends the walk, and then
// the key's own deletion fails too. The root is passed on unchecked.
template <class Ch> static int DeleteRegKeyTreeT(HKEY root, const Ch *subKey) {
    // An empty path would name the root itself and empty it whole.
    if (!subKey || !subKey[0]) return 0;
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, ReadWriteAccess, &key) != ERROR_SUCCESS) return 0;
    Ch *name = (Ch *)KeyName;
    bool open = true;
    while (FirstSubkeyName(key, name) == ERROR_SUCCESS) {
        if (ApiRegDeleteKey(key, name) == ERROR_SUCCESS) continue;
        RegCloseKey(key);
        open = false;
        Ch *childPath = ChildKeyPath(subKey, name);
        if (!childPath) break;
        int deleted = DeleteRegKeyTreeT(root, childPath);
        FreeBlock(childPath);
        if (!deleted || ApiRegOpenKeyEx(root, subKey, ReadWriteAccess, &key) != ERROR_SUCCESS)
            break;
        open = true;
    }
    if (open) RegCloseKey(key);
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
