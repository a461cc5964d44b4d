// A second program of the guide: a window laid out in twips that refuses
// to close until its check box is checked, a picture box drawn on, and a
// few library routines at creation.
#include "qnruntime.h"

enum : int32_t { IndexPicture = 0, IndexAllowClose = 1, IndexInfo = 2 };
// A message of the application's own, away from the runtime's WM_USER range.
constexpr UINT WM_DRAWPICTURE = WM_APP + 1;

LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK PictureProc(HWND, UINT, WPARAM, LPARAM);

constexpr WindowObject Control(ControlKind kind, const wchar_t *name, int32_t index, RECT at,
                               const wchar_t *text, DWORD style) {
    WindowObject e{};
    e.Kind = kind;
    e.Name = name;
    e.Index = index;
    e.Left = at.left;
    e.Top = at.top;
    e.Width = at.right;
    e.Height = at.bottom;
    e.ScaleMode = ScaleTwips; // each control has its own ScaleMode
    e.TextBuffer = TextRef(text);
    e.Style = WS_CHILD | WS_VISIBLE | style;
    e.Visible = 1;
    e.Enabled = 1;
    e.PictureType = PictureNone;
    e.FontName = TextRef(L"Tahoma");
    e.FontSize = 8;
    e.BackColorSetting = SystemColour(COLOR_BTNFACE);
    e.ForeColorSetting = SystemColour(COLOR_BTNTEXT);
    return e;
}

constexpr WindowObject Picture() {
    WindowObject e =
        Control(KindPictureBox, L"picDrawing", IndexPicture, {10, 10, 200, 120}, L"", WS_BORDER);
    e.BackColorSetting = RGB(255, 255, 255);
    e.ForeColorSetting = RGB(0, 0, 160); // the pen and the printed text
    e.PenStyle = PS_SOLID;
    e.PenWidth = 2;
    e.ScaleMode = ScalePixels; // its place above and its drawing in pixels
    e.EventProcedure = PictureProc;
    return e;
}

constexpr WindowObject AllowClose() {
    WindowObject e =
        Control(KindCheckBox, L"chkAllowClose", IndexAllowClose, {150, 2100, 3000, 300},
                L"&Allow closing", WS_TABSTOP | BS_AUTOCHECKBOX);
    e.TabStop = 1;
    return e;
}

constexpr WindowObject MainWindow() {
    WindowObject e{};
    e.Kind = KindWindow;
    e.Name = L"frmEvents";
    e.TextBuffer = TextRef(L"Events and drawing");
    e.ScaleMode = ScaleTwips; // 1440 twips to the inch: Width and Height below
    e.Width = 4800;
    e.Height = 3900;
    e.StartUpPosition = StartCentredOnScreen;
    e.Visible = 1;
    e.Enabled = 1;
    e.PictureType = PictureNone;
    e.IsMainWindow = 1;
    e.FontName = TextRef(L"Tahoma");
    e.FontSize = 8;
    e.BackColorSetting = SystemColour(COLOR_BTNFACE);
    e.ForeColorSetting = SystemColour(COLOR_BTNTEXT);
    e.EventProcedure = WindowProc;
    e.ChildCount = 3;
    e.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    return e;
}

constexpr WindowTemplate MainTemplate[] = {
    MainWindow(),
    Picture(),
    AllowClose(),
    Control(KindLabel, L"lblInfo", IndexInfo, {150, 2500, 4300, 300}, L"", 0),
};

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"EventsAndDrawing",
    .ExeName = L"EventsAndDrawing.exe",
    .Title = L"Events and drawing",
    .MainKind = KindWindow,
    .WideRequest = 1,
    .CodePage = CP_ACP,
    .VersionMajor = 1,
    .VersionMinor = 2,
    .MainTemplate = MainTemplate,
};

// The label tells the Windows version and the program's version, through a
// sorted string list.
static void FillInfo(HWND window) {
    HWND lines = CreateStringListW(1);
    wchar_t text[ObjectTextChars] = L"OS code ";
    wchar_t number[34];
    NumberToStringW(GetOsVersionW(nullptr), number, BaseDecimal);
    lstrcatW(text, number);
    AddItemW(lines, text);
    GetVersionStringW(number);
    lstrcpyW(text, L"Version ");
    lstrcatW(text, number);
    AddItemW(lines, text);
    wchar_t shown[ObjectTextChars] = L"";
    for (int i = 0; i < GetItemCount(lines); ++i) {
        GetItemTextW(lines, i, text, ObjectTextChars);
        if (i) lstrcatW(shown, L", ");
        lstrcatW(shown, text);
    }
    DestroyStringList(lines);
    SetTextW((HWND)GetControlHandle(window, ControlId(IndexInfo)), shown);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case RTM_CREATED:
        // -1 refuses the window: CreateFromTemplate destroys it again.
        if (ReadRegValueW(HKEY_CURRENT_USER, L"Software\\QuenloDocs", L"RefuseWindow", nullptr))
            return -1;
        FillInfo(window);
        return 0;
    case WM_CLOSE:
        // Non-zero refuses to close; 0 lets the runtime close the window.
        return GetValue((HWND)GetControlHandle(window, ControlId(IndexAllowClose))) ? 0 : 1;
    default: return 0;
    }
}

// What is drawn is not repainted: the picture paints itself first, then
// the drawing is made again. PrintText repaints a picture box at once, so
// the paint it causes must not ask for another drawing.
LRESULT CALLBACK PictureProc(HWND picture, UINT message, WPARAM, LPARAM) {
    static bool drawing;
    if (message == WM_PAINT && !drawing) PostMessageW(picture, WM_DRAWPICTURE, 0, 0);
    if (message == WM_DRAWPICTURE) {
        drawing = true;
        SetTextX(picture, 8);
        SetTextY(picture, 6);
        PrintTextW(picture, L"Printed text");
        DrawShape(picture, 8, 30, 180, 30, 0, -1);                  // a line
        DrawShape(picture, 8, 40, 90, 100, 1, RGB(180, 230, 180));  // a filled rectangle
        DrawEllipse(picture, 100, 40, 180, 100, RGB(255, 200, 80)); // a filled ellipse
        drawing = false;
        return 1;
    }
    return 0;
}
