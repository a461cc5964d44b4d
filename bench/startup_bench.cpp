// Start-up, closing and footprint: Settings.exe and the two baseline programs
// (the same window written by hand, and a bare window) run as child
// processes in alternating rounds, watched from outside through their
// windows.
#include "bench/benchmarks.h"
#include "tests/support/test_support.h"

#include <windows.h>
#include <psapi.h>
#include <stdio.h>

namespace {

const DWORD Timeout = 30000;
const DWORD PollMs = 1;
const int OkButtonId = 1000;

enum Ending { PressOk, CloseWindow };

struct Program {
    const wchar_t *Name; // beside or above the driver, as the build lays them out
    const char *WindowClass;
    Ending End;
};

const Program HandWritten = {L"handwritten_window.exe", "QnHandWrittenSettings", CloseWindow};
const Program Bare = {L"baseline_window.exe", "QnBaselineWindow", CloseWindow};
const Program SettingsOk = {L"..\\Settings.exe", "QN2RUNWINDOWSettings", PressOk};
const Program SettingsClosed = {L"..\\Settings.exe", "QN2RUNWINDOWSettings", CloseWindow};

struct RunFigures {
    double VisibleMs; // process creation to its window being visible
    double EndMs;     // OK pressed (or WM_CLOSE posted) to the process's end
    double PeakKiB;   // peak working set
};

struct Samples {
    std::vector<double> Visible, End, Peak;
};

// The peak working set only grows; the last reading before the process is
// gone is its peak. Readings fail once it has ended.
void ReadPeak(HANDLE query, SIZE_T *peak) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(query, &counters, sizeof counters) &&
        counters.PeakWorkingSetSize > *peak)
        *peak = counters.PeakWorkingSetSize;
}

// A visible top-level window of the class that belongs to the process,
// looked for every millisecond. A search by class costs the window server a
// few requests, so the looking slows the programs it watches very little.
HWND WaitForWindow(HANDLE process, const char *className) {
    const DWORD processId = GetProcessId(process);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < Timeout) {
        for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
             window = FindWindowExA(nullptr, window, className, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window)) return window;
        }
        if (WaitForSingleObject(process, PollMs) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// Clicks OK and answers the message box that reports the outcome.
bool PressOkAndAnswer(HANDLE process, HWND window, HANDLE query, SIZE_T *peak, long long *pressed) {
    HWND ok = FindDescendant(window, OkButtonId);
    if (!ok) return false;
    *pressed = CounterNow();
    PostMessageA(ok, BM_CLICK, 0, 0);
    HWND box = WaitForWindow(process, "#32770");
    if (!box) return false;
    ReadPeak(query, peak);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return true;
}

bool WaitForEnd(HANDLE process, HANDLE query, SIZE_T *peak, long long *ended) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < Timeout) {
        ReadPeak(query, peak);
        if (WaitForSingleObject(process, PollMs) == WAIT_OBJECT_0) {
            *ended = CounterNow();
            DWORD code = 1;
            GetExitCodeProcess(process, &code);
            return code == 0;
        }
    }
    return false;
}

bool RunOnce(const Program &program, const std::wstring &folder, RunFigures *figures) {
    const std::wstring path = TestProgramPath(program.Name);
    const long long created = CounterNow();
    HANDLE process = StartProgram(L"\"" + path + L"\"", folder.c_str());
    if (!process) return false;
    HANDLE query =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, GetProcessId(process));
    HWND window = WaitForWindow(process, program.WindowClass);
    const long long visible = CounterNow();
    SIZE_T peak = 0;
    long long pressed = 0, ended = 0;
    bool ok = window != nullptr;
    if (ok) {
        // Pressed as a user would: once the window is up and the program is
        // waiting for input, so that the end figure holds only the ending.
        WaitForInputIdle(process, Timeout);
        ReadPeak(query, &peak);
        if (program.End == PressOk) {
            ok = PressOkAndAnswer(process, window, query, &peak, &pressed);
        } else {
            pressed = CounterNow();
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
    if (ok) ok = WaitForEnd(process, query, &peak, &ended);
    if (!ok) {
        fprintf(stderr, "%ls: the run did not end as expected\n", program.Name);
        TerminateProcess(process, 1);
        WaitForSingleObject(process, Timeout);
    }
    if (query) CloseHandle(query);
    CloseHandle(process);
    figures->VisibleMs = SecondsBetween(created, visible) * 1000;
    figures->EndMs = SecondsBetween(pressed, ended) * 1000;
    figures->PeakKiB = (double)peak / 1024;
    return ok;
}

void Keep(const RunFigures &run, Samples *samples) {
    samples->Visible.push_back(run.VisibleMs);
    samples->End.push_back(run.EndMs);
    samples->Peak.push_back(run.PeakKiB);
}

// A throwaway installation folder beside the driver, with the two
// executables that associations and shortcuts point at.
std::wstring MakeInstallationFolder() {
    const std::wstring folder = TestProgramPath(L"install");
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW((folder + L"\\Bin").c_str(), nullptr);
    const std::wstring standIn = TestProgramPath(Bare.Name);
    for (const wchar_t *name : {L"\\Bin\\Quenlo.exe", L"\\Bin\\Quenlo64.exe"})
        CopyFileW(standIn.c_str(), (folder + name).c_str(), FALSE);
    return folder;
}

// The file's size against its limit; one reading, nothing to compare with.
Figure SizeFigure(const std::wstring &path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    double size = 0;
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        size = (double)data.nFileSizeLow / 1024;
    Figure figure = {};
    figure.Name = "size of Settings.exe";
    figure.Unit = "KiB";
    figure.Subject = "Settings.exe";
    figure.Measured = {size, size, size};
    figure.Limit = 160;
    figure.LimitIsExclusive = true;
    return figure;
}

// A figure of Settings.exe against the hand-written and the bare window.
Figure Compare(const char *name, const char *unit, const char *subject,
               const std::vector<double> &measured, const Samples &handWritten,
               const std::vector<double> Samples::*field, double handWrittenLimit,
               const Samples &bare, double bareLimit) {
    return {name,
            unit,
            subject,
            SpreadOf(measured),
            {BaselineOf("hand-written window", measured, handWritten.*field, handWrittenLimit),
             BaselineOf("bare window", measured, bare.*field, bareLimit)},
            0,
            false};
}

} // namespace

std::vector<Figure> StartupFigures(int rounds) {
    const std::wstring folder = MakeInstallationFolder();
    Samples handWritten, bare, settings, closed;
    int failed = 0;
    for (int round = 0; round <= rounds; ++round) {
        RunFigures h, b, s, c;
        const bool counted = round > 0; // the first round only warms the caches
        bool ok = RunOnce(HandWritten, folder, &h);
        ok = RunOnce(SettingsOk, folder, &s) && ok;
        ok = RunOnce(Bare, folder, &b) && ok;
        ok = RunOnce(SettingsClosed, folder, &c) && ok;
        if (!ok) {
            ++failed;
            continue;
        }
        if (!counted) continue;
        Keep(h, &handWritten);
        Keep(b, &bare);
        Keep(s, &settings);
        Keep(c, &closed);
    }
    if (failed) fprintf(stderr, "%d rounds failed and were left out\n", failed);

    std::vector<Figure> figures;
    if (!handWritten.Visible.empty()) {
        figures.push_back(Compare("start-up to visible window", "ms", "Settings.exe",
                                  settings.Visible, handWritten, &Samples::Visible, 1.10, bare, 0));
        figures.push_back(Compare("peak working set", "KiB", "Settings.exe, WM_CLOSE", closed.Peak,
                                  handWritten, &Samples::Peak, 1.05, bare, 0));
        figures.push_back(Compare("peak working set", "KiB", "Settings.exe, OK", settings.Peak,
                                  handWritten, &Samples::Peak, 0, bare, 0));
        figures.push_back(Compare("OK pressed to process end", "ms", "Settings.exe, OK",
                                  settings.End, handWritten, &Samples::End, 0, bare, 1.15));
        figures.push_back(Compare("WM_CLOSE to process end", "ms", "Settings.exe, WM_CLOSE",
                                  closed.End, handWritten, &Samples::End, 0, bare, 0));
    }
    figures.push_back(SizeFigure(TestProgramPath(SettingsOk.Name)));
    return figures;
}
