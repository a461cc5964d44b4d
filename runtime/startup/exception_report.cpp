// UnhandledExceptionReport: tells the user, tears the application down and
// ends the process with the exception code.
#include "runtime/startup/startup.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <stdio.h>

static const wchar_t ReportText[] = L"Unhandled exception 0x%I64X. The application will end.";
enum { ReportBytes = 260 };

// The code of the report under way, 0 before the first. The teardown runs
// application code (each window's EventProcedure hears WM_DESTROY); an
// exception there, or on another thread meanwhile, must not start a second
// report inside the first: the process ends at once with the first code.
static LONG ReportedCode;

// A report made on another thread than the main window's hands the teardown
// to the window's own thread: only that thread can destroy the window, and
// the runtime's tables may be freed only where nothing uses them any more.
// That thread then ends the process itself, never going back into code
// that would look for what was freed.
enum : LONG { HandOverNone, HandOverAsked, HandOverTaken, HandOverGivenUp };
static LONG HandOverState;
static HHOOK HandOverHook;
static HWND HandOverWindow;
static DWORD HandOverCode;
// How long the report waits for the window's thread to take the message.
enum : UINT { HandOverMilliseconds = 10000 };

static LRESULT CALLBACK TeardownOnWindowThread(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT *sent = (const CWPSTRUCT *)lParam;
    if (code == HC_ACTION && sent->hwnd == HandOverWindow && sent->message == WM_NULL &&
        InterlockedCompareExchange(&HandOverState, HandOverTaken, HandOverAsked) == HandOverAsked) {
        UnhookWindowsHookEx(HandOverHook);
        DestroyMainWindowAndRelease();
        SetUnhandledExceptionFilter(PreviousExceptionFilter);
        ExitProcess(HandOverCode);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Returns only when the window's thread could not be reached in time; it
// then still runs, so nothing may be released under it.
static void HandTeardownTo(HWND window, DWORD windowThread, DWORD code) {
    HandOverWindow = window;
    HandOverCode = code;
    HandOverHook = SetWindowsHookExW(WH_CALLWNDPROC, TeardownOnWindowThread, nullptr, windowThread);
    if (!HandOverHook) return;
    InterlockedExchange(&HandOverState, HandOverAsked);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, HandOverMilliseconds, &answer);
    if (InterlockedCompareExchange(&HandOverState, HandOverGivenUp, HandOverAsked) ==
        HandOverAsked) {
        UnhookWindowsHookEx(HandOverHook);
        return;
    }
    // The window's thread has it and ends the process; its release may stop
    // this thread first.
    for (;;)
        Sleep(INFINITE);
}

static bool OnTemplateThread() {
    if (!ThreadTable) return false;
    for (int i = 0; i < ThreadCount; ++i)
        if (ThreadTable[i].ThreadId == GetCurrentThreadId()) return true;
    return false;
}

LONG WINAPI UnhandledExceptionReport(EXCEPTION_POINTERS *exception) {
    const DWORD code =
        exception && exception->ExceptionRecord ? exception->ExceptionRecord->ExceptionCode : 0;
    const LONG reported = InterlockedCompareExchange(&ReportedCode, (LONG)code, 0);
    if (reported != 0) {
        SetUnhandledExceptionFilter(PreviousExceptionFilter);
        ExitProcess((UINT)reported);
    }
    void *message = AllocZeroed(ReportBytes);
    const unsigned long long wideCode = code; // formatted as 64 bits with a zero upper half
    HWND owner = App ? App->MainWindow : nullptr;
    const void *caption = App ? App->ExeName : nullptr;
    if (message) {
        if (UnicodeFlag) {
            _snwprintf((wchar_t *)message, ReportBytes / 2 - 1, ReportText, wideCode);
        } else {
            char format[sizeof ReportText];
            ConvertLiteral(ReportText, format, sizeof format);
            _snprintf((char *)message, ReportBytes - 1, format, wideCode);
        }
        MessageBoxAW(owner, message, caption, MB_OK);
        FreeBlock(message);
    }
    HWND mainWindow = App && IsWindow(App->MainWindow) ? App->MainWindow : nullptr;
    const DWORD windowThread = mainWindow ? GetWindowThreadProcessId(mainWindow, nullptr) : 0;
    if (windowThread && windowThread != GetCurrentThreadId())
        HandTeardownTo(mainWindow, windowThread, code);
    else if (windowThread || !OnTemplateThread())
        DestroyMainWindowAndRelease();
    SetUnhandledExceptionFilter(PreviousExceptionFilter);
    ExitProcess(code);
}
