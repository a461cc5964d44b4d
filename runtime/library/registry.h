// Registry routines: each opens the key it needs, does one thing and closes
// it again; 1 on success, 0 on failure. Roots are the predefined keys.
#pragma once

#include <windows.h>

// Reads a value (any type, copied unchanged) into buffer: at most 260 bytes
// (ANSI) or 260 characters (wide). Without a buffer it only tests that the
// value exists. A null value name means the key's default value.
int ReadRegValueA(HKEY root, const char *subKey, const char *valueName, void *buffer);
int ReadRegValueW(HKEY root, const wchar_t *subKey, const wchar_t *valueName, void *buffer);
int ReadRegValue(HKEY root, const void *subKey, const void *valueName, void *buffer);
