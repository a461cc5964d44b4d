// The start-up and memory baseline: the Settings window written by hand in
// plain Win32, without the runtime. Same manifest and icon, the same system
// libraries at start (common controls through InitCommonControlsEx, the
// shell for IsUserAnAdmin), the same eleven controls with their captions,
// fonts, colours and check states, centred at 456x248; the same questions
// asked before the window shows. It ends when closed.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

namespace {

const int WindowWidth = 456, WindowHeight = 248;
const COLORREF DarkBlue = 0x00A00000;

enum ControlId {
    IdOk = 1000,
    IdFileGroup,
    IdProjectFiles,
    IdWindowFiles,
    IdModuleFiles,
    IdResourceFiles,
    IdShortcut32,
    IdShortcut64,
    IdAssociateGroup,
    Id32Bit,
    Id64Bit,
};

enum FontChoice { Arial9, Tahoma8 };

struct Control {
    int Id;
    const wchar_t *Caption;
    DWORD Style;
    int X, Y, Width, Height;
    FontChoice Font;
    bool Checked;
};

const DWORD Child = WS_CHILD | WS_VISIBLE;
const DWORD CheckBox = Child | WS_CLIPSIBLINGS | BS_NOTIFY | BS_AUTOCHECKBOX;
const DWORD Option = Child | WS_CLIPSIBLINGS | BS_NOTIFY | BS_AUTORADIOBUTTON;
const DWORD GroupBox = Child | BS_GROUPBOX;

// All children of the window, at the places the Settings template gives them
// inside its groups; each group comes after what it frames, below it.
const Control Controls[] = {
    {IdShortcut64, L"&Add a shortcut of the 64-bit executable to the desktop", CheckBox, 20, 154,
     410, 16, Arial9, true},
    {IdShortcut32, L"&Add a shortcut of the 32-bit executable to the desktop", CheckBox, 20, 136,
     410, 16, Arial9, true},
    {IdProjectFiles, L"Quenlo project files (*.qnp)", CheckBox, 20, 38, 298, 16, Arial9, true},
    {IdWindowFiles, L"Quenlo window files (*.qnw)", CheckBox, 20, 58, 298, 16, Arial9, true},
    {IdModuleFiles, L"Quenlo module files (*.asm)", CheckBox, 20, 78, 298, 16, Arial9, true},
    {IdResourceFiles, L"Quenlo resource files (*.qnr)", CheckBox, 20, 98, 298, 16, Arial9, true},
    {Id64Bit, L"&64-bit", Option, 338, 81, 62, 15, Tahoma8, false},
    {Id32Bit, L"&32-bit", Option, 338, 65, 62, 15, Tahoma8, true},
    {IdAssociateGroup, L"A&ssociate to:", GroupBox, 330, 48, 86, 56, Tahoma8, false},
    {IdFileGroup, L"Uncheck the files you do not wish to be associated to Quenlo", GroupBox, 8, 9,
     432, 117, Arial9, false},
    {IdOk, L"&OK", Child | WS_CLIPSIBLINGS | WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON | BS_CENTER,
     179, 182, 92, 28, Arial9, false},
};

HFONT Fonts[2];
HWND Windows[Id64Bit - IdOk + 1];

HWND Find(int id) {
    return Windows[id - IdOk];
}

HFONT MakeFont(HWND window, const wchar_t *face, int points) {
    HDC dc = GetDC(window);
    const int height = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(window, dc);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                       face);
}

bool Is64BitSystem() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

LRESULT OnCreate(HWND window) {
    // Refused, as Settings refuses, before anything is shown.
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExW(&version);
    const bool needsAdministrator =
        version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 3);
    if (needsAdministrator && !IsUserAnAdmin()) return -1;
    if (FindWindowExW(nullptr, nullptr, L"QNRUNMDIWINDOWQuenlo", nullptr)) return -1;

    Fonts[Arial9] = MakeFont(window, L"Arial", 9);
    Fonts[Tahoma8] = MakeFont(window, L"Tahoma", 8);
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrW(window, GWLP_HINSTANCE);
    for (const Control &control : Controls) {
        HWND created = CreateWindowExW(0, L"BUTTON", control.Caption, control.Style, control.X,
                                       control.Y, control.Width, control.Height, window,
                                       (HMENU)(INT_PTR)control.Id, instance, nullptr);
        Windows[control.Id - IdOk] = created;
        SendMessageW(created, WM_SETFONT, (WPARAM)Fonts[control.Font], FALSE);
        if (control.Checked) SendMessageW(created, BM_SETCHECK, BST_CHECKED, 0);
    }
    if (Is64BitSystem()) {
        SendMessageW(Find(Id64Bit), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(Find(Id32Bit), BM_SETCHECK, BST_UNCHECKED, 0);
    } else {
        ShowWindow(Find(IdAssociateGroup), SW_HIDE);
        ShowWindow(Find(Id32Bit), SW_HIDE);
        ShowWindow(Find(Id64Bit), SW_HIDE);
    }

    HKEY machine;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_READ | KEY_WRITE, &machine) == ERROR_SUCCESS)
        RegCloseKey(machine);
    SetFocus(Find(IdOk));
    return 0;
}

// The file types and the option group's frame in dark blue, as in Settings.
LRESULT OnColour(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const bool blue = (id >= IdFileGroup && id <= IdShortcut64);
    SetTextColor(dc, blue ? DarkBlue : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return (LRESULT)GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return OnColour((HDC)wParam, (HWND)lParam);
    case WM_DESTROY:
        for (HFONT &font : Fonts) {
            if (font) DeleteObject(font);
            font = nullptr;
        }
        PostQuitMessage(0);
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                          ICC_USEREX_CLASSES | ICC_COOL_CLASSES |
                                                          ICC_INTERNET_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(100));
    windowClass.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"QnHandWrittenSettings";
    if (!RegisterClassExW(&windowClass)) return 1;

    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left) / 2 - WindowWidth / 2;
    const int y = work.top + (work.bottom - work.top) / 2 - WindowHeight / 2;
    const DWORD style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle =
        WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_APPWINDOW | WS_EX_NOINHERITLAYOUT;
    HWND window =
        CreateWindowExW(exStyle, windowClass.lpszClassName, L" Quenlo 2 Settings", style, x, y,
                        WindowWidth, WindowHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return (int)message.wParam;
}
