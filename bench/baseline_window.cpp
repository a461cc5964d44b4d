// The baseline program: one plain window with the Settings window's size,
// styles and centred position, and no runtime; it ends when closed.
#include <windows.h>

static LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const int width = 456, height = 248;
    const DWORD style = 0x16C80000, exStyle = 0x00140101; // as the Settings window's entry

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = BaselineProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "QnBaselineWindow";
    if (!RegisterClassExA(&windowClass)) return 1;

    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left) / 2 - width / 2;
    const int y = work.top + (work.bottom - work.top) / 2 - height / 2;
    // Created hidden and then shown, as the runtime shows its windows.
    HWND window =
        CreateWindowExA(exStyle, windowClass.lpszClassName, " Settings", style & ~WS_VISIBLE, x, y,
                        width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
