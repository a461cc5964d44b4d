// DeleteRegValue: one value of a key.
#include "runtime/library/registry.h"
#include "runtime/library/registry_calls.h"
#include "runtime/startup/runtime_state.h"

static LONG ApiRegDeleteValue(HKEY k, const char *n) {
    return RegDeleteValueA(k, n);
}
static LONG ApiRegDeleteValue(HKEY k, const wchar_t *n) {
    return RegDeleteValueW(k, n);
}

// The root is passed to the system unchecked.
template <class Ch> static int DeleteRegValueT(HKEY root, const Ch *subKey, const Ch *valueName) {
    HKEY key;
    if (ApiRegOpenKeyEx(root, subKey, ReadWriteAccess, &key) != ERROR_SUCCESS) return 0;
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
