// Registry routines: each opens the key it needs, does one thing and closes
// it again; 1 on success, 0 on failure. Roots are the predefined keys; the
// write and read routines accept only HKEY_CLASSES_ROOT to HKEY_DYN_DATA.
#pragma once

#include <windows.h>

// Creates the key when missing and stores text as a REG_SZ value, terminator
// included. Fails for an empty subkey path. A null value name means the key's
// default value.
int WriteRegStringA(HKEY root, const char *subKey, const char *valueName, const char *text);
int WriteRegStringW(HKEY root, const wchar_t *subKey, const wchar_t *valueName,
                    const wchar_t *text);
int WriteRegString(HKEY root, const void *subKey, const void *valueName, const void *text);

// Reads a value (any type, copied unchanged) into buffer: at most 260 bytes
// (ANSI) or 260 characters (wide). Without a buffer it only tests that the
// value exists. A null value name means the key's default value.
int ReadRegValueA(HKEY root, const char *subKey, const char *valueName, void *buffer);
int ReadRegValueW(HKEY root, const wchar_t *subKey, const wchar_t *valueName, void *buffer);
int ReadRegValue(HKEY root, const void *subKey, const void *valueName, void *buffer);

// Deletes one value of a key.
int DeleteRegValueA(HKEY root, const char *subKey, const char *valueName);
int DeleteRegValueW(HKEY root, const wchar_t *subKey, const wchar_t *valueName);
int DeleteRegValue(HKEY root, const void *subKey, const void *valueName);

// Deletes a key with all its descendants, depth first; 1 when the key itself
// is gone. A missing key fails.
int DeleteRegKeyTreeA(HKEY root, const char *subKey);
int DeleteRegKeyTreeW(HKEY root, const wchar_t *subKey);
int DeleteRegKeyTree(HKEY root, const void *subKey);
