// The small program of the guide: a window with a status bar docked at the
// bottom, a text box, a list box with Add and Remove, a check box that
// changes a property at run time, a default button and a modal About window.
#include "qnruntime.h"

#include <stdio.h>

enum : int32_t {
    IndexName = 0, // Tab order follows Index: 0, 1, 2, ...
    IndexAdd = 1,
    IndexList = 2,
    IndexRemove = 3,
    IndexBold = 4,
    IndexAbout = 5,
    IndexStatus = 6,
};
enum : int32_t { IndexAboutText = 0, IndexAboutOk = 1 };

LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK AboutProc(HWND, UINT, WPARAM, LPARAM);

// Every entry starts from these: visible, enabled, no picture, 8-point
// Tahoma in the system's colours, positions in pixels.
constexpr WindowObject Entry(ControlKind kind, const wchar_t *name, int32_t index, RECT at,
                             const wchar_t *text, DWORD style) {
    WindowObject e{};
    e.Kind = kind;
    e.Name = name;
    e.Index = index;
    e.Left = at.left;
    e.Top = at.top;
    e.Width = at.right;
    e.Height = at.bottom;
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

constexpr WindowObject Field(ControlKind kind, const wchar_t *name, int32_t index, RECT at,
                             DWORD style) {
    WindowObject e = Entry(kind, name, index, at, L"", WS_TABSTOP | WS_BORDER | style);
    e.BackColorSetting = SystemColour(COLOR_WINDOW);
    e.ForeColorSetting = SystemColour(COLOR_WINDOWTEXT);
    e.TabStop = 1;
    return e;
}

constexpr WindowObject Button(const wchar_t *name, int32_t index, RECT at, const wchar_t *text,
                              int32_t isDefault) {
    WindowObject e = Entry(KindPushButton, name, index, at, text,
                           WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
    e.TabStop = 1;
    e.IsDefault = isDefault;
    return e;
}

constexpr WindowObject CheckBox(const wchar_t *name, int32_t index, RECT at, const wchar_t *text) {
    WindowObject e = Entry(KindCheckBox, name, index, at, text, WS_TABSTOP | BS_AUTOCHECKBOX);
    e.TabStop = 1;
    return e;
}

constexpr WindowObject StatusBar(const wchar_t *name, int32_t index, const wchar_t *text) {
    WindowObject e = Entry(KindStatusBar, name, index, {0, 0, 0, 22}, text, 0);
    e.Align = DockBottom; // the runtime keeps it at the bottom edge, full width
    e.SimpleMode = 1;     // one part, showing the entry's text
    return e;
}

constexpr WindowObject Window(const wchar_t *name, const wchar_t *caption, int32_t width,
                              int32_t height, WNDPROC procedure, int32_t children, int32_t isMain) {
    WindowObject e = Entry(KindWindow, name, 0, {0, 0, width, height}, caption,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    e.Style &= ~(DWORD)WS_CHILD;
    e.StartUpPosition = isMain ? StartCentredOnScreen : StartCentredOnOwner;
    e.IsMainWindow = isMain; // closing it ends the program
    e.EventProcedure = procedure;
    e.ChildCount = children;
    return e;
}

constexpr WindowTemplate MainTemplate[] = {
    Window(L"frmMain", L"Small program", 320, 260, MainProc, 7, 1),
    Field(KindTextBox, L"txtName", IndexName, {10, 10, 200, 22}, ES_AUTOHSCROLL),
    Button(L"btnAdd", IndexAdd, {220, 9, 80, 24}, L"&Add", 1),
    Field(KindListBox, L"lstNames", IndexList, {10, 40, 200, 120}, WS_VSCROLL | LBS_NOTIFY),
    Button(L"btnRemove", IndexRemove, {220, 40, 80, 24}, L"&Remove", 0),
    CheckBox(L"chkBold", IndexBold, {10, 166, 200, 20}, L"&Bold list"),
    Button(L"btnAbout", IndexAbout, {220, 164, 80, 24}, L"A&bout...", 0),
    StatusBar(L"sbrStatus", IndexStatus, L"No names"),
};

constexpr WindowObject AboutOk() {
    WindowObject e = Button(L"btnOk", IndexAboutOk, {75, 50, 80, 24}, L"OK", 1);
    e.Cancel = 1; // Esc presses it too
    return e;
}

constexpr WindowTemplate AboutTemplate[] = {
    Window(L"frmAbout", L"About Small program", 240, 120, AboutProc, 2, 0),
    Entry(KindLabel, L"lblAbout", IndexAboutText, {10, 14, 210, 20},
          L"A small program on the Quenlo runtime.", 0),
    AboutOk(),
};

const StartupValues ApplicationStartup = {
    .ClassSuffix = L"SmallProgram",
    .ExeName = L"SmallProgram.exe",
    .Title = L"Small program",
    .MainKind = KindWindow,
    .WideRequest = 1,
    .CodePage = CP_ACP,
    .VersionMajor = 1,
    .MainTemplate = MainTemplate,
};

static HWND ControlOf(HWND window, int32_t index) {
    return (HWND)GetControlHandle(window, ControlId(index));
}

static void ShowCount(HWND window) {
    wchar_t text[64];
    const int count = GetItemCount(ControlOf(window, IndexList));
    swprintf(text, 64, count == 1 ? L"%d name" : L"%d names", count);
    SendMessageW(ControlOf(window, IndexStatus), SB_SETTEXTW, SB_SIMPLEID, (LPARAM)text);
    SetEnabled(ControlOf(window, IndexRemove), count > 0);
}

static void AddName(HWND window) {
    HWND edit = ControlOf(window, IndexName);
    wchar_t name[ObjectTextChars];
    if (GetTextW(edit, name) == 0) return;
    AddItemW(ControlOf(window, IndexList), name);
    SetTextW(edit, L"");
    SetFocus(edit);
    ShowCount(window);
}

static void RemoveName(HWND window) {
    HWND list = ControlOf(window, IndexList);
    const int selected = (int)SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    DeleteItem(list, selected);
    ShowCount(window);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case RTM_CREATED: ShowCount(window); return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return 0;
        switch (ControlIndex(LOWORD(wParam))) {
        case IndexAdd: AddName(window); break;
        case IndexRemove: RemoveName(window); break;
        case IndexBold: {
            // A property changed at run time: the list's font.
            HWND list = ControlOf(window, IndexList);
            SetFontBold(list, GetValue(ControlOf(window, IndexBold)));
            break;
        }
        case IndexAbout: CreateFromTemplate(AboutTemplate, window, 1, nullptr); break;
        }
        return 0;
    default: return 0;
    }
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == ControlId(IndexAboutOk)) EndModal(window, 1);
    return 0;
}
