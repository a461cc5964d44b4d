// A window with a text box and a button that opens a modal About box.
#include "qnruntime.h"

// Controls are numbered 0 to n-1 in each window: Tab follows the numbers.
enum { TextIndex = 0, AboutIndex = 1, OkIndex = 0 };

// The main window ends the program when it closes (IsMainWindow).
constexpr WindowObject Window(const wchar_t *name, const wchar_t *caption, int width, int height,
                              WNDPROC procedure, int children, int isMain) {
    return {.BackColorSetting = SystemColour(COLOR_BTNFACE),
            .StartUpPosition = StartCentredOnScreen,
            .Enabled = 1,
            .FontName = TextRef(L"Tahoma"),
            .FontSize = 8,
            .ForeColorSetting = SystemColour(COLOR_BTNTEXT),
            .Height = height,
            .PictureType = PictureNone,
            .IsMainWindow = isMain,
            .Name = name,
            .TextBuffer = TextRef(caption),
            .Kind = KindWindow,
            .Visible = 1,
            .Width = width,
            .EventProcedure = procedure,
            .ChildCount = children,
            .Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU};
}

constexpr WindowObject Control(ControlKind kind, const wchar_t *name, const wchar_t *text,
                               int index, RECT at, DWORD style) {
    return {.BackColorSetting = SystemColour(kind == KindTextBox ? COLOR_WINDOW : COLOR_BTNFACE),
            .Enabled = 1,
            .FontName = TextRef(L"Tahoma"),
            .FontSize = 8,
            .ForeColorSetting = SystemColour(COLOR_WINDOWTEXT),
            .Height = at.bottom,
            .PictureType = PictureNone,
            .Left = at.left,
            .Name = name,
            .Index = index,
            .TabStop = 1,
            .TextBuffer = TextRef(text),
            .Top = at.top,
            .Kind = kind,
            .Visible = 1,
            .Width = at.right,
            .Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style};
}

LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK AboutProc(HWND, UINT, WPARAM, LPARAM);

constexpr WindowTemplate MainTemplate[] = {
    Window(L"frmMain", L"Minimal", 300, 130, MainProc, 2, 1),
    Control(KindTextBox, L"txtName", L"Hello", TextIndex, {12, 12, 270, 22}, WS_BORDER),
    Control(KindPushButton, L"btnAbout", L"About...", AboutIndex, {192, 50, 90, 26}, 0),
};
constexpr WindowTemplate AboutTemplate[] = {
    Window(L"frmAbout", L"About Minimal", 220, 110, AboutProc, 1, 0),
    Control(KindPushButton, L"btnOk", L"OK", OkIndex, {65, 36, 90, 26}, BS_DEFPUSHBUTTON),
};

// A mistake in a template (a duplicate Index, a child count that does not
// match the entries) stops the build here.
static_assert(TemplateIsSound(MainTemplate) && TemplateIsSound(AboutTemplate));

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"Minimal",
    .ExeName = L"Minimal.exe",
    .Title = L"Minimal",
    .MainKind = KindWindow,
    .WideRequest = 1,
    .CodePage = CP_ACP,
    .VersionMajor = 1,
    .MainTemplate = MainTemplate,
};

// A click on a button reaches its window as WM_COMMAND with the button's
// identifier; answering 0 leaves everything else to the runtime.
LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == ControlId(AboutIndex))
        CreateFromTemplate(AboutTemplate, window, 1, nullptr);
    return 0;
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == ControlId(OkIndex)) EndModal(window, 1);
    return 0;
}
