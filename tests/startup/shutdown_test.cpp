// The end of a program: the main window closes, the loop ends with 0, the
// runtime releases everything; an unhandled exception is reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/test_support.h"

namespace {

// Runs a probe program, which writes its report to the file QN_PROBE_OUT
// names, and returns the report.
std::string RunProbe(const wchar_t *program, const wchar_t *arguments, DWORD *exitCode) {
    std::wstring folder = MakeTempFolder(L"qnprobe");
    std::wstring report = folder + L"\\report.txt";
    SetEnvironmentVariableW(L"QN_PROBE_OUT", report.c_str());
    *exitCode = RunProgram(L"\"" + TestProgramPath(program) + L"\" " + arguments);
    SetEnvironmentVariableW(L"QN_PROBE_OUT", nullptr);
    std::ifstream in(std::string(report.begin(), report.end()));
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    RemoveFolderTree(folder);
    return text.str();
}

TEST(Shutdown, ClosingTheMainWindowReleasesTheRuntime) {
    DWORD code = 1;
    std::string report = RunProbe(L"shutdown_probe.exe", L"", &code);
    EXPECT_EQ(0u, code);
    EXPECT_EQ("code=0 classes=0 table=0 work=0 texts=0 blocks=0 pens=0\n", report);
}

TEST(Shutdown, RefusedMainWindowStillReleasesTheRuntime) {
    DWORD code = 1;
    std::string report = RunProbe(L"shutdown_probe.exe", L"refuse", &code);
    EXPECT_EQ(0u, code);
    EXPECT_EQ("code=0 classes=0 table=0 work=0 texts=0 blocks=0 pens=0\n", report);
}

TEST(Shutdown, SettingsWindowClosesWithExitCodeZero) {
    HANDLE process = StartProgram(L"\"" + SettingsExePath() + L"\"");
    ASSERT_NE(nullptr, process);
    HWND window = WaitForProcessWindow(process, "QN2RUNWINDOWSettings");
    ASSERT_NE(nullptr, window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0u, WaitForExitCode(process));
    CloseHandle(process);
}

TEST(ExceptionReport, AccessViolationIsReportedAndEndsTheProcess) {
    HANDLE process = StartProgram(L"\"" + TestProgramPath(L"crash_probe.exe") + L"\"");
    ASSERT_NE(nullptr, process);
    HWND box = WaitForProcessWindow(process, "#32770");
    ASSERT_NE(nullptr, box) << "no report was shown";
    EXPECT_EQ("Unhandled exception 0xC0000005. The application will end.", MessageBoxText(box));
    EXPECT_EQ("crash_probe.exe", WindowTextOf(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0xC0000005u, WaitForExitCode(process));
    CloseHandle(process);
}

TEST(WideApplication, TextsStayUtf16ThroughTheRuntime) {
    DWORD failures = 1;
    std::string report = RunProbe(L"wide_probe.exe", L"", &failures);
    EXPECT_EQ(0u, failures) << report;
}

} // namespace
