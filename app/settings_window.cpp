// The Settings window's EventProcedure: the creation sequence with its two
// guards, the option buttons, and the OK sequence.
#include "app/settings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/winproc/handlers.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

#include <shlobj.h>

SettingsWorkArea *WorkArea;
HWND SettingsWindow;
HKEY RegistryScope = HKEY_LOCAL_MACHINE;
const char *TargetExecutable = "Quenlo.exe";

static const char Executable32[] = "Quenlo.exe";
static const char Executable64[] = "Quenlo64.exe";

int AdministratorGuardRefuses(int osLevel, int isAdministrator) {
    return osLevel >= Os81 && !isAdministrator; // 8.1, 10 and every server
}

void ReleaseSettingsResources() {
    if (TextList) {
        SendMessageA(TextList, LB_RESETCONTENT, 0, 0);
        DestroyWindow(TextList);
        TextList = nullptr;
    }
    FreeBlock(WorkArea);
    WorkArea = nullptr;
}

// A message box of the Settings window with one of the language texts.
static void ShowText(int position, UINT icon) {
    char text[TextChars];
    GetLanguageText(position, text);
    MessageBoxA(SettingsWindow, text, (const char *)App->Title, MB_OK | icon);
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

static LRESULT OnCreate(HWND window) {
    SettingsWindow = window;
    WorkArea = (SettingsWorkArea *)AllocZeroed(sizeof(SettingsWorkArea));
    char *text = WorkArea ? WorkArea->Value : nullptr;
    if (!text) return -1;

    CreateTextList(window);
    LoadLanguageTable(ChooseLanguageTable());
    GetLanguageText(TextWindowCaption, text);
    SetWindowTextA(window, text);

    if (AdministratorGuardRefuses(GetOsVersion(nullptr), IsUserAnAdmin())) {
        ShowText(TextNeedsAdministrator, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }
    if (FindWindowExA(nullptr, nullptr, "QNRUNMDIWINDOWQuenlo", nullptr)) {
        ShowText(TextEnvironmentRunning, MB_ICONHAND);
        ReleaseSettingsResources();
        return -1;
    }

    for (const auto &caption : Captions)
        SetControlText(text, caption.Position, caption.Id);

    if (Is64BitSystem()) {
        SendMessageA(Control(Id64Bit), BM_SETCHECK, BST_CHECKED, 0);
        TargetExecutable = Executable64;
    } else {
        SendMessageA(Control(Id32Bit), BM_SETCHECK, BST_CHECKED, 0);
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

// The process's current directory as the installation folder, in the ANSI
// code page. A folder that does not fit, or whose name the code page cannot
// spell, gives an empty folder: every path built on it is then refused
// rather than cut or misspelt.
static void TakeInstallationFolder(char *base) {
    base[0] = 0;
    wchar_t wide[TextChars];
    const DWORD length = GetCurrentDirectoryW(TextChars, wide);
    if (length == 0 || length >= TextChars) return;
    BOOL lossy = FALSE;
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, base, TextChars,
                                          nullptr, &lossy);
    if (bytes <= 0 || lossy) base[0] = 0;
}

static LRESULT OnOk(HWND window) {
    TakeInstallationFolder(WorkArea->BaseFolder);
    const int associated = AssociateCheckedTypes();
    AddDesktopShortcut("Quenlo", Executable32, IdShortcut32);
    AddDesktopShortcut("Quenlo 64", Executable64, IdShortcut64);

    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    RedrawWindow(GetDesktopWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RemoveObsoleteFiles();

    ShowText(associated ? TextSaved : TextNoRights, MB_ICONASTERISK);
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
