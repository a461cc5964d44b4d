// The parts of the Wine machine the Settings program changes.
#include "tests/support/machine_state.h"

#include <shlobj.h>

std::string RegString(HKEY root, const std::string &key, const char *valueName) {
    char data[1024] = {};
    DWORD size = sizeof data - 1, type = 0;
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened)) return "<missing>";
    LONG result = RegQueryValueExA(opened, valueName, nullptr, &type, (BYTE *)data, &size);
    RegCloseKey(opened);
    if (result || type != REG_SZ) return "<missing>";
    return data;
}

bool RegKeyExists(HKEY root, const std::string &key) {
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened)) return false;
    RegCloseKey(opened);
    return true;
}

// The names of a key's values or subkeys, in the system's order.
template <class Enumerate>
static std::vector<std::string> Names(HKEY root, const std::string &key, Enumerate enumerate) {
    std::vector<std::string> names;
    HKEY opened;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened)) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (enumerate(opened, i, name, &length)) break;
        names.push_back(name);
    }
    RegCloseKey(opened);
    return names;
}

std::vector<std::string> RegValueNames(HKEY root, const std::string &key) {
    return Names(root, key, [](HKEY k, DWORD i, char *name, DWORD *length) {
        return RegEnumValueA(k, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::string> RegSubkeyNames(HKEY root, const std::string &key) {
    return Names(root, key, [](HKEY k, DWORD i, char *name, DWORD *length) {
        return RegEnumKeyExA(k, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

void RegWrite(HKEY root, const std::string &key, const char *valueName, const std::string &text) {
    HKEY opened;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr))
        return;
    RegSetValueExA(opened, valueName, 0, REG_SZ, (const BYTE *)text.c_str(), text.size() + 1);
    RegCloseKey(opened);
}

void RegDeleteTree(HKEY root, const std::string &key) {
    RegDeleteTreeA(root, key.c_str());
}

static const char *const Extensions[] = {".qnp", ".qnw", ".asm", ".qnr"};
static const char *const ProgIds[] = {"Quenlo.Project", "Quenlo.Window", "Quenlo.Module",
                                      "Quenlo.Resource"};
static const std::string FileExts =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

void ForgetAssociations() {
    for (int i = 0; i < 4; ++i) {
        for (const char *classes : {"Software\\Classes\\"}) {
            RegDeleteTree(HKEY_LOCAL_MACHINE, std::string(classes) + Extensions[i]);
            RegDeleteTree(HKEY_LOCAL_MACHINE, std::string(classes) + ProgIds[i]);
            RegDeleteTree(HKEY_CURRENT_USER, std::string(classes) + Extensions[i]);
            RegDeleteTree(HKEY_CURRENT_USER, std::string(classes) + ProgIds[i]);
        }
        RegDeleteTree(HKEY_CURRENT_USER, FileExts + Extensions[i]);
    }
}

static const char ShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string CommonDesktop() {
    return RegString(HKEY_LOCAL_MACHINE, ShellFolders, "Common Desktop");
}
std::string UserDesktop() {
    return RegString(HKEY_CURRENT_USER, ShellFolders, "Desktop");
}
std::string FontsFolder() {
    return RegString(HKEY_CURRENT_USER, ShellFolders, "Fonts");
}

std::string SystemFolder() {
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

void RemoveShortcuts() {
    for (const std::string &desktop : {CommonDesktop(), UserDesktop()})
        for (const char *name : {"\\Quenlo.lnk", "\\Quenlo 64.lnk"})
            DeleteFileA((desktop + name).c_str());
}

LinkInfo ReadShortcut(const std::string &linkFile) {
    LinkInfo info;
    CoInitialize(nullptr);
    IShellLinkA *link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   (void **)&link))) {
        IPersistFile *file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void **)&file))) {
            wchar_t path[MAX_PATH];
            MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, path, MAX_PATH);
            if (SUCCEEDED(file->Load(path, STGM_READ))) {
                char text[MAX_PATH] = {};
                info.Loaded = true;
                link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
                info.Path = text;
                link->GetWorkingDirectory(text, MAX_PATH);
                info.WorkingDirectory = text;
                link->GetIconLocation(text, MAX_PATH, &info.IconIndex);
                info.IconFile = text;
                link->GetDescription(text, MAX_PATH);
                info.Description = text;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return info;
}

bool FileExists(const std::string &path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFile(const std::string &path, DWORD attributes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);
    SetFileAttributesA(path.c_str(), attributes);
}

DeletedRootOverride::DeletedRootOverride(HKEY root) : Root(root) {
    const char *path = "Software\\QuenloTests\\DeletedRoot";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Gone,
                        nullptr))
        return;
    RegDeleteKeyA(HKEY_CURRENT_USER, path);
    RegOverridePredefKey(Root, Gone);
}

DeletedRootOverride::~DeletedRootOverride() {
    RegOverridePredefKey(Root, nullptr);
    if (Gone) RegCloseKey(Gone);
}
