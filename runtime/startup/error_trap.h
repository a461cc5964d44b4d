// ErrorTrapHandler: the exception handler the runtime offers to applications
// that trap errors themselves through the ErrorTrapRecord.
#pragma once

#include <windows.h>

// An exception handler of the shape AddVectoredExceptionHandler and
// SetUnhandledExceptionFilter take. While ErrorTrap holds a resume address,
// an exception of error severity on the thread whose stack holds the
// recorded stack position is trapped: its code goes to LastCode, a line that
// names it and the faulting address to Message, and execution resumes at
// ResumeAddress with the stack and frame registers set to ResumeStack and
// ResumeFrame (the other registers keep their values at the fault). Anything
// else is left to the handlers after it and to the unhandled-exception
// report: EXCEPTION_CONTINUE_SEARCH.
LONG WINAPI ErrorTrapHandler(EXCEPTION_POINTERS *exception);
