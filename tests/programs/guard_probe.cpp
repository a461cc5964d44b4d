// Misuses one runtime block the way the argument says ("overrun" writes the
// byte after it, "afterfree" reads it once freed) and ends with 0 when
// nothing stopped it.
#include <windows.h>
#include <string.h>

#include "runtime/base/memory.h"

// A fault ends the process with its code, as the runtime's own report does.
static LONG WINAPI EndWithTheCode(EXCEPTION_POINTERS *exception) {
    ExitProcess(exception->ExceptionRecord->ExceptionCode);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    SetUnhandledExceptionFilter(EndWithTheCode);
    volatile char *block = (volatile char *)AllocZeroed(12);
    if (!block) return 2;
    block[11] = 1; // the last byte is the block's own
    if (strstr(commandLine, "overrun")) block[12] = 1;
    FreeBlock((void *)block);
    if (strstr(commandLine, "afterfree")) return block[0] + 3;
    return 0;
}
