// Dumps 16 bytes with WriteBinFile from wherever it is started, so that a
// test can run it from a folder whose name has a dot. The argument "w"
// selects the wide text form; the exit code is WriteBinFile's result.
#include "runtime/library/files.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    static AppRecord app;
    static uint8_t scratch[ScratchTextBytes];
    app.Instance = instance;
    App = &app;
    ScratchText = scratch;
    UnicodeFlag = arguments[0] == 'w';
    static const char data[16] = "0123456789abcde";
    return WriteBinFile(data, sizeof data);
}
