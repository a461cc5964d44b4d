// Start-up and application frame: program entry, runtime initialisation,
// message loops, shutdown and the unhandled-exception report.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "runtime/startup/application_start.h"

// Starts the application from its ApplicationStartup, runs its main window
// until it closes and returns the exit code of the main window's message
// loop, with every runtime resource released.
int RunApplication();

// The first code of a program linked without the C runtime's start-up
// (-nostartfiles, entry _ProgramEntry@0); ends in ExitProcess with the code
// of RunApplication.
extern "C" void WINAPI ProgramEntry();

// Prepares the runtime once per process, before the first window exists.
void RuntimeInitialize(const wchar_t *classSuffix, const wchar_t *exeName, const wchar_t *title,
                       int mainKind, int wideRequest, AppRecord *app, ErrorTrapRecord *trap,
                       UINT codePage);

// Runs the application's main window until the quit message; returns its
// code, or NoMainWindowExitCode when there is no main window template or its
// window could not be created (each told in one OutputDebugStringW line).
constexpr int NoMainWindowExitCode = 3;
int WINAPI RunMainWindow(HINSTANCE instance, HINSTANCE previous, void *commandLine, int showMode);

// Releases everything the runtime holds; no runtime routine may run after it.
void ReleaseRuntime();
void DestroyMainWindowAndRelease();

// The process's unhandled-exception filter while the application runs.
LONG WINAPI UnhandledExceptionReport(EXCEPTION_POINTERS *exception);

// Pieces of the start-up that depend only on their inputs.

// Operating-system code 0 to 17 from the extended version information.
int ClassifyOsLevel(DWORD platform, DWORD major, DWORD minor, BYTE productType, WORD suiteMask);

// The C runtime's own view of the Windows version, as "_get_winmajor" and
// "_get_winminor" of msvcrt.dll report it.
typedef int(__cdecl *CrtVersionQuery)(unsigned int *value);

// Lets the C runtime correct the major and minor version (either query may be
// null); 1 when a field changed, so the service-pack text must be re-read.
int CorrectVersionFromCrt(OSVERSIONINFOEXA *info, CrtVersionQuery getMajor,
                          CrtVersionQuery getMinor);

// The arguments of a command line: what follows the program's name, trimmed
// of blanks and tabs, copied into at most capacity characters.
void CommandLineArgumentsA(const char *line, char *arguments, int capacity);
void CommandLineArgumentsW(const wchar_t *line, wchar_t *arguments, int capacity);

struct DpiValues {
    uint32_t TwipsPerPixelX;
    uint32_t TwipsPerPixelY;
    uint32_t FontScaleDivisor;
};
DpiValues ComputeDpiValues(int dotsPerInchX, int dotsPerInchY);

// Registers the seven runtime window classes; unregisters them again.
void RegisterRuntimeClasses(const wchar_t *classSuffix);
void UnregisterRuntimeClasses();

// The main window of an instance of this application that is already
// running: the first top-level window of the main window's class, or 0.
HWND FindPreviousInstance(int mainKind);
