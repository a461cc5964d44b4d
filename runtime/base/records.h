// The runtime's fixed-layout records: the application record, the error
// trap, the thread table's entries and the sizes of the work areas.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

static_assert(sizeof(void *) == 4, "the runtime's records are laid out for 32-bit Windows");

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

// Resume point for applications that trap errors themselves.
struct ErrorTrapRecord {
    uint32_t ResumeStack;
    uint32_t ResumeFrame;
    uint32_t ResumeAddress;
    uint32_t LastCode;
    char *Message; // 512 bytes, attached by RuntimeInitialize
};
static_assert(sizeof(ErrorTrapRecord) == 20);

// One thread started from a template entry.
struct ThreadRecord {
    HWND Window;
    int32_t Id;
    HANDLE Thread;
    DWORD ThreadId;
};
static_assert(sizeof(ThreadRecord) == 16);

// Sizes of the runtime's work areas.
enum : uint32_t {
    ConversionBufferBytes = 2048,
    HiddenListBoxesBytes = 264,
    ServicePackTextBytes = 264,
    ErrorTrapMessageBytes = 512,
    TemplateListBytes = 1024,
    ScratchTextBytes = 520,
    WorkBlockBytes = ConversionBufferBytes + HiddenListBoxesBytes + ServicePackTextBytes +
                     ErrorTrapMessageBytes + TemplateListBytes + ScratchTextBytes,
    AppTextBlockBytes = 2048,
    AppCommandLineOffset = 0,
    AppPathOffset = 524,
    AppExeNameOffset = 1048,
    AppTitleOffset = 1572,
    AppTextFieldBytes = 524, // command line, path and name; the title has 476
    AppTitleBytes = AppTextBlockBytes - AppTitleOffset,
    MaxTemplates = TemplateListBytes / sizeof(void *) - 1,
    MaxThreads = 48,
    ThreadTableBytes = (MaxThreads + 1) * sizeof(ThreadRecord),
    InitialObjectTableBytes = 1024,
    ClassNameChars = 275,
};
static_assert(WorkBlockBytes == 4632);
static_assert(ThreadTableBytes == 784);
