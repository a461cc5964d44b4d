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
    DestroyMainWindowAndRelease();
    SetUnhandledExceptionFilter(PreviousExceptionFilter);
    ExitProcess(code);
}
