// Desktop shortcuts to the environment's executables, made through the
// shell's link object.
#include "app/settings.h"
#include "runtime/library/registry.h"
#include "runtime/library/strings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

#include <shlobj.h>
#include <string.h>

static const char ShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The desktop the shortcuts go to: all users' for a machine-wide run, the
// user's own otherwise.
static int ReadDesktopFolder(char *folder) {
    if (OsLevel < Os98) return ReadRegValue(HKEY_CURRENT_USER, ShellFoldersKey, "Desktop", folder);
    if (RegistryScope == HKEY_LOCAL_MACHINE)
        return ReadRegValue(HKEY_LOCAL_MACHINE, ShellFoldersKey, "Common Desktop", folder);
    return ReadRegValue(RegistryScope, ShellFoldersKey, "Desktop", folder);
}

void AddDesktopShortcut(const char *name, const char *executable, int checkBoxId) {
    HWND box = (HWND)GetControlHandle(SettingsWindow, checkBoxId);
    if (SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED) return;
    if (!WorkArea->BaseFolder[0]) return;
    char *target = WorkArea->TextAndPath;
    if (!CopyBounded(target, WorkArea->BaseFolder) || !AppendPathBounded(target, "Bin") ||
        !AppendPathBounded(target, executable))
        return;
    char *link = WorkArea->Value;
    link[0] = 0;
    if (!ReadDesktopFolder(link)) return;
    link[TextChars - 1] = 0; // a value read whole need not end in a zero
    if (!AppendPathBounded(link, name) || !AppendBounded(link, ".lnk")) return;
    CreateShellLink(target, link, name);
}

HRESULT CreateShellLink(const char *target, const char *linkFile, const char *description) {
    CoInitialize(nullptr);
    wchar_t *widePath = (wchar_t *)AllocZeroed((TextChars + 1) * sizeof(wchar_t));
    IShellLinkA *link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, (void **)&link);
    if (SUCCEEDED(result)) {
        IPersistFile *file = nullptr;
        result = link->QueryInterface(IID_IPersistFile, (void **)&file);
        if (SUCCEEDED(result)) {
            char folder[TextChars];
            CopyBounded(folder, target);
            const int cut = FindLastCharA(folder, '\\');
            if (cut >= 0) folder[cut] = 0;

            result = link->SetPath(target);
            if (SUCCEEDED(result)) result = link->SetIconLocation(target, 0);
            if (SUCCEEDED(result)) result = link->SetWorkingDirectory(folder);
            if (SUCCEEDED(result) && description) result = link->SetDescription(description);
            if (SUCCEEDED(result)) {
                if (!widePath || !MultiByteToWideChar(CP_ACP, 0, linkFile, -1, widePath, TextChars))
                    result = E_FAIL;
                else
                    result = file->Save(widePath, TRUE);
            }
            file->Release();
        }
        link->Release();
    }
    FreeBlock(widePath);
    CoUninitialize();
    return result;
}
