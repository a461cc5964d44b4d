// ErrorTrapHandler: resumes an application at the point its ErrorTrapRecord
// names after an exception.
#include "runtime/startup/error_trap.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

static const wchar_t TrapText[] = L"Exception 0x%08lX at address 0x%08lX.";

// Informational and warning codes (debug output, thread names, breakpoints,
// single steps, guard pages) are raised and handled by the system and by
// debuggers as part of normal work; only error codes are the application's.
static bool IsErrorCode(DWORD code) {
    return (code & 0xC0000000u) == 0xC0000000u;
}

// The recorded stack position must lie on the stack of the thread that
// faulted, on which the handler runs: the record is process-wide, and
// resuming one thread on another's stack would wreck both. A thread's stack
// is one reservation, so both positions share its allocation base.
static bool IsOnThisThreadsStack(uint32_t position) {
    MEMORY_BASIC_INFORMATION own, recorded;
    const int here = 0;
    if (!VirtualQuery(&here, &own, sizeof own)) return false;
    if (!VirtualQuery((const void *)(uintptr_t)position, &recorded, sizeof recorded)) return false;
    return recorded.State == MEM_COMMIT && recorded.AllocationBase == own.AllocationBase;
}

// The message buffer holds the active text form; the format is converted
// into a buffer of its own, since the fault may have interrupted a user of
// the shared conversion buffer.
static void DescribeTrap(char *message, DWORD code, uint32_t address) {
    if (!message) return;
    if (UnicodeFlag) {
        wsprintfW((wchar_t *)message, TrapText, (unsigned long)code, (unsigned long)address);
        return;
    }
    char format[sizeof TrapText / sizeof TrapText[0]];
    ConvertLiteral(TrapText, format, sizeof format);
    wsprintfA(message, format, (unsigned long)code, (unsigned long)address);
}

LONG WINAPI ErrorTrapHandler(EXCEPTION_POINTERS *exception) {
    if (!ErrorTrap || !ErrorTrap->ResumeAddress) return EXCEPTION_CONTINUE_SEARCH;
    if (!exception || !exception->ExceptionRecord || !exception->ContextRecord)
        return EXCEPTION_CONTINUE_SEARCH;
    const EXCEPTION_RECORD *record = exception->ExceptionRecord;
    if (!IsErrorCode(record->ExceptionCode)) return EXCEPTION_CONTINUE_SEARCH;
    if (!IsOnThisThreadsStack(ErrorTrap->ResumeStack)) return EXCEPTION_CONTINUE_SEARCH;
    // A resume address that cannot run faults at itself: resuming there
    // again would never end.
    if ((uintptr_t)record->ExceptionAddress == ErrorTrap->ResumeAddress)
        return EXCEPTION_CONTINUE_SEARCH;

    ErrorTrap->LastCode = record->ExceptionCode;
    DescribeTrap(ErrorTrap->Message, record->ExceptionCode,
                 (uint32_t)(uintptr_t)record->ExceptionAddress);
    CONTEXT *context = exception->ContextRecord;
    context->Esp = ErrorTrap->ResumeStack;
    context->Ebp = ErrorTrap->ResumeFrame;
    context->Eip = ErrorTrap->ResumeAddress;
    return EXCEPTION_CONTINUE_EXECUTION;
}
