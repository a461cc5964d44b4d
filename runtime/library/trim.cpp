// TrimLeft, TrimRight and Trim: blanks and tabs at the ends of a text.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

template <class Ch> static bool IsBlank(Ch c) {
    return c == ' ' || c == '\t';
}

template <class Ch> static int TrimLeftT(Ch *text) {
    int skip = 0;
    while (IsBlank(text[skip]))
        ++skip;
    int n = 0;
    while (text[skip + n]) {
        text[n] = text[skip + n];
        ++n;
    }
    text[n] = 0;
    return n;
}

template <class Ch> static int TrimRightT(Ch *text) {
    int n = 0;
    while (text[n])
        ++n;
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    text[n] = 0;
    return n;
}

template <class Ch> static int TrimT(Ch *text) {
    TrimLeftT(text);
    return TrimRightT(text);
}

int TrimLeftA(char *text) {
    return TrimLeftT(text);
}
int TrimLeftW(wchar_t *text) {
    return TrimLeftT(text);
}
int TrimLeft(void *text) {
    return UnicodeFlag ? TrimLeftW((wchar_t *)text) : TrimLeftA((char *)text);
}

int TrimRightA(char *text) {
    return TrimRightT(text);
}
int TrimRightW(wchar_t *text) {
    return TrimRightT(text);
}
int TrimRight(void *text) {
    return UnicodeFlag ? TrimRightW((wchar_t *)text) : TrimRightA((char *)text);
}

int TrimA(char *text) {
    return TrimT(text);
}
int TrimW(wchar_t *text) {
    return TrimT(text);
}
int Trim(void *text) {
    return UnicodeFlag ? TrimW((wchar_t *)text) : TrimA((char *)text);
}
