// The application's start-up sequence, and ProgramEntry, the first code of a
// program built without the C runtime's start-up.
#include "runtime/startup/startup.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

#include <commctrl.h>

static AppRecord ProgramApp;
static ErrorTrapRecord ProgramErrorTrap;

int RunApplication() {
    PreviousExceptionFilter = SetUnhandledExceptionFilter(UnhandledExceptionReport);
    ProgramApp.Instance = GetModuleHandleA(nullptr);
    const StartupValues &start = ApplicationStartup;
    ProgramApp.VersionMajor = start.VersionMajor;
    ProgramApp.VersionMinor = start.VersionMinor;
    ProgramApp.VersionRevision = start.VersionRevision;

    InitCommonControls();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                          ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                                          ICC_INTERNET_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);

    RuntimeInitialize(start.ClassSuffix, start.ExeName, start.Title, start.MainKind,
                      start.WideRequest, &ProgramApp, &ProgramErrorTrap, start.CodePage);
    MainWindowTemplate = start.MainTemplate;
    const int code =
        RunMainWindow(ProgramApp.Instance, nullptr, ProgramApp.CommandLine, SW_SHOWDEFAULT);

    SetUnhandledExceptionFilter(PreviousExceptionFilter);
    return code;
}

extern "C" void WINAPI ProgramEntry() {
    ExitProcess((UINT)RunApplication());
}
