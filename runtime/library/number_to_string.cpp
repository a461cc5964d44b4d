// NumberToString: a 32-bit value as binary, decimal, hexadecimal or octal text.
#include "runtime/library/strings.h"
#include "runtime/library/scratch_text.h"
#include "runtime/startup/text_form.h"

#include <windows.h>

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
