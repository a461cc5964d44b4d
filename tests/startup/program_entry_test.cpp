// The program entry, seen from outside: Settings.exe and a probe process.
#include <gtest/gtest.h>

#include "runtime/startup/startup.h"
#include "tests/support/test_support.h"

namespace {

TEST(ProgramEntry, LeavesTheExceptionFilterAsItFoundIt) {
    std::wstring folder = MakeTempFolder(L"qnfilter");
    ASSERT_FALSE(folder.empty());
    std::wstring report = folder + L"\\filter.txt";
    SetEnvironmentVariableW(L"QN_FILTER_PROBE_OUT", report.c_str());
    // The probe names no main template: its code says it had no window.
    EXPECT_EQ((DWORD)NoMainWindowExitCode,
              RunProgram(L"\"" + TestProgramPath(L"entry_probe.exe") + L"\""));
    SetEnvironmentVariableW(L"QN_FILTER_PROBE_OUT", nullptr);

    char text[32] = {};
    HANDLE file = CreateFileW(report.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << "the probe wrote no report";
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    EXPECT_STREQ("restored", text);
    RemoveFolderTree(folder);
}

} // namespace
