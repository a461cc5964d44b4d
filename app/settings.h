// The Settings application: its window template and event procedure, the
// language tables, the file associations and the desktop shortcuts.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

enum { SettingsTemplateEntries = 12 };
extern const WindowTemplate SettingsWindowTemplate[SettingsTemplateEntries];

// Control identifiers: 1000 plus the template Index.
enum SettingsControl {
    IdOk = 1000,
    IdFileGroup = 1001,
    IdProjectFiles = 1002,
    IdWindowFiles = 1003,
    IdModuleFiles = 1004,
    IdResourceFiles = 1005,
    IdShortcut32 = 1006,
    IdShortcut64 = 1007,
    IdAssociateGroup = 1008,
    Id32Bit = 1009,
    Id64Bit = 1010,
};

// Every text, path and key of the application fits 260 characters,
// terminator included. Texts and paths are UTF-16: the language tables'
// Windows-1252 texts are converted as they are loaded, and the installation
// folder is read as the system holds it.
enum { TextChars = MAX_PATH };
// Values built on the installation folder, such as the icon location: the
// executable path followed by a comma and the icon's index.
enum { ValueChars = MAX_PATH + 8 };

// Positions of the language texts.
enum LanguageText {
    TextShortcut32 = 0,
    TextShortcut64 = 1,
    TextFileGroup = 2,
    TextEnvironmentRunning = 3,
    TextSaved = 4,
    TextModuleFiles = 5,
    TextOk = 6,
    TextProjectFiles = 7,
    TextResourceFiles = 8,
    TextWindowCaption = 9,
    TextWindowFiles = 10,
    TextNoRights = 11,
    TextNeedsAdministrator = 12,
    TextAssociateGroup = 13,
    Text32Bit = 14,
    Text64Bit = 15,
    TextNotInstalled = 16,
    TextShortcutsFailed = 17,
    TextFolderTooLong = 18,
    LanguageTexts = 19,
};

// The Settings window's state from its creation event to its close.
struct SettingsWorkArea {
    wchar_t BaseFolder[TextChars]; // the installation folder, taken at OK
    wchar_t Value[ValueChars];
    wchar_t TextAndPath[TextChars];
    wchar_t Key[TextChars];
    wchar_t SubKey[TextChars];
};
extern SettingsWorkArea *WorkArea;
extern HWND SettingsWindow;
// HKEY_LOCAL_MACHINE, lowered to HKEY_CURRENT_USER when the machine-wide
// settings cannot be written.
extern HKEY RegistryScope;
// "Quenlo64.exe" or "Quenlo.exe": what the file types are associated with.
extern const wchar_t *TargetExecutable;

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

// Follows the option buttons: the 64-bit executable only on a 64-bit system.
void UpdateTargetExecutable();

// Empties and destroys the TextList and frees the work area.
void ReleaseSettingsResources();

// Deletes the support files of earlier versions, whatever their attributes.
void RemoveObsoleteFiles();

// --- Language tables ---

// The hidden list box that holds the loaded texts in file order.
extern HWND TextList;
HWND CreateTextList(HWND parent);

// The language table resource (101 Catalan, 102 English, 103 Spanish) for a
// language identifier, and for the user's default language.
int LanguageTableFor(LANGID language);
int ChooseLanguageTable();

// Calls add once per line of a table (text of up to 259 characters after the
// line's first "=", escapes translated) until the first zero byte.
typedef void (*LanguageTextSink)(void *context, const char *text);
void ParseLanguageTable(const unsigned char *table, LanguageTextSink add, void *context);

// Loads a table resource into the TextList; 0 when it cannot be found or
// loaded.
int LoadLanguageTable(int resource);
// The text at a position into a 260-character buffer; empty beyond the list.
void GetLanguageText(int position, wchar_t *buffer);
// The text at a position as the caption of the Settings window's control id.
void SetControlText(wchar_t *buffer, int position, int id);

// --- File associations ---

// Associates every checked file type; 1 when all of them succeeded.
int AssociateCheckedTypes();
// One type, machine-wide when it may, else for the current user; non-zero
// when its extension, icon, open command and (machine-wide) description were
// all written and (machine-wide) Explorer's old record of the extension is
// gone. A type that fails leaves its classes as it found them.
int AssociateFileType(const wchar_t *extension, const wchar_t *typeWord, const wchar_t *iconSuffix);
// BaseFolder\Bin\executable into path, when it fits and names a file.
bool FindExecutable(wchar_t *path, const wchar_t *executable);
enum ExecutableState { ExecutableMissing, ExecutableFound, ExecutablePathTooLong };
// FindExecutable, telling a missing executable from one that is there but
// whose path does not fit MAX_PATH.
ExecutableState LocateExecutable(wchar_t *path, const wchar_t *executable);

// --- Desktop shortcuts ---

// Makes the shortcut when the check box is checked and the executable exists;
// false when it was asked for and could not be made.
bool AddDesktopShortcut(const wchar_t *name, const wchar_t *executable, int checkBoxId);
// Saves a shell link to target; the first failing call's HRESULT, or S_OK.
// A target of MAX_PATH characters or more is refused with E_INVALIDARG.
HRESULT CreateShellLink(const wchar_t *target, const wchar_t *linkFile, const wchar_t *description);

// --- Bounded texts ---

// Copies or appends text; false, leaving the buffer as it was, when the
// result would not fit the buffer's chars.
bool CopyBounded(wchar_t *buffer, const wchar_t *text, size_t chars = TextChars);
bool AppendBounded(wchar_t *buffer, const wchar_t *text, size_t chars = TextChars);
// Appends a path item with a backslash between (none after an empty path or
// one ending in a backslash); false when the path would not fit.
bool AppendPathBounded(wchar_t *path, const wchar_t *item, size_t chars = TextChars);
