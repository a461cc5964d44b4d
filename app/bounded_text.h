// Texts and paths built in the application's fixed buffers: a result that
// does not fit is refused whole, never cut into a wrong path.
#pragma once

#include <windows.h>
#include <stddef.h>

// Every text, path and key of the application fits 260 characters,
// terminator included. Texts and paths are UTF-16: the language tables'
// Windows-1252 texts are converted as they are loaded, and the installation
// folder is read as the system holds it.
enum { TextChars = MAX_PATH };

// Copies or appends text; false, leaving the buffer as it was, when the
// result would not fit the buffer's chars.
bool CopyBounded(wchar_t *buffer, const wchar_t *text, size_t chars = TextChars);
bool AppendBounded(wchar_t *buffer, const wchar_t *text, size_t chars = TextChars);
// Appends a path item with a backslash between (none after an empty path or
// one ending in a backslash); false when the path would not fit.
bool AppendPathBounded(wchar_t *path, const wchar_t *item, size_t chars = TextChars);
