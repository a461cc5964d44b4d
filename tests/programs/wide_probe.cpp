// An application of the runtime that asks for UTF-16 texts: it builds a
// window whose texts the ANSI code page cannot spell and checks what the
// runtime made of them. Its exit code is the number of checks that failed;
// each failure is written to the file QN_PROBE_OUT names.
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <wchar.h>

#include "runtime/startup/startup.h"
#include "runtime/library/strings.h"
#include "runtime/library/sysinfo.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/template_list.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"

static int Failures;
static FILE *Report;

static void Check(bool ok, const char *what) {
    if (ok) return;
    ++Failures;
    if (Report) fprintf(Report, "%s\n", what);
}

static const wchar_t Greek[] = L"\u03a9\u03bc\u03ad\u03b3\u03b1 \u6f22";

// A control whose caption and tooltip the ANSI code page cannot spell.
static WindowObject GreekControl(ControlKind kind, const wchar_t *name, int index) {
    WindowObject e = ControlEntry(kind, name, index, 0, 0, Greek);
    e.ToolTipText = TextRef(Greek);
    return e;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    if (GetEnvironmentVariableA("QN_PROBE_OUT", path, MAX_PATH)) Report = fopen(path, "w");
    static AppRecord app;
    static ErrorTrapRecord trap;
    app.Instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x8FFF};
    InitCommonControlsEx(&controls);
    RuntimeInitialize(L"Wide", L"wide_probe.exe", L" Wide \u03a9", KindWindow, 1, &app, &trap,
                      1252);

    Check(UnicodeFlag == 1, "a wide request on an NT system gives UTF-16 texts");
    Check(wcscmp((const wchar_t *)app.Title, L" Wide \u03a9") == 0, "the title is kept in UTF-16");
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    Check(GetClassInfoExW(instance, L"QN2RUNWINDOWWide", &info) != 0, "classes are registered");

    static WindowObject entries[4] = {
        WindowEntry(KindWindow, L"Wide", 3), GreekControl(KindLabel, L"lbl", 0),
        GreekControl(KindCheckBox, L"chk", 1), GreekControl(KindTextBox, L"txt", 2)};
    entries[0].TextBuffer = TextRef(Greek);
    entries[0].ToolTipStyle = ToolTipsStandard;
    entries[0].IsMainWindow = 1; // its end posts the quit message
    entries[0].TemplateStart = entries;
    const WindowTemplate **slot = RegisterTemplate();
    if (slot) *slot = entries;
    Check(FindTemplateW(L"WIDE") == entries, "templates are found by their wide names");

    HWND window = (HWND)CreateFromTemplate(entries, nullptr, 0, nullptr);
    Check(IsWindow(window) != 0, "the window is created");
    Check(IsWindowUnicode(window) != 0, "the window takes UTF-16 messages");
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    Check(wcscmp(text, Greek) == 0, "the caption keeps letters outside the ANSI code page");
    for (int index = 0; index <= 2; ++index) {
        HWND control = (HWND)GetControlHandle(window, ControlId(index));
        WindowObject *object = ObjectFromHandle(control);
        Check(object != nullptr, "every control has its object");
        if (!object) continue;
        GetWindowTextW(control, text, 64);
        Check(wcscmp(text, Greek) == 0, "a control's text is the template's, in UTF-16");
        Check(wcscmp((const wchar_t *)object->TextBuffer, Greek) == 0, "its copy is UTF-16 too");
        Check(wcscmp((const wchar_t *)object->ToolTipCopy, Greek) == 0, "so is its tooltip text");
    }
    HWND check = (HWND)GetControlHandle(window, ControlId(1));
    SetWindowTextW(check, L"\u0416");
    Check(wcscmp((const wchar_t *)ObjectFromHandle(check)->TextBuffer, L"\u0416") == 0,
          "a new caption is cached in UTF-16");
    Check(ObjectFromHandle(check)->TextLength == 1, "its length is counted in characters");
    Check(FindChar(Greek, L'\u03b3') == 3, "the string entries work on UTF-16 texts");

    SendMessageW(window, WM_CLOSE, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    Check(!IsWindow(window), "the window closes");
    ReleaseRuntime();
    Check(!GetClassInfoExW(instance, L"QN2RUNWINDOWWide", &info), "the classes are gone");
    if (Report) fclose(Report);
    return Failures;
}
