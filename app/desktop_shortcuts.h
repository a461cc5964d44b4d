// Desktop shortcuts to the environment's executables, made through the
// shell's link object.
#pragma once

#include <windows.h>

// The desktop the shortcuts go to into a TextChars buffer: all users' for a
// machine-wide scope, the user's own otherwise; false when the system does
// not name it.
bool ReadDesktopFolder(HKEY scope, wchar_t *folder);

enum ShortcutResult {
    ShortcutMade,
    ShortcutPathTooLong, // desktop\name.lnk does not fit TextChars
    ShortcutNotSaved,    // the link object refused the target or the file
};
// Saves desktop\name.lnk, a shell link to target described by its name.
ShortcutResult MakeDesktopShortcut(const wchar_t *desktop, const wchar_t *target,
                                   const wchar_t *name);

// Saves a shell link to target; the first failing call's HRESULT, or S_OK.
// A target of MAX_PATH characters or more is refused with E_INVALIDARG.
HRESULT CreateShellLink(const wchar_t *target, const wchar_t *linkFile, const wchar_t *description);
