// Test main: initialises the runtime the way the program entry does, then
// runs the tests of this executable. Each area's test program compiles it
// with its own definitions: the application's tests start the runtime with
// the application's own start-up values, so that the windows they make take
// the text form that Settings.exe gives them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime/startup/startup.h"
#include "runtime/base/records.h"
#include "tests/support/test_support.h"

AppRecord TestApp;
ErrorTrapRecord TestErrorTrap;

#ifndef QN_TESTS_START_AS_APPLICATION
static const StartupValues TestStartup = {
    TestClassSuffix, L"tests.exe", L" Tests", KindWindow, 0, 1252, 1, 1, 2, nullptr,
};
#endif

int main(int argc, char **argv) {
#ifdef QN_TESTS_START_AS_APPLICATION
    const StartupValues &start = ApplicationStartup;
#else
    const StartupValues &start = TestStartup;
#endif
    TestApp.Instance = GetModuleHandleA(nullptr);
    TestApp.VersionMajor = start.VersionMajor;
    TestApp.VersionMinor = start.VersionMinor;
    TestApp.VersionRevision = start.VersionRevision;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(start.ClassSuffix, start.ExeName, start.Title, start.MainKind,
                      start.WideRequest, &TestApp, &TestErrorTrap, start.CodePage);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
