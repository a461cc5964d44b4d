// String routines: lengths, copies and appends, cuts, searches, trimming
// and conversions between numbers and texts.
#include "runtime/library/strings.h"
#include "runtime/library/scratch_text.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <windows.h>

// StringLength and IsUnicode: the length of a text and the active text form.
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

// AppendChar and AppendPathItem: growing a text at its end.
template <class Ch> static Ch *EndOf(Ch *text) {
    while (*text)
        ++text;
    return text;
}

template <class Ch> static Ch *AppendCharT(Ch *text, Ch c) {
    if (!text) return nullptr;
    Ch *end = EndOf(text);
    *end = c;
    if (c == 0) return end;
    end[1] = 0;
    return end + 1;
}

template <class Ch> static Ch *AppendPathItemT(Ch *path, const Ch *item) {
    if (!path) return nullptr;
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

// TruncateString, KeepRight and KeepMiddle: keeping one piece of a text.
// Moves count characters from index from to the start and ends the text there.
template <class Ch> static void KeepPiece(Ch *text, int from, int count) {
    for (int i = 0; i < count; ++i)
        text[i] = text[from + i];
    text[count] = 0;
}

// A negative n would address characters before the text: it fails.
template <class Ch> static int TruncateStringT(Ch *text, int n) {
    if (!text || n < 0 || ApiStringLength(text) < n) return 0;
    text[n] = 0;
    return 1;
}

template <class Ch> static int KeepRightT(Ch *text, int n) {
    if (!text) return 0;
    int length = ApiStringLength(text);
    if (n < 0 || length < n) return 0;
    KeepPiece(text, length - n, n);
    return 1;
}

template <class Ch> static int KeepMiddleT(Ch *text, int start, int count) {
    if (!text) return 0;
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

// FindChar and FindLastChar: first and last occurrence of a character.
template <class Ch> static int FindCharT(const Ch *text, Ch c) {
    if (!text) return -1;
    int i = 0;
    for (; text[i]; ++i)
        if (text[i] == c) return i;
    return c == 0 ? i : -1;
}

template <class Ch> static int FindLastCharT(const Ch *text, Ch c) {
    int found = -1;
    if (!text || c == 0) return -1;
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

// SearchText: a pattern in the first line of a text, with case and
// whole-word rules.
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
    if (!text || !pattern) return -1;
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

// TrimLeft, TrimRight and Trim: blanks and tabs at the ends of a text.
template <class Ch> static bool IsBlank(Ch c) {
    return c == ' ' || c == '\t';
}

template <class Ch> static int TrimLeftT(Ch *text) {
    if (!text) return 0;
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
    if (!text) return 0;
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

// NumberToString: a 32-bit value as binary, decimal, hexadecimal or octal text.
static int PrintNumber(char *buffer, int32_t value, bool hexadecimal) {
    return wsprintfA(buffer, hexadecimal ? "%lX" : "%ld", (long)value);
}
static int PrintNumber(wchar_t *buffer, int32_t value, bool hexadecimal) {
    return wsprintfW(buffer, hexadecimal ? L"%lX" : L"%ld", (long)value);
}

// At most 32 digits and the suffix.
template <class Ch> static int BinaryText(uint32_t value, Ch *buffer) {
    int bit = 31;
    while (bit > 0 && !(value >> bit & 1))
        --bit;
    int n = 0;
    for (; bit >= 0; --bit)
        buffer[n++] = (Ch)('0' + (value >> bit & 1));
    buffer[n++] = 'B';
    buffer[n] = 0;
    return n;
}

// Built from the right end of the shared string buffer; at most 11 digits
// and the suffix, so it always fits.
template <class Ch> static int OctalText(uint32_t value, Ch *buffer) {
    Ch *scratch = ScratchTextAs<Ch>();
    int at = ScratchTextChars - 1;
    scratch[at] = 0;
    scratch[--at] = 'O';
    do {
        scratch[--at] = (Ch)('0' + (value & 7));
        value >>= 3;
    } while (value);
    return CopyTextBounded(buffer, scratch + at, ScratchTextChars);
}

template <class Ch> static int NumberToStringT(int32_t value, Ch *buffer, int base) {
    if (!buffer) return 0;
    switch (base) {
    case BaseBinary: return BinaryText((uint32_t)value, buffer);
    case BaseOctal: return OctalText((uint32_t)value, buffer);
    case BaseHexadecimal: {
        int n = PrintNumber(buffer, value, true);
        buffer[n++] = 'H';
        buffer[n] = 0;
        return n;
    }
    default: return PrintNumber(buffer, value, false);
    }
}

int NumberToStringA(int32_t value, char *buffer, int base) {
    return NumberToStringT(value, buffer, base);
}
int NumberToStringW(int32_t value, wchar_t *buffer, int base) {
    return NumberToStringT(value, buffer, base);
}
int NumberToString(int32_t value, void *buffer, int base) {
    return UnicodeFlag ? NumberToStringW(value, (wchar_t *)buffer, base)
                       : NumberToStringA(value, (char *)buffer, base);
}

// StringToNumber: the value of a number text in any of the four bases.
template <class Ch> static Ch UpperCase(Ch c) {
    return c >= 'a' && c <= 'z' ? (Ch)(c - ('a' - 'A')) : c;
}

// 0 to 15 for the digits 0-9 and the letters A-F of either case, else -1.
template <class Ch> static int DigitValue(Ch c) {
    Ch upper = UpperCase(c);
    if (upper >= '0' && upper <= '9') return upper - '0';
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

// The digits of base up to the first character that is not one; wraps
// around at 32 bits.
template <class Ch> static uint32_t ReadDigits(const Ch *text, unsigned base) {
    uint32_t value = 0;
    for (int digit; (digit = DigitValue(*text)) >= 0 && (unsigned)digit < base; ++text)
        value = value * base + (unsigned)digit;
    return value;
}

static unsigned BaseOfSuffix(unsigned suffix) {
    switch (suffix) {
    case 'B':
    case 'Y': return 2;
    case 'H': return 16;
    case 'O':
    case 'Q': return 8;
    default: return 10;
    }
}

// The last character of the run of digits and letters A-F, or the suffix H,
// O, Q or Y that follows it, chooses the base; the run is measured to its
// end, however long, so that a long text keeps the base its suffix names.
// Only the low 32 bits of the value survive, and the sign holds in every base.
template <class Ch> static int32_t StringToNumberT(const Ch *text) {
    if (!text) return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    int run = 0;
    while (DigitValue(text[run]) >= 0)
        ++run;
    Ch suffix = UpperCase(text[run]);
    bool marked = suffix == 'H' || suffix == 'O' || suffix == 'Q' || suffix == 'Y';
    unsigned last = marked ? (unsigned)suffix : run > 0 ? (unsigned)UpperCase(text[run - 1]) : 0;
    unsigned base = BaseOfSuffix(last);
    uint32_t value;
    if (base != 10)
        value = ReadDigits(text, base);
    else if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        value = ReadDigits(text + 2, 16);
    else
        value = ReadDigits(text, 10);
    return (int32_t)(negative ? 0u - value : value);
}

int32_t StringToNumberA(const char *text) {
    return StringToNumberT(text);
}
int32_t StringToNumberW(const wchar_t *text) {
    return StringToNumberT(text);
}
int32_t StringToNumber(const void *text) {
    return UnicodeFlag ? StringToNumberW((const wchar_t *)text)
                       : StringToNumberA((const char *)text);
}

// GetVersionString: the application's version as text and as a packed number.
// The minor version keeps its last two digits, the build its last four.
static void PrintVersion(char *buffer, uint32_t major, uint32_t minor, uint32_t release,
                         uint32_t build) {
    wsprintfA(buffer, "%lu.%02lu.%lu.%04lu", (unsigned long)major, (unsigned long)(minor % 100),
              (unsigned long)release, (unsigned long)(build % 10000));
}
static void PrintVersion(wchar_t *buffer, uint32_t major, uint32_t minor, uint32_t release,
                         uint32_t build) {
    wsprintfW(buffer, L"%lu.%02lu.%lu.%04lu", (unsigned long)major, (unsigned long)(minor % 100),
              (unsigned long)release, (unsigned long)(build % 10000));
}

// Each part is ORed in at its byte position, as the packed version always was:
// a part above 255 spills into the next.
template <class Ch> static uint32_t GetVersionStringT(Ch *buffer) {
    uint32_t major = App->VersionMajor;
    uint32_t minor = App->VersionMinor;
    uint32_t release = App->VersionRevision >> 16;
    uint32_t build = LOWORD(App->VersionRevision);
    if (buffer) PrintVersion(buffer, major, minor, release, build);
    return major << 24 | minor << 16 | release << 8 | build;
}

uint32_t GetVersionStringA(char *buffer) {
    return GetVersionStringT(buffer);
}
uint32_t GetVersionStringW(wchar_t *buffer) {
    return GetVersionStringT(buffer);
}
uint32_t GetVersionString(void *buffer) {
    return UnicodeFlag ? GetVersionStringW((wchar_t *)buffer) : GetVersionStringA((char *)buffer);
}
