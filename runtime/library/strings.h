// String routines: in-place operations on caller-owned, zero-terminated
// texts. Each routine has an ANSI (…A) and a wide (…W) variant and an entry
// that picks one by UnicodeFlag; counts are in characters of the variant.
// A null text (or pattern, or buffer) gives the routine's failure value: -1
// from the searches, 0 from the counts, cuts and conversions, null from the
// appends.
#pragma once

#include <stdint.h>

// Base codes of NumberToString.
enum NumberBase { BaseBinary = 0, BaseDecimal = 1, BaseHexadecimal = 2, BaseOctal = 3 };

// Flags of SearchText.
enum SearchFlags { SearchMatchCase = 1, SearchWholeWord = 2 };

// Writes c over the terminator (and a new terminator after it unless c is 0);
// returns the address of the new terminator.
char *AppendCharA(char *text, char c);
wchar_t *AppendCharW(wchar_t *text, wchar_t c);
void *AppendChar(void *text, unsigned c);

// Ends a non-empty path with a backslash, then appends item (may be null);
// returns the address where the item starts.
char *AppendPathItemA(char *path, const char *item);
wchar_t *AppendPathItemW(wchar_t *path, const wchar_t *item);
void *AppendPathItem(void *path, const void *item);

// Index of the first occurrence of c, or -1; searching for 0 gives the length.
int FindCharA(const char *text, char c);
int FindCharW(const wchar_t *text, wchar_t c);
int FindChar(const void *text, unsigned c);

// Index of the last occurrence of c, or -1 (also for c = 0).
int FindLastCharA(const char *text, char c);
int FindLastCharW(const wchar_t *text, wchar_t c);
int FindLastChar(const void *text, unsigned c);

// Index where pattern starts in the first line of text, or -1 (SearchFlags).
int SearchTextA(const char *text, const char *pattern, int flags);
int SearchTextW(const wchar_t *text, const wchar_t *pattern, int flags);
int SearchText(const void *text, const void *pattern, int flags);

// Length in characters (lstrlen).
int StringLengthA(const char *text);
int StringLengthW(const wchar_t *text);
int StringLength(const void *text);

// The active text form: 1 for UTF-16 texts, 0 for 8-bit texts.
int IsUnicode();

// Cuts the text to n characters; 0 when it is shorter than n.
int TruncateStringA(char *text, int n);
int TruncateStringW(wchar_t *text, int n);
int TruncateString(void *text, int n);

// Keeps only the last n characters; 0 when the text is shorter than n.
int KeepRightA(char *text, int n);
int KeepRightW(wchar_t *text, int n);
int KeepRight(void *text, int n);

// Keeps count characters from start (fewer at the end of the text); 0 when
// start is negative, or start or count is not below the length.
int KeepMiddleA(char *text, int start, int count);
int KeepMiddleW(wchar_t *text, int start, int count);
int KeepMiddle(void *text, int start, int count);

// Remove blanks and tabs at the start, the end, or both; result: new length
// (Trim returns what TrimRight returns).
int TrimLeftA(char *text);
int TrimLeftW(wchar_t *text);
int TrimLeft(void *text);
int TrimRightA(char *text);
int TrimRightW(wchar_t *text);
int TrimRight(void *text);
int TrimA(char *text);
int TrimW(wchar_t *text);
int Trim(void *text);

// Writes value in a NumberBase with its suffix (B, none, H, O) into buffer,
// which holds at least 34 characters; returns the text's length.
int NumberToStringA(int32_t value, char *buffer, int base);
int NumberToStringW(int32_t value, wchar_t *buffer, int base);
int NumberToString(int32_t value, void *buffer, int base);

// Value of a number text: decimal, "0x" hexadecimal, or a suffix B/Y, H, O/Q.
int32_t StringToNumberA(const char *text);
int32_t StringToNumberW(const wchar_t *text);
int32_t StringToNumber(const void *text);

// The application's version as "1.01.0.0002" into buffer (may be null);
// returns it packed as major, minor, release, build bytes.
uint32_t GetVersionStringA(char *buffer);
uint32_t GetVersionStringW(wchar_t *buffer);
uint32_t GetVersionString(void *buffer);
