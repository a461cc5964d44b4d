// The Settings window's EventProcedure: the creation sequence with its two
// guards, the option buttons, and the OK sequence.
#include "app/settings_window.h"
#include "app/desktop_shortcuts.h"
#include "app/installation.h"
#include "app/language_table.h"
#include "app/obsolete_files.h"
#include "qnruntime.h"

#include <shlobj.h>

SettingsWorkArea *WorkArea;
BOOL(WINAPI *AskIsAdministrator)() = IsUserAnAdmin;

static const wchar_t Executable32[] = L"Quenlo.exe";
static const wchar_t Executable64[] = L"Quenlo64.exe";

// The check box of each file type, in FileTypes' order.
static const int TypeCheckBoxes[FileTypeCount] = {IdProjectFiles, IdWindowFiles, IdModuleFiles,
                                                  IdResourceFiles};

// Each desktop shortcut: its check box, its executable and its name.
static const struct {
    int CheckBox;
    const wchar_t *Executable, *Name;
} Shortcuts[ShortcutCount] = {
    {IdShortcut32, Executable32, L"Quenlo"},
    {IdShortcut64, Executable64, L"Quenlo 64"},
};

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
    DestroyTextList();
    FreeBlock(WorkArea);
    WorkArea = nullptr;
}

// A message box of the Settings window with one of the language texts, and
// a second one in a paragraph of its own when more is to be told.
static void ShowText(HWND window, int position, UINT icon, int more = -1) {
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
    if (IsUnicode())
        CopyBounded(title, (const wchar_t *)GetAppRecord()->Title);
    else
        AnsiToWideBounded((const char *)GetAppRecord()->Title, title, TextChars);
    MessageBoxW(window, text, title, MB_OK | icon);
}

static HWND Control(HWND window, int id) {
    return (HWND)GetControlHandle(window, id);
}

static bool IsChecked(HWND window, int id) {
    return SendMessageA(Control(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

static void Check(HWND window, int id, WPARAM state) {
    SendMessageA(Control(window, id), BM_SETCHECK, state, 0);
}

// Follows the option buttons: the 64-bit executable only on a 64-bit system.
static void UpdateTargetExecutable(SettingsWorkArea *settings) {
    if (!IsChecked(settings->Window, Id64Bit)) {
        settings->TargetExecutable = Executable32;
    } else if (Is64BitSystem()) {
        settings->TargetExecutable = Executable64;
    } else {
        Check(settings->Window, Id32Bit, BST_CHECKED);
        settings->TargetExecutable = Executable32;
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

// The 64-bit choice on a 64-bit system, unless the folder Settings starts in
// holds only the 32-bit executable: then that one, and the shortcut to the
// missing one starts cleared.
static void PreselectInstalledExecutable(SettingsWorkArea *settings) {
    wchar_t path[TextChars];
    TakeInstallationFolder(settings->BaseFolder);
    const bool has32 = FindExecutable(path, settings->BaseFolder, Executable32);
    const bool has64 = FindExecutable(path, settings->BaseFolder, Executable64);
    if (has32 && !has64) {
        Check(settings->Window, Id32Bit, BST_CHECKED);
        Check(settings->Window, IdShortcut64, BST_UNCHECKED);
        settings->TargetExecutable = Executable32;
        return;
    }
    Check(settings->Window, Id64Bit, BST_CHECKED);
    settings->TargetExecutable = Executable64;
}

// The machine's settings when they can be written, else the user's.
static HKEY WritableScope() {
    HKEY machine;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_READ | KEY_WRITE, &machine) != ERROR_SUCCESS)
        return HKEY_CURRENT_USER;
    RegCloseKey(machine);
    return HKEY_LOCAL_MACHINE;
}

static LRESULT OnCreate(HWND window) {
    SettingsWorkArea *settings = (SettingsWorkArea *)AllocZeroed(sizeof(SettingsWorkArea));
    WorkArea = settings;
    if (!settings) return -1;
    settings->Window = window;

    CreateTextList(window);
    LoadLanguageTable(ChooseLanguageTable());
    SetLanguageCaption(window, TextWindowCaption);

    if (AdministratorGuardRefuses(GetOsVersion(nullptr), AskIsAdministrator())) {
        ShowText(window, TextNeedsAdministrator, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }
    if (EnvironmentIsRunning()) {
        ShowText(window, TextEnvironmentRunning, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }

    for (const auto &caption : Captions)
        SetLanguageCaption(Control(window, caption.Id), caption.Position);

    if (Is64BitSystem()) {
        PreselectInstalledExecutable(settings);
    } else {
        // rdo32Bit is checked by the template.
        ShowWindow(Control(window, IdAssociateGroup), SW_HIDE);
        settings->TargetExecutable = Executable32;
    }
    settings->RegistryScope = WritableScope();
    return 0;
}

void ReadChoices(SettingsWorkArea *settings) {
    for (int type = 0; type < FileTypeCount; ++type)
        settings->Choices.Types[type] = IsChecked(settings->Window, TypeCheckBoxes[type]);
    for (int shortcut = 0; shortcut < ShortcutCount; ++shortcut)
        settings->Choices.Shortcuts[shortcut] =
            IsChecked(settings->Window, Shortcuts[shortcut].CheckBox);
}

int AssociateChosenTypes(const SettingsWorkArea &settings) {
    wchar_t path[TextChars];
    ExecutablePath(path, settings.BaseFolder, settings.TargetExecutable);
    const AssociationTarget target = {path, settings.TargetExecutable, settings.RegistryScope};
    int result = 1;
    for (int type = 0; type < FileTypeCount; ++type)
        if (settings.Choices.Types[type] && !AssociateFileType(FileTypes[type], target)) result = 0;
    return result;
}

bool MakeChosenShortcut(const SettingsWorkArea &settings, DesktopShortcut shortcut) {
    if (!settings.Choices.Shortcuts[shortcut]) return true;
    wchar_t target[TextChars], desktop[TextChars];
    if (!FindExecutable(target, settings.BaseFolder, Shortcuts[shortcut].Executable)) return false;
    if (!ReadDesktopFolder(settings.RegistryScope, desktop)) return false;
    return MakeDesktopShortcut(desktop, target, Shortcuts[shortcut].Name) == ShortcutMade;
}

// What the steps of OK came to.
struct OkResults {
    ExecutableState Target; // the chosen executable in the installation folder
    int Associated;         // every chosen type was written whole
    bool Linked[ShortcutCount];
};

// The message that tells them: a text, its icon and a second text, or -1.
struct OkMessage {
    int Text;
    UINT Icon;
    int More;
};

static OkMessage ChooseOkMessage(const OkResults &results) {
    const bool linked = results.Linked[Shortcut32] && results.Linked[Shortcut64];
    const UINT icon = linked ? MB_ICONASTERISK : MB_ICONEXCLAMATION;
    if (results.Target == ExecutablePathTooLong) return {TextFolderTooLong, MB_ICONHAND, -1};
    if (results.Target == ExecutableMissing) return {TextNotInstalled, MB_ICONHAND, -1};
    if (!results.Associated) return {TextNoRights, icon, linked ? -1 : TextShortcutsFailed};
    return {linked ? TextSaved : TextShortcutsFailed, icon, -1};
}

static LRESULT OnOk(SettingsWorkArea *settings) {
    TakeInstallationFolder(settings->BaseFolder);
    ReadChoices(settings);
    // Run from anywhere but the installation folder, the associations and
    // shortcuts would name an executable that is not there, and that anyone
    // able to create it there would have run for everyone. Each shortcut
    // checks its own executable.
    OkResults results;
    wchar_t path[TextChars];
    results.Target = LocateExecutable(path, settings->BaseFolder, settings->TargetExecutable);
    results.Associated = results.Target == ExecutableFound ? AssociateChosenTypes(*settings) : 0;
    // Both run, whatever the first did.
    for (int shortcut = 0; shortcut < ShortcutCount; ++shortcut)
        results.Linked[shortcut] = MakeChosenShortcut(*settings, (DesktopShortcut)shortcut);

    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RemoveObsoleteFiles();

    const OkMessage message = ChooseOkMessage(results);
    HWND window = settings->Window;
    ShowText(window, message.Text, message.Icon, message.More);
    SendMessageA(window, WM_CLOSE, 0, 0);
    return 1;
}

static LRESULT OnCommand(int id, int notification) {
    if (notification != BN_CLICKED || !WorkArea) return 0;
    if (id == Id32Bit || id == Id64Bit) {
        UpdateTargetExecutable(WorkArea);
        return 1;
    }
    if (id == IdOk) return OnOk(WorkArea);
    return 0;
}

LRESULT CALLBACK SettingsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_CLOSE: ReleaseSettingsResources(); return 0;
    // A window destroyed without closing (a test, the end of a session) would
    // otherwise leave its work area behind.
    case WM_DESTROY: ReleaseSettingsResources(); return 0;
    default: return 0;
    }
}
