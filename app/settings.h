// The Settings application: its window template and event procedure.
#pragma once

#include <windows.h>

#include "runtime/templates/window_object.h"

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

// The Settings window's EventProcedure.
LRESULT CALLBACK SettingsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
