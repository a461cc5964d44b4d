// Conversions between 8-bit texts in the application's code page and UTF-16.
#pragma once

// Conversions through CodePage into a buffer of the given size, cut to fit
// and always terminated (no text gives the empty text); the result is the
// length converted. A text too long keeps its longest prefix that fits.
int WideToAnsiBounded(const wchar_t *text, char *target, int bufferBytes);
int AnsiToWideBounded(const char *text, wchar_t *target, int bufferChars);
// The same for at most the first sourceBytes bytes of text.
int AnsiToWideBounded(const char *text, int sourceBytes, wchar_t *target, int bufferChars);
// The whole text or nothing: its length, or -1 with the buffer emptied when
// it does not fit or the code page cannot convert it.
int WideToAnsiWhole(const wchar_t *text, char *target, int bufferBytes);
int AnsiToWideWhole(const char *text, wchar_t *target, int bufferChars);
