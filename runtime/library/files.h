// File routines over plain system file handles. Text routines have an ANSI
// (…A) and a wide (…W) variant and an entry that picks one by UnicodeFlag.
#pragma once

#include <windows.h>

// Most bytes WriteBinFile writes.
enum : int { MaxBinFileBytes = 0x100000 };

// CreateFile with the share mode following the access (GENERIC_READ shares
// reading, GENERIC_WRITE writing); INVALID_HANDLE_VALUE on failure.
HANDLE OpenFileHandleA(const char *path, DWORD access, DWORD disposition);
HANDLE OpenFileHandleW(const wchar_t *path, DWORD access, DWORD disposition);
HANDLE OpenFileHandle(const void *path, DWORD access, DWORD disposition);

// 1 when a file or folder exists, else -1; the path may be in double quotes,
// and a drive root such as C:\ exists when its drive does. A path that ends
// in a separator, or in . or .., exists only as a folder; a path with
// wildcards names none (-1), nor does a null path.
int PathExistsA(const char *path);
int PathExistsW(const wchar_t *path);
int PathExists(const void *path);

// 1 when the file position is at or beyond the file size, else 0.
int IsEndOfFile(HANDLE file);

// Reads one line (ended by CR, LF, CR LF or LF CR, or the end of the file)
// into buffer: 1 a line was read, 0 nothing left, -1 error (a handle that
// is no file among them). A file that starts with the UTF-8 mark is decoded.
// Without a buffer: the bytes the next line needs, terminator included,
// leaving the file position.
int ReadLineA(HANDLE file, char *buffer);
int ReadLineW(HANDLE file, wchar_t *buffer);
int ReadLine(HANDLE file, void *buffer);

// Writes text and completes its line end to CR LF (or LF CR); a text that is
// one CR or LF is emptied and only CR LF is written. 1 when every write
// succeeded, else 0.
int WriteLineA(HANDLE file, char *text);
int WriteLineW(HANDLE file, wchar_t *text);
int WriteLine(HANDLE file, void *text);

// Writes at most MaxBinFileBytes of data into the executable's name with the
// extension ".bin", beside it; bytes written, or -1.
int WriteBinFile(const void *data, int length);
