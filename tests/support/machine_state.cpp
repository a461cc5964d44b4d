// The parts of the Wine machine the Settings program changes. Texts and
// paths are UTF-8 here and reach the system through its W functions.
#include "tests/support/machine_state.h"
#include "tests/support/test_support.h"

#include <shlobj.h>

// A value name in UTF-16, or null for the default value.
struct ValueName {
    explicit ValueName(const char *name) : Held(name ? Wide(name) : std::wstring()), Null(!name) {}
    const wchar_t *get() const { return Null ? nullptr : Held.c_str(); }
    std::wstring Held;
    bool Null;
};

std::string RegString(HKEY root, const std::string &key, const char *valueName) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    HKEY opened;
    if (RegOpenKeyExW(root, Wide(key).c_str(), 0, KEY_READ, &opened)) return "<missing>";
    LONG result =
        RegQueryValueExW(opened, ValueName(valueName).get(), nullptr, &type, (BYTE *)data, &size);
    RegCloseKey(opened);
    if (result || type != REG_SZ) return "<missing>";
    return Utf8(data);
}

bool RegKeyExists(HKEY root, const std::string &key) {
    HKEY opened;
    if (RegOpenKeyExW(root, Wide(key).c_str(), 0, KEY_READ, &opened)) return false;
    RegCloseKey(opened);
    return true;
}

// The names of a key's values or subkeys, in the system's order.
template <class Enumerate>
static std::vector<std::string> Names(HKEY root, const std::string &key, Enumerate enumerate) {
    std::vector<std::string> names;
    HKEY opened;
    if (RegOpenKeyExW(root, Wide(key).c_str(), 0, KEY_READ, &opened)) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (enumerate(opened, i, name, &length)) break;
        names.push_back(Utf8(name));
    }
    RegCloseKey(opened);
    return names;
}

std::vector<std::string> RegValueNames(HKEY root, const std::string &key) {
    return Names(root, key, [](HKEY k, DWORD i, wchar_t *name, DWORD *length) {
        return RegEnumValueW(k, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::string> RegSubkeyNames(HKEY root, const std::string &key) {
    return Names(root, key, [](HKEY k, DWORD i, wchar_t *name, DWORD *length) {
        return RegEnumKeyExW(k, i, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

void RegWrite(HKEY root, const std::string &key, const char *valueName, const std::string &text) {
    HKEY opened;
    if (RegCreateKeyExW(root, Wide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                        nullptr))
        return;
    const std::wstring data = Wide(text);
    RegSetValueExW(opened, ValueName(valueName).get(), 0, REG_SZ, (const BYTE *)data.c_str(),
                   (data.size() + 1) * sizeof(wchar_t));
    RegCloseKey(opened);
}

void RegDeleteTree(HKEY root, const std::string &key) {
    RegDeleteTreeW(root, Wide(key).c_str());
}

static const char *const Extensions[] = {".qnp", ".qnw", ".asm", ".qnr"};
static const char *const ProgIds[] = {"Quenlo.Project", "Quenlo.Window", "Quenlo.Module",
                                      "Quenlo.Resource"};
static const std::string FileExts =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

void ForgetAssociations() {
    const std::string classes = "Software\\Classes\\";
    for (int i = 0; i < 4; ++i) {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            RegDeleteTree(root, classes + Extensions[i]);
            RegDeleteTree(root, classes + ProgIds[i]);
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
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return Utf8(folder);
}

void RemoveShortcuts() {
    for (const std::string &desktop : {CommonDesktop(), UserDesktop()})
        for (const char *name : {"\\Quenlo.lnk", "\\Quenlo 64.lnk"})
            DeleteFileW(Wide(desktop + name).c_str());
}

LinkInfo ReadShortcut(const std::string &linkFile) {
    LinkInfo info;
    CoInitialize(nullptr);
    IShellLinkW *link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   (void **)&link))) {
        IPersistFile *file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void **)&file))) {
            if (SUCCEEDED(file->Load(Wide(linkFile).c_str(), STGM_READ))) {
                wchar_t text[MAX_PATH] = {};
                info.Loaded = true;
                // The target as the link's item list holds it: Wine keeps the
                // path itself only in the ANSI code page.
                LPITEMIDLIST items = nullptr;
                if (SUCCEEDED(link->GetIDList(&items)) && items &&
                    SHGetPathFromIDListW(items, text))
                    info.Path = Utf8(text);
                else if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH)))
                    info.Path = Utf8(text);
                CoTaskMemFree(items);
                link->GetWorkingDirectory(text, MAX_PATH);
                info.WorkingDirectory = Utf8(text);
                link->GetIconLocation(text, MAX_PATH, &info.IconIndex);
                info.IconFile = Utf8(text);
                link->GetDescription(text, MAX_PATH);
                info.Description = Utf8(text);
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return info;
}

bool FileExists(const std::string &path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

DWORD FileAttributes(const std::string &path) {
    return GetFileAttributesW(Wide(path).c_str());
}

void MakeFile(const std::string &path, DWORD attributes) {
    const std::wstring wide = Wide(path);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);
    SetFileAttributesW(wide.c_str(), attributes);
}

DeletedRootOverride::DeletedRootOverride(HKEY root) : Root(root) {
    const wchar_t *path = L"Software\\QuenloTests\\DeletedRoot";
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Gone,
                        nullptr))
        return;
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
    RegOverridePredefKey(Root, Gone);
}

DeletedRootOverride::~DeletedRootOverride() {
    RegOverridePredefKey(Root, nullptr);
    if (Gone) RegCloseKey(Gone);
}
