// A program whose main window's EventProcedure makes an access violation once
// the window runs, so that a test sees the unhandled-exception report. The
// window writes "destroyed" to the file QN_PROBE_OUT names when it is
// destroyed. The process also loads the exception-filter probe, which sees
// what the report leaves behind.
#include "runtime/startup/startup.h"
#include "runtime/base/messages.h"
#include "runtime/base/window_object.h"
#include "tests/programs/probe_report.h"

extern "C" __declspec(dllimport) int WINAPI ProbeLoaded();

// Never called: it only keeps the probe DLL among the program's imports.
int KeepProbeImported() {
    return ProbeLoaded();
}

static const UINT Crash = WM_APP + 1;

static LRESULT CALLBACK CrashingWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == RTM_CREATED) PostMessageA(window, Crash, 0, 0);
    if (message == WM_DESTROY) WriteProbeReport("QN_PROBE_OUT", "destroyed");
    if (message == Crash) *(volatile int *)nullptr = 1;
    return 0;
}

static constexpr WindowObject CrashWindow(const WindowObject *self) {
    WindowObject e{};
    e.Kind = KindWindow;
    e.Name = L"Crash";
    e.IsMainWindow = 1;
    e.Enabled = 1;
    e.Visible = 1;
    e.PictureType = -1;
    e.Width = 200;
    e.Height = 100;
    e.Style = WS_OVERLAPPEDWINDOW;
    e.FontName = TextRef(L"Arial");
    e.FontSize = 9;
    e.TextBuffer = TextRef(L"Crash");
    e.EventProcedure = CrashingWindowProc;
    e.TemplateStart = self;
    return e;
}

constinit const WindowTemplate CrashTemplate[1] = {CrashWindow(CrashTemplate)};

const StartupValues ApplicationStartup = {
    L"Crash", L"crash_probe.exe", L" Crash", 3, 0, 1252, 1, 1, 2, CrashTemplate,
};
