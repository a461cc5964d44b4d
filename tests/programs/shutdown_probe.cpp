// Runs a main window from a template the way a program does and reports what
// the runtime holds after its end: QN_PROBE_OUT names the report file. With
// the argument "refuse" the window refuses its creation.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

#include "runtime/startup/startup.h"
#include "runtime/templates/resources.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"

static bool Refuse;

static LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CREATE && Refuse) return -1;
    if (message == RTM_CREATED) PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    Refuse = strstr(commandLine, "refuse") != nullptr;
    static AppRecord app;
    static ErrorTrapRecord trap;
    app.Instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(L"Probe", L"shutdown_probe.exe", L" Probe", 3, 0, &app, &trap, 1252);

    static WindowObject entries[4] = {
        WindowEntry(KindWindow, L"Probe", 2), ControlEntry(KindGroupBox, L"grp", 0, 1),
        ControlEntry(KindCheckBox, L"chk", 1), ControlEntry(KindPushButton, L"btn", 2)};
    entries[0].IsMainWindow = 1;
    entries[0].EventProcedure = ProbeWindowProc;
    entries[0].TemplateStart = entries;
    MainWindowTemplate = entries;
    const int code = RunMainWindow(instance, nullptr, app.CommandLine, SW_SHOWDEFAULT);

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
            fprintf(report, "code=%d classes=%d table=%d work=%d texts=%d blocks=%ld pens=%d\n",
                    code, registered, ObjectTable != nullptr, WorkBlock != nullptr,
                    app.CommandLine != nullptr, LiveBlocks(), FramePenUses);
            fclose(report);
        }
    }
    return code;
}
