// TruncateString, KeepRight and KeepMiddle: keeping one piece of a text.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"
#include "runtime/startup/text_form.h"

// Moves count characters from index from to the start and ends the text there.
template <class Ch> static void KeepPiece(Ch *text, int from, int count) {
    for (int i = 0; i < count; ++i)
        text[i] = text[from + i];
    text[count] = 0;
}

// A negative n would address characters before the text: it fails.
template <class Ch> static int TruncateStringT(Ch *text, int n) {
    if (n < 0 || ApiStringLength(text) < n) return 0;
    text[n] = 0;
    return 1;
}

template <class Ch> static int KeepRightT(Ch *text, int n) {
    int length = ApiStringLength(text);
    if (n < 0 || length < n) return 0;
    KeepPiece(text, length - n, n);
    return 1;
}

template <class Ch> static int KeepMiddleT(Ch *text, int start, int count) {
    int length = ApiStringLength(text);
    if (start < 0 || count < 0 || start >= length || count >= length) return 0;
    if (count > length - start) count = length - start;
    KeepPiece(text, start, count);
    return 1;
}

int TruncateStringA(char *text, int n) {
    return TruncateStringT(text, n);
}
int TruncateStringW(wchar_t *text, int n) {
    return TruncateStringT(text, n);
}
int TruncateString(void *text, int n) {
    return UnicodeFlag ? TruncateStringW((wchar_t *)text, n) : TruncateStringA((char *)text, n);
}

int KeepRightA(char *text, int n) {
    return KeepRightT(text, n);
}
int KeepRightW(wchar_t *text, int n) {
    return KeepRightT(text, n);
}
int KeepRight(void *text, int n) {
    return UnicodeFlag ? KeepRightW((wchar_t *)text, n) : KeepRightA((char *)text, n);
}

int KeepMiddleA(char *text, int start, int count) {
    return KeepMiddleT(text, start, count);
}
int KeepMiddleW(wchar_t *text, int start, int count) {
    return KeepMiddleT(text, start, count);
}
int KeepMiddle(void *text, int start, int count) {
    return UnicodeFlag ? KeepMiddleW((wchar_t *)text, start, count)
                       : KeepMiddleA((char *)text, start, count);
}
