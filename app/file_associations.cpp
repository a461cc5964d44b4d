// The file associations of the four file types: machine-wide when it may,
// else for the current user, and Explorer's per-user record of each type.
#include "app/settings.h"
#include "runtime/library/registry.h"
#include "runtime/library/sysinfo.h"

#include <string.h>

static const char FileExtsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";
static const char UserClassesKey[] = "Software\\Classes";

static const struct {
    int CheckBox;
    const char *Extension, *TypeWord, *IconSuffix;
} FileTypes[] = {
    {IdProjectFiles, ".qnp", "Project", ",0"},
    {IdWindowFiles, ".qnw", "Window", ",1"},
    {IdModuleFiles, ".asm", "Module", ",2"},
    {IdResourceFiles, ".qnr", "Resource", ",3"},
};

int AssociateCheckedTypes() {
    int result = 1;
    for (const auto &type : FileTypes) {
        HWND box = (HWND)GetControlHandle(SettingsWindow, type.CheckBox);
        if (SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED) continue;
        if (!AssociateFileType(type.Extension, type.TypeWord, type.IconSuffix)) result = 0;
    }
    return result;
}

// Everything one association writes, built before anything is written.
struct Association {
    char ProgId[TextChars];
    char Icon[TextChars];
    char Command[TextChars];
    char Description[TextChars];
    char ExplorerKey[TextChars];  // the FileExts key of the extension
    char OpenWithList[TextChars]; // its "OpenWithList" subkey
};

static bool Describe(Association *a, const char *extension, const char *typeWord,
                     const char *iconSuffix) {
    // An empty installation folder could not be read whole: no path of it.
    if (!WorkArea->BaseFolder[0]) return false;
    char *executable = WorkArea->TextAndPath;
    if (!CopyBounded(executable, WorkArea->BaseFolder) || !AppendPathBounded(executable, "Bin") ||
        !AppendPathBounded(executable, TargetExecutable))
        return false;
    a->Command[0] = 0;
    // The path is quoted: unquoted, a folder with a space (C:\Program Files)
    // makes Windows try to run C:\Program.exe first.
    return CopyBounded(a->ProgId, "Quenlo.") && AppendBounded(a->ProgId, typeWord) &&
           CopyBounded(a->Icon, executable) && AppendBounded(a->Icon, iconSuffix) &&
           AppendBounded(a->Command, "\"") && AppendBounded(a->Command, executable) &&
           AppendBounded(a->Command, "\" \"%1\"") && CopyBounded(a->Description, "Quenlo ") &&
           AppendBounded(a->Description, typeWord) && CopyBounded(a->ExplorerKey, FileExtsKey) &&
           AppendPathBounded(a->ExplorerKey, extension) &&
           CopyBounded(a->OpenWithList, a->ExplorerKey) &&
           AppendPathBounded(a->OpenWithList, "OpenWithList");
}

// A key path under root; false when it does not fit.
static bool KeyPath(char *key, const char *root, const char *a, const char *b = nullptr) {
    key[0] = 0;
    if (root && !CopyBounded(key, root)) return false;
    if (!AppendPathBounded(key, a)) return false;
    return !b || AppendPathBounded(key, b);
}

static void WriteOpenWithList(const Association &a) {
    WriteRegString(HKEY_CURRENT_USER, a.OpenWithList, "a", TargetExecutable);
    WriteRegString(HKEY_CURRENT_USER, a.OpenWithList, "b", "NOTEPAD.EXE");
    WriteRegString(HKEY_CURRENT_USER, a.OpenWithList, "MRUList", "ab");
}

static int AssociateForUser(const Association &a, const char *extension) {
    char *key = WorkArea->Key;
    if (!KeyPath(key, UserClassesKey, extension)) return 0;
    char *iconKey = WorkArea->SubKey;
    if (!KeyPath(iconKey, UserClassesKey, a.ProgId, "DefaultIcon")) return 0;
    char commandKey[TextChars];
    if (!KeyPath(commandKey, UserClassesKey, a.ProgId, "shell\\open\\command")) return 0;

    if (!WriteRegString(HKEY_CURRENT_USER, a.ExplorerKey, "Progid", TargetExecutable)) return 0;
    WriteOpenWithList(a);
    WriteRegString(HKEY_CURRENT_USER, key, nullptr, a.ProgId);
    WriteRegString(HKEY_CURRENT_USER, iconKey, nullptr, a.Icon);
    return WriteRegString(HKEY_CURRENT_USER, commandKey, nullptr, a.Command);
}

int AssociateFileType(const char *extension, const char *typeWord, const char *iconSuffix) {
    Association a;
    if (!Describe(&a, extension, typeWord, iconSuffix)) return 0;
    char *iconKey = WorkArea->Key;
    char *commandKey = WorkArea->SubKey;
    if (!KeyPath(iconKey, nullptr, a.ProgId, "DefaultIcon") ||
        !KeyPath(commandKey, nullptr, a.ProgId, "shell\\open\\command"))
        return 0;

    if (!WriteRegString(HKEY_CLASSES_ROOT, extension, nullptr, a.ProgId))
        return AssociateForUser(a, extension);
    WriteRegString(HKEY_CLASSES_ROOT, iconKey, nullptr, a.Icon);
    WriteRegString(HKEY_CLASSES_ROOT, commandKey, nullptr, a.Command);
    const int described = WriteRegString(HKEY_CLASSES_ROOT, a.ProgId, nullptr, a.Description);
    // Explorer's record of the extension is made anew for this user.
    DeleteRegKeyTree(HKEY_CURRENT_USER, a.ExplorerKey);
    if (RegistryScope == HKEY_CURRENT_USER)
        WriteRegString(HKEY_CURRENT_USER, a.ExplorerKey, "Progid", TargetExecutable);
    WriteOpenWithList(a);
    return described;
}
