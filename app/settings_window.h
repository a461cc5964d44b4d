// The Settings window: its EventProcedure with the creation sequence and its
// two guards, the option buttons and the OK sequence, and the state they
// keep from the window's creation to its close.
#pragma once

#include <windows.h>

#include "app/bounded_text.h"
#include "app/file_associations.h"
#include "qnruntime.h"

// The identifiers of the window's controls, each its template Index's.
enum SettingsControl {
    IdOk = ControlId(0),
    IdFileGroup = ControlId(1),
    IdProjectFiles = ControlId(2),
    IdWindowFiles = ControlId(3),
    IdModuleFiles = ControlId(4),
    IdResourceFiles = ControlId(5),
    IdShortcut32 = ControlId(6),
    IdShortcut64 = ControlId(7),
    IdAssociateGroup = ControlId(8),
    Id32Bit = ControlId(9),
    Id64Bit = ControlId(10),
};

// The icon of the window, in the program's resources.
enum { SettingsIcon = 100 };

// The desktop shortcuts OK makes, one to each executable.
enum DesktopShortcut { Shortcut32, Shortcut64, ShortcutCount };

// What the check boxes say when OK is pressed.
struct SettingsChoices {
    bool Types[FileTypeCount];     // the file types to associate, in FileTypes' order
    bool Shortcuts[ShortcutCount]; // the desktop shortcuts to make
};

// The Settings window's state from its creation event to its close. Only
// the window's own code reads its controls and this record.
struct SettingsWorkArea {
    HWND Window;
    wchar_t BaseFolder[TextChars]; // the installation folder, taken at OK
    // HKEY_LOCAL_MACHINE, lowered to HKEY_CURRENT_USER when the machine-wide
    // settings cannot be written.
    HKEY RegistryScope;
    // "Quenlo64.exe" or "Quenlo.exe": what the file types are associated with.
    const wchar_t *TargetExecutable;
    SettingsChoices Choices;
};
extern SettingsWorkArea *WorkArea;

// The Settings window's EventProcedure.
LRESULT CALLBACK SettingsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The administrator guard's decision: Windows 8.1 and later, and servers,
// need an administrator.
int AdministratorGuardRefuses(int osLevel, int isAdministrator);
// Asks whether the user is an administrator: IsUserAnAdmin, unless a test
// answers instead.
extern BOOL(WINAPI *AskIsAdministrator)();
// The running-environment guard's decision: a main window of Quenlo, of
// either generation and either width, is open.
bool EnvironmentIsRunning();

// Destroys the TextList and frees the work area.
void ReleaseSettingsResources();

// Steps of the OK sequence, each on the record with its own result.

// The check boxes of the record's window into its Choices.
void ReadChoices(SettingsWorkArea *settings);
// Associates every chosen type with the target executable in the
// installation folder's Bin; 1 when each of them was written whole.
int AssociateChosenTypes(const SettingsWorkArea &settings);
// Makes a chosen shortcut when its executable is in the installation
// folder's Bin; false when it was chosen and could not be made.
bool MakeChosenShortcut(const SettingsWorkArea &settings, DesktopShortcut shortcut);
