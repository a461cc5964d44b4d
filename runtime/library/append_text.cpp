// AppendChar and AppendPathItem: growing a text at its end.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

template <class Ch> static Ch *EndOf(Ch *text) {
    while (*text)
        ++text;
    return text;
}

template <class Ch> static Ch *AppendCharT(Ch *text, Ch c) {
    Ch *end = EndOf(text);
    *end = c;
    if (c == 0) return end;
    end[1] = 0;
    return end + 1;
}

template <class Ch> static Ch *AppendPathItemT(Ch *path, const Ch *item) {
    Ch *end = EndOf(path);
    if (end != path && end[-1] != '\\') {
        *end++ = '\\';
        *end = 0;
    }
    if (item) {
        Ch *target = end;
        while ((*target++ = *item++))
            ;
    }
    return end;
}

char *AppendCharA(char *text, char c) {
    return AppendCharT(text, c);
}
wchar_t *AppendCharW(wchar_t *text, wchar_t c) {
    return AppendCharT(text, c);
}
void *AppendChar(void *text, unsigned c) {
    return UnicodeFlag ? (void *)AppendCharW((wchar_t *)text, (wchar_t)c)
                       : (void *)AppendCharA((char *)text, (char)c);
}

char *AppendPathItemA(char *path, const char *item) {
    return AppendPathItemT(path, item);
}
wchar_t *AppendPathItemW(wchar_t *path, const wchar_t *item) {
    return AppendPathItemT(path, item);
}
void *AppendPathItem(void *path, const void *item) {
    return UnicodeFlag ? (void *)AppendPathItemW((wchar_t *)path, (const wchar_t *)item)
                       : (void *)AppendPathItemA((char *)path, (const char *)item);
}
