// StringLength and IsUnicode: the length of a text and the active text form.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

#include <windows.h>

int StringLengthA(const char *text) {
    return lstrlenA(text);
}
int StringLengthW(const wchar_t *text) {
    return lstrlenW(text);
}
int StringLength(const void *text) {
    return UnicodeFlag ? StringLengthW((const wchar_t *)text) : StringLengthA((const char *)text);
}

int IsUnicode() {
    return UnicodeFlag;
}
