// RunMainWindow: the main window's life, from creation to the quit message.
#include "runtime/startup/startup.h"

int WINAPI RunMainWindow(HINSTANCE, HINSTANCE, void *, int) {
    ReleaseRuntime();
    return 0;
}
