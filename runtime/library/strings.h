// String routines: in-place operations on caller-owned, zero-terminated
// texts. Each routine has an ANSI (…A) and a wide (…W) variant and an entry
// that picks one by UnicodeFlag; counts are in characters of the variant.
#pragma once

#include <stdint.h>

// Index of the first occurrence of c, or -1; searching for 0 gives the length.
int FindCharA(const char *text, char c);
int FindCharW(const wchar_t *text, wchar_t c);
int FindChar(const void *text, unsigned c);

// Index of the last occurrence of c, or -1 (also for c = 0).
int FindLastCharA(const char *text, char c);
int FindLastCharW(const wchar_t *text, wchar_t c);
int FindLastChar(const void *text, unsigned c);

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
