// What the runtime tells an application about itself: the running
// application's record, the codes of the systems it tells apart, and the
// default processing an event procedure may ask for.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

// Operating-system codes held in OsLevel. The runtime compares them by
// size: OsNt and above is the NT family, OsXp and above has visual styles,
// below Os2000 the layout extended styles do not exist.
enum OsCode : int {
    OsUnknown = 0,       // neither the 9x nor the NT platform
    Os95 = 1,            // 9x platform, minor version 0
    Os98 = 2,            // 98 or Me: 9x platform, other minor versions
    OsNt = 3,            // NT platform, major version below 5
    Os2000 = 4,          // 5.0
    OsXp = 5,            // 5.1 or 5.2, workstation
    OsVista = 6,         // 6.0 workstation
    Os7 = 7,             // 6.1 workstation
    Os8 = 8,             // 6.2 workstation
    Os81 = 9,            // 6.3 workstation
    Os10 = 10,           // above 6.3, workstation
    OsServer2003 = 11,   // 5.1 or 5.2, neither workstation nor home server
    OsHomeServer = 12,   // 5.1 or 5.2 with the home-server suite
    OsServer2008 = 13,   // 6.0 server
    OsServer2008R2 = 14, // 6.1 server
    OsServer2012 = 15,   // 6.2 server
    OsServer2012R2 = 16, // 6.3 server
    OsServer2016 = 17,   // above 6.3, server
};

// The running application. The four text fields point into one read-only
// block and hold texts in the active form (8-bit or UTF-16, see UnicodeFlag).
struct AppRecord {
    HACCEL Accelerators;
    void *CommandLine;
    void *ExeName;
    void *Title;
    HINSTANCE Instance;
    HWND MainWindow;
    uint32_t VersionMajor;
    uint32_t VersionMinor;
    HWND PreviousInstance;
    uint32_t VersionRevision; // high 16 bits release, low 16 bits build
    void *Path;
    uint32_t ProcessId;
    uint32_t ThreadId;
};
static_assert(sizeof(AppRecord) == 52);
static_assert(offsetof(AppRecord, Instance) == 16);
static_assert(offsetof(AppRecord, VersionRevision) == 36);
static_assert(offsetof(AppRecord, ThreadId) == 48);

// The running application's record, filled in at start-up; null before.
const AppRecord *GetAppRecord();

// The runtime's default processing for an application that asks for it; -1
// for a window that is not the runtime's.
LRESULT DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
