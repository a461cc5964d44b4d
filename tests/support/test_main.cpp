// Test main: initialises the runtime the way the program entry does, then
// runs the tests of this executable.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "runtime/startup/startup.h"
#include "runtime/base/records.h"
#include "tests/support/test_support.h"

AppRecord TestApp;
ErrorTrapRecord TestErrorTrap;

int main(int argc, char **argv) {
    TestApp.Instance = GetModuleHandleA(nullptr);
    TestApp.VersionMajor = 1;
    TestApp.VersionMinor = 1;
    TestApp.VersionRevision = 2;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(TestClassSuffix, L"tests.exe", L" Tests", 3, 0, &TestApp, &TestErrorTrap,
                      1252);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
