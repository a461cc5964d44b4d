// ReadRegValue: one registry value into a 260-character buffer.
#include "runtime/library/registry.h"
#include "runtime/library/registry_calls.h"
#include "runtime/startup/runtime_state.h"

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
    if (ApiRegOpenKeyEx(root, subKey, ReadAccess, &key) != ERROR_SUCCESS) return 0;
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
