// The Settings window's EventProcedure: the creation sequence with its two
// guards, the option buttons, and the OK sequence.
#include "app/settings.h"
#include "runtime/library/list_boxes.h"
#include "runtime/library/sysinfo.h"
#include "runtime/winproc/handlers.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

#include <shlobj.h>

SettingsWorkArea *WorkArea;
HWND SettingsWindow;
HKEY RegistryScope = HKEY_LOCAL_MACHINE;
const wchar_t *TargetExecutable = L"Quenlo.exe";
BOOL(WINAPI *AskIsAdministrator)() = IsUserAnAdmin;

static const wchar_t Executable32[] = L"Quenlo.exe";
static const wchar_t Executable64[] = L"Quenlo64.exe";

int AdministratorGuardRefuses(int osLevel, int isAdministrator) {
    return osLevel >= Os81 && !isAdministrator; // 8.1, 10 and every server
}

bool EnvironmentIsRunning() {
    // The first generation's main window, and the main windows this runtime
    // makes for the 32-bit and 64-bit environments.
    static const wchar_t *const classes[] = {L"QNRUNMDIWINDOWQuenlo", L"QN2RUNMDIWINDOWQuenlo",
                                             L"QN2RUNMDIWINDOWQuenlo64"};
    for (const wchar_t *name : classes)
        if (FindWindowExW(nullptr, nullptr, name, nullptr)) return true;
    return false;
}

void ReleaseSettingsResources() {
    if (TextList) {
        ClearItems(TextList);
        DestroyWindow(TextList);
        TextList = nullptr;
    }
    FreeBlock(WorkArea);
    WorkArea = nullptr;
}

// A message box of the Settings window with one of the language texts, and
// a second one in a paragraph of its own when more is to be told.
static void ShowText(int position, UINT icon, int more = -1) {
    wchar_t text[2 * TextChars + 2], title[TextChars];
    GetLanguageText(position, text);
    if (more >= 0) {
        wchar_t second[TextChars];
        GetLanguageText(more, second);
        AppendBounded(text, L"\n\n", sizeof text / sizeof *text);
        AppendBounded(text, second, sizeof text / sizeof *text);
    }
    // The title is in the runtime's text form: UTF-16 in the program, 8-bit
    // where a host started the runtime that way.
    if (UnicodeFlag)
        CopyBounded(title, (const wchar_t *)App->Title);
    else if (!MultiByteToWideChar(CodePage, 0, (const char *)App->Title, -1, title, TextChars))
        title[0] = 0;
    MessageBoxW(SettingsWindow, text, title, MB_OK | icon);
}

static HWND Control(int id) {
    return (HWND)GetControlHandle(SettingsWindow, id);
}

static bool IsChecked(int id) {
    return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void UpdateTargetExecutable() {
    if (!IsChecked(Id64Bit)) {
        TargetExecutable = Executable32;
    } else if (Is64BitSystem()) {
        TargetExecutable = Executable64;
    } else {
        SendMessageA(Control(Id32Bit), BM_SETCHECK, BST_CHECKED, 0);
        TargetExecutable = Executable32;
    }
}

// Text positions of the control captions, in the order they are set.
static const struct {
    int Position, Id;
} Captions[] = {
    {TextFileGroup, IdFileGroup},
    {TextProjectFiles, IdProjectFiles},
    {TextWindowFiles, IdWindowFiles},
    {TextModuleFiles, IdModuleFiles},
    {TextResourceFiles, IdResourceFiles},
    {TextShortcut32, IdShortcut32},
    {TextShortcut64, IdShortcut64},
    {TextAssociateGroup, IdAssociateGroup},
    {Text32Bit, Id32Bit},
    {Text64Bit, Id64Bit},
    {TextOk, IdOk},
};

// The process's current directory as the installation folder. A folder
// too long for its buffer is left empty: no path is built on it.
static void TakeInstallationFolder(wchar_t *base) {
    const DWORD length = GetCurrentDirectoryW(TextChars, base);
    if (length == 0 || length >= TextChars) base[0] = 0;
}

// The 64-bit choice on a 64-bit system, unless the folder Settings starts in
// holds only the 32-bit executable: then that one, and the shortcut to the
// missing one starts cleared.
static void PreselectInstalledExecutable() {
    wchar_t *path = WorkArea->TextAndPath;
    TakeInstallationFolder(WorkArea->BaseFolder);
    const bool has32 = FindExecutable(path, Executable32);
    const bool has64 = FindExecutable(path, Executable64);
    if (has32 && !has64) {
        SendMessageA(Control(Id32Bit), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(Control(IdShortcut64), BM_SETCHECK, BST_UNCHECKED, 0);
        TargetExecutable = Executable32;
        return;
    }
    SendMessageA(Control(Id64Bit), BM_SETCHECK, BST_CHECKED, 0);
    TargetExecutable = Executable64;
}

static LRESULT OnCreate(HWND window) {
    SettingsWindow = window;
    WorkArea = (SettingsWorkArea *)AllocZeroed(sizeof(SettingsWorkArea));
    wchar_t *text = WorkArea ? WorkArea->Value : nullptr;
    if (!text) return -1;

    CreateTextList(window);
    LoadLanguageTable(ChooseLanguageTable());
    GetLanguageText(TextWindowCaption, text);
    SetWindowTextW(window, text);

    if (AdministratorGuardRefuses(GetOsVersion(nullptr), AskIsAdministrator())) {
        ShowText(TextNeedsAdministrator, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }
    if (EnvironmentIsRunning()) {
        ShowText(TextEnvironmentRunning, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }

    for (const auto &caption : Captions)
        SetControlText(text, caption.Position, caption.Id);

    if (Is64BitSystem()) {
        PreselectInstalledExecutable();
    } else {
        // rdo32Bit is checked by the template.
        ShowWindow(Control(IdAssociateGroup), SW_HIDE);
        TargetExecutable = Executable32;
    }

    HKEY machine;
    RegistryScope = HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_READ | KEY_WRITE, &machine) != ERROR_SUCCESS)
        RegistryScope = HKEY_CURRENT_USER;
    else
        RegCloseKey(machine);
    return 0;
}

static bool IsFile(const wchar_t *path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ExecutableState LocateExecutable(wchar_t *path, const wchar_t *executable) {
    path[0] = 0;
    const wchar_t *base = WorkArea->BaseFolder;
    if (!base[0]) return ExecutableMissing;
    if (CopyBounded(path, base) && AppendPathBounded(path, L"Bin") &&
        AppendPathBounded(path, executable))
        return IsFile(path) ? ExecutableFound : ExecutableMissing;
    path[0] = 0;
    // No program can be started from a path that does not fit MAX_PATH, but
    // the long form of the path still tells whether the executable is there.
    enum { LongPathChars = 2 * TextChars };
    wchar_t longPath[LongPathChars];
    const bool network = base[0] == L'\\' && base[1] == L'\\';
    if (!CopyBounded(longPath, network ? L"\\\\?\\UNC" : L"\\\\?", LongPathChars) ||
        !AppendPathBounded(longPath, network ? base + 2 : base, LongPathChars) ||
        !AppendPathBounded(longPath, L"Bin", LongPathChars) ||
        !AppendPathBounded(longPath, executable, LongPathChars))
        return ExecutableMissing;
    return IsFile(longPath) ? ExecutablePathTooLong : ExecutableMissing;
}

bool FindExecutable(wchar_t *path, const wchar_t *executable) {
    return LocateExecutable(path, executable) == ExecutableFound;
}

static LRESULT OnOk(HWND window) {
    TakeInstallationFolder(WorkArea->BaseFolder);
    // Run from anywhere but the installation folder, the associations and
    // shortcuts would name an executable that is not there, and that anyone
    // able to create it there would have run for everyone. Each shortcut
    // checks its own executable.
    const ExecutableState target = LocateExecutable(WorkArea->TextAndPath, TargetExecutable);
    const int associated = target == ExecutableFound ? AssociateCheckedTypes() : 0;
    // Both run, whatever the first did.
    const bool linked32 = AddDesktopShortcut(L"Quenlo", Executable32, IdShortcut32);
    const bool linked64 = AddDesktopShortcut(L"Quenlo 64", Executable64, IdShortcut64);
    const bool linked = linked32 && linked64;

    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RemoveObsoleteFiles();

    if (target == ExecutablePathTooLong)
        ShowText(TextFolderTooLong, MB_ICONHAND);
    else if (target == ExecutableMissing)
        ShowText(TextNotInstalled, MB_ICONHAND);
    else if (!associated)
        ShowText(TextNoRights, linked ? MB_ICONASTERISK : MB_ICONEXCLAMATION,
                 linked ? -1 : TextShortcutsFailed);
    else
        ShowText(linked ? TextSaved : TextShortcutsFailed,
                 linked ? MB_ICONASTERISK : MB_ICONEXCLAMATION);
    SendMessageA(window, WM_CLOSE, 0, 0);
    return 1;
}

LRESULT CALLBACK SettingsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) != BN_CLICKED || !WorkArea) return 0;
        if (id == Id32Bit || id == Id64Bit) {
            UpdateTargetExecutable();
            return 1;
        }
        if (id == IdOk) return OnOk(window);
        return 0;
    }
    case WM_CLOSE: ReleaseSettingsResources(); return 0;
    // A window destroyed without closing (a test, the end of a session) would
    // otherwise leave its work area behind.
    case WM_DESTROY: ReleaseSettingsResources(); return 0;
    default: return 0;
    }
}
