// Runs a main window from a template the way a program does and reports what
// the runtime holds after its end: QN_PROBE_OUT names the report file. With
// the argument "refuse" the window refuses its creation; with "quit" it ends
// the loop with PostQuitMessage(42) and stays open; with "thread" its
// template starts a thread that never returns, and the report tells whether
// that thread still runs after the runtime's end, and its exit code. With
// "none" there is no main template, with "mistake" two controls share an
// Index, with "dialog" the main window is a dialog without its dialog
// resource, and with "notmain" its entry lacks IsMainWindow: the report adds the line the runtime
// sent to the debugger.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

#include "runtime/startup/startup.h"
#include "runtime/library/list_boxes.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/import_hook.h"
#include "tests/support/template_builder.h"

static bool Refuse, Quit;
static char Said[512];

static void WINAPI CapturedOutputDebugString(const wchar_t *text) {
    WideCharToMultiByte(CP_UTF8, 0, text, -1, Said, sizeof Said - 1, nullptr, nullptr);
    auto real = (void(WINAPI *)(const wchar_t *))GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                                "OutputDebugStringW");
    real(text);
}
static HANDLE Worker;

static DWORD WINAPI WaitForever(void *) {
    Sleep(INFINITE);
    return 0;
}

static LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CREATE && Refuse) return -1;
    if (message != RTM_CREATED) return 0;
    if (ThreadTable && ThreadTable[0].Thread)
        DuplicateHandle(GetCurrentProcess(), ThreadTable[0].Thread, GetCurrentProcess(), &Worker,
                        SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0);
    if (Quit)
        PostQuitMessage(42);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

// How many of the runtime's pointers into the blocks it freed are still set.
static int LeftPointers(const AppRecord &app) {
    const void *pointers[] = {HiddenListBoxes, ConversionBuffer, ServicePackText,
                              TemplateList,    ScratchText,      app.CommandLine,
                              app.Path,        app.ExeName,      app.Title};
    int left = 0;
    for (const void *pointer : pointers)
        left += pointer != nullptr;
    return left;
}

// How many of the blocks the runtime reserved at its start are still there.
template <size_t N> static int KeptBlocks(void *const (&blocks)[N]) {
    int kept = 0;
    for (void *block : blocks) {
        MEMORY_BASIC_INFORMATION region = {};
        // Committed at the same base is still the runtime's: the heap checks
        // reserve address space of their own that may land on a freed block.
        kept += block && VirtualQuery(block, &region, sizeof region) &&
                region.State == MEM_COMMIT && region.AllocationBase == block;
    }
    return kept;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    Refuse = strstr(commandLine, "refuse") != nullptr;
    Quit = strstr(commandLine, "quit") != nullptr;
    static AppRecord app;
    static ErrorTrapRecord trap;
    app.Instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(L"Probe", L"shutdown_probe.exe", L" Probe", KindWindow, 0, &app, &trap, 1252);
    HWND list = CreateStringList(1);
    void *const blocks[] = {WorkBlock, AppTextBlock};

    static WindowObject entries[5] = {
        WindowEntry(KindWindow, L"Probe", 2), ControlEntry(KindGroupBox, L"grp", 0, 1),
        ControlEntry(KindCheckBox, L"chk", 1), ControlEntry(KindPushButton, L"btn", 2),
        ControlEntry(KindThread, L"thr", 3)};
    if (strstr(commandLine, "thread")) {
        entries[0].ChildCount = 3;
        entries[4].EventProcedure = reinterpret_cast<WNDPROC>(WaitForever);
    }
    entries[0].IsMainWindow = 1;
    entries[0].EventProcedure = ProbeWindowProc;
    entries[0].TemplateStart = entries;
    MainWindowTemplate = entries;
    if (strstr(commandLine, "none")) MainWindowTemplate = nullptr;
    if (strstr(commandLine, "mistake")) entries[3].Index = 1;
    if (strstr(commandLine, "notmain")) entries[0].IsMainWindow = 0;
    if (strstr(commandLine, "dialog")) {
        entries[0].Kind = KindDialog;
        entries[0].Id = 4321;
    }
    int code;
    {
        ImportHook hook("kernel32.dll", "OutputDebugStringW", (void *)CapturedOutputDebugString);
        code = RunMainWindow(instance, nullptr, app.CommandLine, SW_SHOWDEFAULT);
    }

    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    const char *classes[] = {"QN2RUNMDIWINDOWProbe",
                             "QN2RUNMDICHILDWINDOWProbe",
                             "QN2RUNWINDOWProbe",
                             "QN2RUNDIALOGBOXProbe",
                             "QNMDICLIENT",
                             "QNGROUP",
                             "QNPICTURE"};
    int registered = 0;
    for (const char *name : classes)
        if (GetClassInfoExA(instance, name, &info)) ++registered;

    char path[MAX_PATH];
    if (GetEnvironmentVariableA("QN_PROBE_OUT", path, MAX_PATH)) {
        FILE *report = fopen(path, "w");
        if (report) {
            fprintf(report,
                    "code=%d classes=%d table=%d work=%d texts=%d blocks=%ld pens=%d lists=%d "
                    "cursors=%d trap=%d left=%d kept=%d\n",
                    code, registered, ObjectTable != nullptr, WorkBlock != nullptr,
                    app.CommandLine != nullptr, LiveBlocks(), FramePenUses, IsWindow(list),
                    ArrowCursor || WaitCursor, trap.Message != nullptr, LeftPointers(app),
                    KeptBlocks(blocks));
            if (Said[0]) fprintf(report, "said=%s", Said);
            if (Worker) {
                const bool ended = WaitForSingleObject(Worker, 5000) == WAIT_OBJECT_0;
                DWORD exitCode = 0;
                GetExitCodeThread(Worker, &exitCode);
                fprintf(report, "thread=%s code=%lu\n", ended ? "ended" : "running", exitCode);
            }
            fclose(report);
        }
    }
    return code;
}
