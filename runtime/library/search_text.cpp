// SearchText: a pattern in the first line of a text, with case and
// whole-word rules.
#include "runtime/library/strings.h"
#include "runtime/startup/runtime_state.h"

template <class Ch> static bool IsLineEnd(Ch c) {
    return c == 0 || c == '\r';
}

static bool IsAsciiLetter(unsigned c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
static bool IsLetter(char c) {
    return IsAsciiLetter((unsigned char)c);
}
// The wide form also counts U+00C0 to U+00DE and U+00E0 to U+00FE.
static bool IsLetter(wchar_t c) {
    return IsAsciiLetter(c) || (c >= 0xC0 && c <= 0xDE) || (c >= 0xE0 && c <= 0xFE);
}

template <class Ch> static Ch FoldCase(Ch c) {
    return c >= 'A' && c <= 'Z' ? (Ch)(c + ('a' - 'A')) : c;
}

template <class Ch> static int SearchTextT(const Ch *text, const Ch *pattern, int flags) {
    if (flags < 0 || flags > 3) flags = 0;
    int length = 0;
    while (!IsLineEnd(pattern[length]))
        ++length;
    for (int start = 0;;) {
        int i = 0;
        for (; i < length; ++i) {
            Ch t = text[start + i];
            if (IsLineEnd(t)) return -1;
            bool same =
                flags & SearchMatchCase ? t == pattern[i] : FoldCase(t) == FoldCase(pattern[i]);
            if (!same) break;
        }
        if (i < length) {
            ++start;
            continue;
        }
        if (!(flags & SearchWholeWord)) return start;
        bool letterBefore = start > 0 && IsLetter(text[start - 1]);
        if (!letterBefore && !IsLetter(text[start + length])) return start;
        // An empty pattern matches everywhere; it must not walk past the line.
        if (IsLineEnd(text[start])) return -1;
        start += length > 0 ? length : 1;
    }
}

int SearchTextA(const char *text, const char *pattern, int flags) {
    return SearchTextT(text, pattern, flags);
}
int SearchTextW(const wchar_t *text, const wchar_t *pattern, int flags) {
    return SearchTextT(text, pattern, flags);
}
int SearchText(const void *text, const void *pattern, int flags) {
    return UnicodeFlag ? SearchTextW((const wchar_t *)text, (const wchar_t *)pattern, flags)
                       : SearchTextA((const char *)text, (const char *)pattern, flags);
}
