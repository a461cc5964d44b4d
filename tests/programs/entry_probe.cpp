// The program entry with the Settings application's start-up values, in a
// process that also loads the exception-filter probe, so that a test can
// see the filter the entry leaves behind.
#include "runtime/startup/startup.h"

extern "C" __declspec(dllimport) int WINAPI ProbeLoaded();

const StartupValues ApplicationStartup = {
    L"Settings", L"Settings.exe", L" Settings", 3, 0, 1252, 1, 1, 2, nullptr,
};

// Never called: it only keeps the probe DLL among the program's imports.
int KeepProbeImported() {
    return ProbeLoaded();
}
