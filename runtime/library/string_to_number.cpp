// StringToNumber: the value of a number text in any of the four bases.
#include "runtime/library/strings.h"
#include "runtime/library/scratch_text.h"

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

// The digits and the suffix are gathered in the shared string buffer, cut to
// its 260 characters; the last character gathered chooses the base. The sign
// holds in every base.
template <class Ch> static int32_t StringToNumberT(const Ch *text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    bool negative = *text == '-';
    if (*text == '+' || *text == '-') ++text;
    Ch *digits = ScratchTextAs<Ch>();
    const int capacity = ScratchTextChars - 1;
    int n = 0;
    while (n < capacity && DigitValue(text[n]) >= 0) {
        digits[n] = UpperCase(text[n]);
        ++n;
    }
    Ch suffix = UpperCase(text[n]);
    if (n < capacity && (suffix == 'H' || suffix == 'O' || suffix == 'Q' || suffix == 'Y'))
        digits[n++] = suffix;
    digits[n] = 0;
    unsigned base = BaseOfSuffix(n > 0 ? (unsigned)digits[n - 1] : 0);
    uint32_t value;
    if (base != 10)
        value = ReadDigits(digits, base);
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
