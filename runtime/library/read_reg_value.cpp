// ReadRegValue: one registry value into a 260-character buffer.
#include "runtime/library/registry.h"
#include "runtime/startup/runtime_state.h"

static bool IsAcceptedRoot(HKEY root) {
    uintptr_t value = (uintptr_t)root;
    return value >= 0x80000000u && value <= 0x80000006u;
}

static LONG ApiRegOpenKeyEx(HKEY r, const char *s, REGSAM a, HKEY *k) {
    return RegOpenKeyExA(r, s, 0, a, k);
}
static LONG ApiRegOpenKeyEx(HKEY r, const wchar_t *s, REGSAM a, HKEY *k) {
    return RegOpenKeyExW(r, s, 0, a, k);
}
static LONG ApiRegQueryValueEx(HKEY k, const char *n, BYTE *d, DWORD *size) {
    return RegQueryValueExA(k, n, nullptr, nullptr, d, size);
}
static LONG ApiRegQueryValueEx(HKEY k, const wchar_t *n, BYTE *d, DWORD *size) {
    return RegQueryValueExW(k, n, nullptr, nullptr, d, size);
}

template <class Ch>
static int ReadRegValueT(HKEY root, const Ch *subKey, const Ch *valueName, void *buffer) {
    if (!IsAcceptedRoot(root)) return 0;
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    LONG result;
    if (buffer) {
        DWORD size = 260 * sizeof(Ch);
        result = ApiRegQueryValueEx(key, valueName, (BYTE *)buffer, &size);
    } else {
        result = ApiRegQueryValueEx(key, valueName, nullptr, nullptr);
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
