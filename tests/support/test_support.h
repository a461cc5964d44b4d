// Helpers shared by the tests: child programs, folders and waiting.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

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

// Opens a file with the shell's "open" verb, as a double click in Explorer
// does, and waits for the program it starts; returns that program's exit
// code, or STILL_ACTIVE when the shell started nothing or it did not end.
DWORD OpenThroughShell(const std::wstring &file);

// Runs a program to its end and returns its exit code.
DWORD RunProgram(const std::wstring &commandLine, const wchar_t *currentDirectory = nullptr,
                 DWORD timeoutMs = 60000);

// UTF-8 and UTF-16 forms of a text: the tests hold texts and paths as
// UTF-8 and reach the system through its W functions, whatever the ANSI
// code page of the run.
std::string Utf8(const std::wstring &text);
std::wstring Wide(const std::string &utf8);

// A fresh empty folder under the temporary folder; removed with its
// contents by RemoveFolderTree.
std::wstring MakeTempFolder(const wchar_t *prefix);
void RemoveFolderTree(const std::wstring &folder);

// Pumps the thread's messages for the given time.
void PumpMessagesFor(DWORD milliseconds);

// Sets UnicodeFlag for the life of a scope and restores the previous value,
// so that a test can drive the runtime's entries in either text form.
class TextFormScope {
  public:
    explicit TextFormScope(int wide) : Saved(UnicodeFlag) { UnicodeFlag = wide; }
    ~TextFormScope() { UnicodeFlag = Saved; }
    TextFormScope(const TextFormScope &) = delete;
    TextFormScope &operator=(const TextFormScope &) = delete;

  private:
    int Saved;
};

// A Latin-1 text in the character type Ch (8-bit texts keep their bytes).
template <class Ch> std::basic_string<Ch> TextOf(const std::string &latin1) {
    std::basic_string<Ch> text;
    for (unsigned char c : latin1)
        text += (Ch)c;
    return text;
}

// Waits for a top-level window of the given class (null: any) that belongs
// to the process; 0 after the timeout.
HWND WaitForProcessWindow(HANDLE process, const char *className, DWORD timeoutMs = 30000);

// The first of a window's descendants with the control identifier id, or 0.
HWND FindDescendant(HWND window, int id);

// The text of a message box's message and of its caption, in UTF-8.
std::string MessageBoxText(HWND box);
std::string WindowTextOf(HWND window);

// Bytes in use in every heap of the process, by HeapWalk.
size_t HeapBytesInUse();

// The fonts, pens and non-system brushes the runtime made for a window and
// its controls; after the window is destroyed none of them is a GDI object.
std::vector<HGDIOBJ> RuntimeGdiObjects(HWND window);
int LiveGdiObjects(const std::vector<HGDIOBJ> &objects);
