// The installation folder: the folder Settings runs in, and the executables
// in its Bin folder.
#pragma once

#include <windows.h>

// The process's current directory into a TextChars buffer; empty when it
// does not fit, so that no path is built on a cut folder.
void TakeInstallationFolder(wchar_t *folder);

// folder\Bin\executable into path (TextChars); false, with path empty, when
// the folder is empty (it could not be read whole) or the path does not fit.
bool ExecutablePath(wchar_t *path, const wchar_t *folder, const wchar_t *executable);

enum ExecutableState { ExecutableMissing, ExecutableFound, ExecutablePathTooLong };
// ExecutablePath, and whether a file is there; a missing executable is told
// from one that is there but whose path does not fit MAX_PATH, for which
// path is left empty.
ExecutableState LocateExecutable(wchar_t *path, const wchar_t *folder, const wchar_t *executable);
// LocateExecutable found the executable.
bool FindExecutable(wchar_t *path, const wchar_t *folder, const wchar_t *executable);
