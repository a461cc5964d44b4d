// The error-trap handler: a trapped fault resumes where the ErrorTrapRecord
// says; everything else goes on to the handlers after it.
#include <gtest/gtest.h>
#include <windows.h>
#include <stdio.h>

#include "runtime/startup/error_trap.h"
#include "runtime/base/runtime_state.h"
#include "tests/support/test_support.h"

// TrapScaffold(trap, target) records its own stack and frame position and a
// resume address in trap, then, one push deeper and with the frame register
// cleared, stores 1 at target (TrapScaffoldFault). It returns 0 when the
// store ran on; 1 when it resumed with the recorded stack and frame, 2 or 3
// when it resumed with a wrong stack or frame (the scaffold then repairs both
// from its own copy, so that it still returns to its caller).
extern "C" int __cdecl TrapScaffold(ErrorTrapRecord *trap, volatile int *target);
extern "C" char TrapScaffoldFault[];
asm(R"(
    .data
TrapScaffoldStack:
    .long 0
    .text
    .globl _TrapScaffold
    .globl _TrapScaffoldFault
_TrapScaffold:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 8(%ebp), %eax
    movl %esp, (%eax)
    movl %ebp, 4(%eax)
    movl $TrapScaffoldResume, 8(%eax)
    movl %esp, TrapScaffoldStack
    movl 12(%ebp), %ecx
    pushl $0x55
    xorl %ebp, %ebp
_TrapScaffoldFault:
    movl $1, (%ecx)
    addl $4, %esp
    leal 12(%esp), %ebp
    xorl %eax, %eax
    jmp TrapScaffoldEnd
TrapScaffoldResume:
    movl $1, %eax
    cmpl TrapScaffoldStack, %esp
    je 1f
    movl $2, %eax
    movl TrapScaffoldStack, %esp
1:
    leal 12(%esp), %edx
    cmpl %edx, %ebp
    je TrapScaffoldEnd
    movl $3, %eax
    movl %edx, %ebp
TrapScaffoldEnd:
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

// Puts the record back as the test process had it, unarmed.
class SavedErrorTrap {
  public:
    SavedErrorTrap() : Saved(*ErrorTrap) {}
    ~SavedErrorTrap() { *ErrorTrap = Saved; }

  private:
    ErrorTrapRecord Saved;
};

TEST(ErrorTrap, AccessViolationResumesWhereTheRecordSays) {
    SavedErrorTrap saved;
    char expected[64];
    sprintf(expected, "Exception 0xC0000005 at address 0x%08lX.",
            (unsigned long)(uintptr_t)TrapScaffoldFault);
    for (int wide : {0, 1}) {
        TextFormScope form(wide);
        ErrorTrap->LastCode = 0;
        PVOID handler = AddVectoredExceptionHandler(1, ErrorTrapHandler);
        ASSERT_NE(nullptr, handler);
        const int resumed = TrapScaffold(ErrorTrap, nullptr);
        RemoveVectoredExceptionHandler(handler);
        EXPECT_EQ(1, resumed) << wide;
        EXPECT_EQ(0xC0000005u, ErrorTrap->LastCode) << wide;
        const std::string message =
            wide ? Utf8((const wchar_t *)ErrorTrap->Message) : ErrorTrap->Message;
        EXPECT_EQ(expected, message) << wide;
    }
    // Without a fault the scaffold runs on and nothing is trapped.
    ErrorTrap->LastCode = 0;
    PVOID handler = AddVectoredExceptionHandler(1, ErrorTrapHandler);
    volatile int target = 0;
    const int resumed = TrapScaffold(ErrorTrap, &target);
    RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(0, resumed);
    EXPECT_EQ(1, target);
    EXPECT_EQ(0u, ErrorTrap->LastCode);
}

struct TrapCall {
    EXCEPTION_RECORD Record;
    CONTEXT Context;
    LONG Answer;
};

// The handler's answer for an exception with the given code, raised at
// 0x3333 with the stack at 0x1111 and the frame at 0x2222.
void CallHandler(TrapCall *call, DWORD code) {
    call->Record = {};
    call->Record.ExceptionCode = code;
    call->Record.ExceptionAddress = (void *)0x3333;
    call->Context = {};
    call->Context.Esp = 0x1111;
    call->Context.Ebp = 0x2222;
    call->Context.Eip = 0x3333;
    EXCEPTION_POINTERS pointers = {&call->Record, &call->Context};
    call->Answer = ErrorTrapHandler(&pointers);
}

DWORD WINAPI CallHandlerOnThread(void *call) {
    CallHandler((TrapCall *)call, EXCEPTION_ACCESS_VIOLATION);
    return 0;
}

TEST(ErrorTrap, LeavesWhatItMustNotTrapToTheHandlersAfterIt) {
    SavedErrorTrap saved;
    TrapCall call;
    const uint32_t here = (uint32_t)(uintptr_t)&call; // on this thread's stack
    const struct {
        const char *Case;
        uint32_t ResumeAddress;
        DWORD Code;
        bool OtherThread;
        LONG Answer;
    } cases[] = {
        {"armed", 0x4444, EXCEPTION_ACCESS_VIOLATION, false, EXCEPTION_CONTINUE_EXECUTION},
        {"armed, raised by the application", 0x4444, 0xE0000001, false,
         EXCEPTION_CONTINUE_EXECUTION},
        {"not armed", 0, EXCEPTION_ACCESS_VIOLATION, false, EXCEPTION_CONTINUE_SEARCH},
        {"breakpoint", 0x4444, EXCEPTION_BREAKPOINT, false, EXCEPTION_CONTINUE_SEARCH},
        {"debug output", 0x4444, DBG_PRINTEXCEPTION_C, false, EXCEPTION_CONTINUE_SEARCH},
        {"another thread", 0x4444, EXCEPTION_ACCESS_VIOLATION, true, EXCEPTION_CONTINUE_SEARCH},
        {"fault at the resume address", 0x3333, EXCEPTION_ACCESS_VIOLATION, false,
         EXCEPTION_CONTINUE_SEARCH},
    };
    for (const auto &c : cases) {
        ErrorTrap->ResumeStack = here;
        ErrorTrap->ResumeFrame = here + 8;
        ErrorTrap->ResumeAddress = c.ResumeAddress;
        ErrorTrap->LastCode = 0;
        if (c.OtherThread) {
            HANDLE thread = CreateThread(nullptr, 0, CallHandlerOnThread, &call, 0, nullptr);
            ASSERT_NE(nullptr, thread);
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        } else {
            CallHandler(&call, c.Code);
        }
        EXPECT_EQ(c.Answer, call.Answer) << c.Case;
        const bool trapped = c.Answer == EXCEPTION_CONTINUE_EXECUTION;
        EXPECT_EQ(trapped ? c.Code : 0u, ErrorTrap->LastCode) << c.Case;
        EXPECT_EQ(trapped ? here : 0x1111u, call.Context.Esp) << c.Case;
        EXPECT_EQ(trapped ? here + 8 : 0x2222u, call.Context.Ebp) << c.Case;
        EXPECT_EQ(trapped ? 0x4444u : 0x3333u, call.Context.Eip) << c.Case;
    }
}

} // namespace
