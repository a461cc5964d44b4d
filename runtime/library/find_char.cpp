// FindChar and FindLastChar: first and last occurrence of a character.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

template <class Ch> static int FindCharT(const Ch *text, Ch c) {
    int i = 0;
    for (; text[i]; ++i)
        if (text[i] == c) return i;
    return c == 0 ? i : -1;
}

template <class Ch> static int FindLastCharT(const Ch *text, Ch c) {
    int found = -1;
    if (c == 0) return -1;
    for (int i = 0; text[i]; ++i)
        if (text[i] == c) found = i;
    return found;
}

int FindCharA(const char *text, char c) {
    return FindCharT(text, c);
}
int FindCharW(const wchar_t *text, wchar_t c) {
    return FindCharT(text, c);
}
int FindChar(const void *text, unsigned c) {
    return UnicodeFlag ? FindCharW((const wchar_t *)text, (wchar_t)c)
                       : FindCharA((const char *)text, (char)c);
}

int FindLastCharA(const char *text, char c) {
    return FindLastCharT(text, c);
}
int FindLastCharW(const wchar_t *text, wchar_t c) {
    return FindLastCharT(text, c);
}
int FindLastChar(const void *text, unsigned c) {
    return UnicodeFlag ? FindLastCharW((const wchar_t *)text, (wchar_t)c)
                       : FindLastCharA((const char *)text, (char)c);
}
