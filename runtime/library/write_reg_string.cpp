// WriteRegString: one REG_SZ value, creating its key when missing.
#include "runtime/library/registry.h"
#include "runtime/library/registry_calls.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

// The narrow form has always given its keys the class "REG_SZ"; the wide form
// gives none.
static LONG CreateKey(HKEY root, const char *subKey, HKEY *key) {
    static char keyClass[] = "REG_SZ";
    return RegCreateKeyExA(root, subKey, 0, keyClass, REG_OPTION_NON_VOLATILE, ReadWriteAccess,
                           nullptr, key, nullptr);
}
static LONG CreateKey(HKEY root, const wchar_t *subKey, HKEY *key) {
    return RegCreateKeyExW(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, ReadWriteAccess,
                           nullptr, key, nullptr);
}

static LONG ApiRegSetValueEx(HKEY k, const char *n, const void *data, DWORD bytes) {
    return RegSetValueExA(k, n, 0, REG_SZ, (const BYTE *)data, bytes);
}
static LONG ApiRegSetValueEx(HKEY k, const wchar_t *n, const void *data, DWORD bytes) {
    return RegSetValueExW(k, n, 0, REG_SZ, (const BYTE *)data, bytes);
}

// A null text fails before the registry is touched: the system would read the
// terminator through it.
template <class Ch>
static int WriteRegStringT(HKEY root, const Ch *subKey, const Ch *valueName, const Ch *text) {
    if (!subKey || !subKey[0] || !text || !IsAcceptedRoot(root)) return 0;
    HKEY key;
    if (CreateKey(root, subKey, &key) != ERROR_SUCCESS) return 0;
    DWORD bytes = (DWORD)(ApiStringLength(text) + 1) * sizeof(Ch);
    LONG result = ApiRegSetValueEx(key, valueName, text, bytes);
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
