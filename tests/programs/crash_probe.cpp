// A program whose main window's EventProcedure makes an access violation once
// the window runs, so that a test sees the unhandled-exception report. The
// window writes "destroyed" to the file QN_PROBE_OUT names when it is
// destroyed. The process also loads the exception-filter probe, which sees
// what the report leaves behind.
//
// With the argument "thread" the access violation happens instead on the
// thread that the template's thread entry starts, once the window shows;
// with "again" the window's WM_DESTROY, which the report sends, meets a
// second exception (a division by zero). Wine's message sending swallows
// exceptions in window procedures, where Windows hands them to the process's
// unhandled-exception filter; the probe does that step itself.
#include <string.h>

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

static bool Argument(const char *word) {
    return strstr(GetCommandLineA(), word) != nullptr;
}

static void AccessViolation() {
    *(volatile int *)nullptr = 1;
}

static void SecondException() {
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = EXCEPTION_INT_DIVIDE_BY_ZERO;
    CONTEXT context = {};
    RtlCaptureContext(&context);
    EXCEPTION_POINTERS pointers = {&record, &context};
    UnhandledExceptionFilter(&pointers);
}

static LRESULT CALLBACK CrashingWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == RTM_CREATED && !Argument(" thread")) PostMessageA(window, Crash, 0, 0);
    if (message == WM_DESTROY) {
        WriteProbeReport("QN_PROBE_OUT", "destroyed");
        if (Argument(" again")) SecondException();
    }
    if (message == Crash) AccessViolation();
    return 0;
}

// The start routine of the thread entry. The template's constant data can
// hold it only with the shape of an EventProcedure; the thread passes it one
// argument, so it never returns, which would take the other three off the
// stack.
static LRESULT CALLBACK CrashingThread(HWND, UINT, WPARAM, LPARAM) {
    if (!Argument(" thread")) ExitThread(0);
    while (!App->MainWindow || !IsWindowVisible(App->MainWindow))
        Sleep(20);
    AccessViolation();
    ExitThread(0);
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
    e.ChildCount = 1;
    e.TemplateStart = self;
    return e;
}

static constexpr WindowObject CrashThread() {
    WindowObject e{};
    e.Kind = KindThread;
    e.Name = L"thrCrash";
    e.EventProcedure = CrashingThread;
    return e;
}

constinit const WindowTemplate CrashTemplate[2] = {CrashWindow(CrashTemplate), CrashThread()};

const StartupValues ApplicationStartup = {
    L"Crash", L"crash_probe.exe", L" Crash", 3, 0, 1252, 1, 1, 2, CrashTemplate,
};
