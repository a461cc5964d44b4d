// Desktop shortcuts to the environment's executables, made through the
// shell's link object.
#include "app/desktop_shortcuts.h"
#include "app/bounded_text.h"
#include "qnruntime.h"

#include <shlobj.h>
#include <wchar.h>

static const wchar_t ShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The value that names the desktop of the scope.
static int ReadDesktopValue(HKEY scope, wchar_t *folder) {
    if (GetOsVersion(nullptr) < Os98)
        return ReadRegValueW(HKEY_CURRENT_USER, ShellFoldersKey, L"Desktop", folder);
    if (scope == HKEY_LOCAL_MACHINE)
        return ReadRegValueW(HKEY_LOCAL_MACHINE, ShellFoldersKey, L"Common Desktop", folder);
    return ReadRegValueW(scope, ShellFoldersKey, L"Desktop", folder);
}

bool ReadDesktopFolder(HKEY scope, wchar_t *folder) {
    folder[0] = 0;
    if (!ReadDesktopValue(scope, folder)) return false;
    folder[TextChars - 1] = 0; // a value read whole need not end in a zero
    return true;
}

ShortcutResult MakeDesktopShortcut(const wchar_t *desktop, const wchar_t *target,
                                   const wchar_t *name) {
    wchar_t link[TextChars];
    if (!CopyBounded(link, desktop) || !AppendPathBounded(link, name) ||
        !AppendBounded(link, L".lnk"))
        return ShortcutPathTooLong;
    return SUCCEEDED(CreateShellLink(target, link, name)) ? ShortcutMade : ShortcutNotSaved;
}

HRESULT CreateShellLink(const wchar_t *target, const wchar_t *linkFile,
                        const wchar_t *description) {
    // The link object keeps paths of at most MAX_PATH characters: a longer
    // target would be cut, and its folder with it.
    if (!target || !linkFile || wcslen(target) >= MAX_PATH) return E_INVALIDARG;
    CoInitialize(nullptr);
    IShellLinkW *link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, (void **)&link);
    if (SUCCEEDED(result)) {
        IPersistFile *file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, (void **)&file);
        if (SUCCEEDED(result)) {
            wchar_t folder[MAX_PATH];
            CopyBounded(folder, target, MAX_PATH);
            const int cut = FindLastCharW(folder, L'\\');
            if (cut >= 0) folder[cut] = 0;

            result = link->SetPath(target);
            if (SUCCEEDED(result)) result = link->SetIconLocation(target, 0);
            if (SUCCEEDED(result)) result = link->SetWorkingDirectory(folder);
            if (SUCCEEDED(result) && description) result = link->SetDescription(description);
            if (SUCCEEDED(result)) result = file->Save(linkFile, TRUE);
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return result;
}
