// How an application starts: it defines ApplicationStartup, and the runtime's
// entry initialises the runtime with these values, runs the main window from
// MainTemplate until it closes and ends the process with its exit code.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/window_object.h"

// The values an application hands to the runtime at start-up. The program
// entry reads them from ApplicationStartup, which the application defines.
struct StartupValues {
    const wchar_t *ClassSuffix; // appended to the runtime's window class names
    const wchar_t *ExeName;
    const wchar_t *Title; // may be null
    int MainKind;         // ControlKind of the main window: KindDialog, KindMdiFrame, else window
    int WideRequest;      // non-zero asks for UTF-16 texts
    UINT CodePage;        // turns the runtime's UTF-16 literals into 8-bit text
    uint32_t VersionMajor;
    uint32_t VersionMinor;
    uint32_t VersionRevision;
    const WindowTemplate *MainTemplate;
};
extern const StartupValues ApplicationStartup;
