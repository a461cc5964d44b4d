// Helpers shared by the tests: child programs, folders and waiting.
#pragma once

#include <windows.h>
#include <string>

#include "runtime/startup/runtime_state.h"

// Class-name suffix of the runtime in the test executables.
inline constexpr const wchar_t *TestClassSuffix = L"Tests";

extern AppRecord TestApp;
extern ErrorTrapRecord TestErrorTrap;

// Full path of a program built beside the running test executable.
std::wstring TestProgramPath(const wchar_t *fileName);

// Full path of Settings.exe.
std::wstring SettingsExePath();

// Starts a program with the given command line (the program's path comes
// first) and current directory (null: the test's own); returns the process
// handle, or null. The caller closes it.
HANDLE StartProgram(const std::wstring &commandLine, const wchar_t *currentDirectory = nullptr);

// Waits for a process to end; returns its exit code, or STILL_ACTIVE after
// the timeout (the process is then terminated).
DWORD WaitForExitCode(HANDLE process, DWORD timeoutMs = 60000);

// Runs a program to its end and returns its exit code.
DWORD RunProgram(const std::wstring &commandLine, const wchar_t *currentDirectory = nullptr,
                 DWORD timeoutMs = 60000);

// A fresh empty folder under the temporary folder; removed with its
// contents by RemoveFolderTree.
std::wstring MakeTempFolder(const wchar_t *prefix);
void RemoveFolderTree(const std::wstring &folder);

// Pumps the thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);
