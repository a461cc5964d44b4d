// The end of a program: the main window closes, the loop ends with 0, the
// runtime releases everything; an unhandled exception is reported.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "runtime/startup/startup.h"
#include "tests/support/test_support.h"

namespace {

// A folder for the reports of a probe program: report.txt is named to it by
// QN_PROBE_OUT for as long as this lives.
class ProbeReport {
  public:
    ProbeReport() : Folder(MakeTempFolder(L"qnprobe")) {
        SetEnvironmentVariableW(L"QN_PROBE_OUT", PathOf(L"report.txt").c_str());
    }
    ~ProbeReport() {
        SetEnvironmentVariableW(L"QN_PROBE_OUT", nullptr);
        RemoveFolderTree(Folder);
    }
    std::wstring PathOf(const wchar_t *name) const { return Folder + L"\\" + name; }
    std::string Text(const wchar_t *name = L"report.txt") const {
        const std::wstring path = PathOf(name);
        std::ifstream in(std::string(path.begin(), path.end()));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    std::wstring Folder;
};

// Runs a probe program to its end and returns its report.
std::string RunProbe(const wchar_t *program, const wchar_t *arguments, DWORD *exitCode) {
    ProbeReport report;
    *exitCode = RunProgram(L"\"" + TestProgramPath(program) + L"\" " + arguments);
    return report.Text();
}

TEST(Shutdown, ClosingTheMainWindowReleasesTheRuntime) {
    DWORD code = 1;
    std::string report = RunProbe(L"shutdown_probe.exe", L"", &code);
    EXPECT_EQ(0u, code);
    EXPECT_EQ("code=0 classes=0 table=0 work=0 texts=0 blocks=0 pens=0 lists=0 cursors=0 trap=0 "
              "left=0 kept=0\n",
              report);
}

TEST(Shutdown, RefusedMainWindowStillReleasesTheRuntime) {
    DWORD code = 1;
    std::string report = RunProbe(L"shutdown_probe.exe", L"refuse", &code);
    EXPECT_EQ(0u, code);
    EXPECT_EQ("code=0 classes=0 table=0 work=0 texts=0 blocks=0 pens=0 lists=0 cursors=0 trap=0 "
              "left=0 kept=0\n",
              report);
}

// A main window that cannot be made ends the program with a code of its own,
// after one line to the debugger, the runtime released all the same.
TEST(Shutdown, MainWindowThatCannotBeMadeEndsWithItsCode) {
    const struct {
        const wchar_t *Argument;
        const char *Said;
    } rows[] = {
        {L"none", "RunMainWindow: the application names no main window template\n"},
        {L"mistake", "CreateFromTemplate: entry 3 (btn): Index 1 is used by entry 2\n"},
        {L"dialog",
         "CreateFromTemplate: entry 0 (Probe): the program has no dialog resource 4321\n"},
        {L"notmain", "RunMainWindow: entry 0 (Probe): the main window's entry does not set "
                     "IsMainWindow, so closing it would not end the program\n"},
    };
    for (const auto &row : rows) {
        DWORD code = 0;
        std::string report = RunProbe(L"shutdown_probe.exe", row.Argument, &code);
        EXPECT_EQ((DWORD)NoMainWindowExitCode, code) << Utf8(row.Argument);
        EXPECT_EQ("code=3 classes=0 table=0 work=0 texts=0 blocks=0 pens=0 lists=0 cursors=0 "
                  "trap=0 left=0 kept=0\nsaid=" +
                      std::string(row.Said),
                  report)
            << Utf8(row.Argument);
    }
}

// The quit comes while the main window is still open: the window goes all
// the same, and the runtime with it.
TEST(Shutdown, TheLoopEndsWithTheQuitCode) {
    DWORD code = 0;
    std::string report = RunProbe(L"shutdown_probe.exe", L"quit", &code);
    EXPECT_EQ(42u, code);
    EXPECT_EQ("code=42 classes=0 table=0 work=0 texts=0 blocks=0 pens=0 lists=0 cursors=0 trap=0 "
              "left=0 kept=0\n",
              report);
}

TEST(Shutdown, ThreadsOfTheTemplateAreStoppedWithTheRuntime) {
    DWORD code = 1;
    std::string report = RunProbe(L"shutdown_probe.exe", L"thread", &code);
    EXPECT_EQ(0u, code);
    EXPECT_NE(std::string::npos, report.find("\nthread=ended code=0\n")) << report;
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

// The DLL that crash_probe imports sees, at the very end, the filter and the
// runtime's classes as the report left them, and writes them to filter.txt
// of the report's folder for as long as this lives.
class FilterProbe {
  public:
    explicit FilterProbe(const ProbeReport &report) {
        SetEnvironmentVariableW(L"QN_FILTER_PROBE_OUT", report.PathOf(L"filter.txt").c_str());
        SetEnvironmentVariableW(L"QN_FILTER_PROBE_CLASS", L"QN2RUNWINDOWCrash");
    }
    ~FilterProbe() {
        SetEnvironmentVariableW(L"QN_FILTER_PROBE_OUT", nullptr);
        SetEnvironmentVariableW(L"QN_FILTER_PROBE_CLASS", nullptr);
    }
};

TEST(ExceptionReport, AccessViolationIsReportedAndEndsTheProcess) {
    ProbeReport report;
    FilterProbe filter(report);
    HANDLE process = StartProgram(L"\"" + TestProgramPath(L"crash_probe.exe") + L"\"");
    ASSERT_NE(nullptr, process);
    HWND box = WaitForProcessWindow(process, "#32770");
    ASSERT_NE(nullptr, box) << "no report was shown";
    EXPECT_EQ("Unhandled exception 0xC0000005. The application will end.", MessageBoxText(box));
    EXPECT_EQ("crash_probe.exe", WindowTextOf(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(0xC0000005u, WaitForExitCode(process));
    CloseHandle(process);
    EXPECT_EQ("destroyed", report.Text()) << "the main window is destroyed before the end";
    EXPECT_EQ("restored unregistered", report.Text(L"filter.txt"))
        << "the report puts the previous filter back and releases the runtime";
}

// Starts crash_probe with the arguments, answers its report and returns
// its exit code; STILL_ACTIVE when no report showed or the process did not
// end within 20 seconds after it.
DWORD AnswerCrashReport(const wchar_t *arguments, std::string *text) {
    HANDLE process = StartProgram(L"\"" + TestProgramPath(L"crash_probe.exe") + L"\" " + arguments);
    if (!process) return 0;
    HWND box = WaitForProcessWindow(process, "#32770");
    DWORD code = STILL_ACTIVE;
    if (box) {
        *text = MessageBoxText(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        code = WaitForExitCode(process, 20000);
    } else {
        TerminateProcess(process, 1);
    }
    CloseHandle(process);
    return code;
}

// The report runs on the thread that crashed, which cannot destroy the main
// window; the window's own thread tears the application down.
TEST(ExceptionReport, CrashOnATemplateThreadEndsTheProcess) {
    ProbeReport report;
    FilterProbe filter(report);
    std::string text;
    EXPECT_EQ(0xC0000005u, AnswerCrashReport(L"thread", &text));
    EXPECT_EQ("Unhandled exception 0xC0000005. The application will end.", text);
    EXPECT_EQ("destroyed", report.Text()) << "the main window is destroyed before the end";
    EXPECT_EQ("restored unregistered", report.Text(L"filter.txt"));
}

// The report destroys the main window, whose EventProcedure then meets a
// second exception: no second report inside the first, and the process ends
// with the first code.
TEST(ExceptionReport, SecondExceptionDuringTheTeardownEndsWithTheFirstCode) {
    ProbeReport report;
    std::string text;
    EXPECT_EQ(0xC0000005u, AnswerCrashReport(L"again", &text));
    EXPECT_EQ("Unhandled exception 0xC0000005. The application will end.", text);
    EXPECT_EQ("destroyed", report.Text());
}

TEST(WideApplication, TextsStayUtf16ThroughTheRuntime) {
    DWORD failures = 1;
    std::string report = RunProbe(L"wide_probe.exe", L"", &failures);
    EXPECT_EQ(0u, failures) << report;
}

} // namespace
