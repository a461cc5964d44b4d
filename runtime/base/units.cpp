// Conversion between an object's units and device pixels, and the dots per
// inch of each window.
#include "runtime/base/units.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"

enum { TwipsPerInch = 1440 };

static int UnitsPerInch(int scaleMode) {
    return scaleMode == ScaleTwips ? TwipsPerInch : LayoutDpi;
}

// A dpi that is not there (a screen that reported nothing) counts as 96.
static int KnownDpi(int dpi) {
    return dpi > 0 ? dpi : LayoutDpi;
}

// value × dpi / perInch, truncated toward zero, without overflow.
static int Scaled(int value, int dpi, int perInch) {
    const long long product = (long long)value * KnownDpi(dpi);
    return (int)(product / perInch);
}

// pixels × perInch / dpi, rounded away from zero: at 96 dots per inch or
// more, layout pixels that Scaled made into device pixels come back as they
// were; twips lose what the device pixel could not hold.
static int Unscaled(int pixels, int dpi, int perInch) {
    const long long product = (long long)pixels * perInch;
    const int divisor = KnownDpi(dpi);
    if (product >= 0) return (int)((product + divisor - 1) / divisor);
    return -(int)((-product + divisor - 1) / divisor);
}

int ToPixelsX(int value, int scaleMode, int dpi) {
    return Scaled(value, dpi, UnitsPerInch(scaleMode));
}

int ToPixelsY(int value, int scaleMode, int dpi) {
    return Scaled(value, dpi, UnitsPerInch(scaleMode));
}

int FromPixelsX(int pixels, int scaleMode, int dpi) {
    return Unscaled(pixels, dpi, UnitsPerInch(scaleMode));
}

int FromPixelsY(int pixels, int scaleMode, int dpi) {
    return Unscaled(pixels, dpi, UnitsPerInch(scaleMode));
}

int ScaleToDpi(int layoutPixels, int dpi) {
    return Scaled(layoutPixels, dpi, LayoutDpi);
}

int ScaleFromDpi(int devicePixels, int dpi) {
    return Unscaled(devicePixels, dpi, LayoutDpi);
}

// The per-monitor routines exist only on newer systems and are looked up
// once: GetDpiForWindow from Windows 10 (1607), GetDpiForMonitor from
// Windows 8.1, MonitorFromWindow, which the oldest systems lack, with it.
typedef UINT(WINAPI *DpiForWindowRoutine)(HWND);
typedef HRESULT(WINAPI *DpiForMonitorRoutine)(HMONITOR, int, UINT *, UINT *);
typedef HMONITOR(WINAPI *MonitorOfWindowRoutine)(HWND, DWORD);

static DpiForWindowRoutine DpiForWindow;
static DpiForMonitorRoutine DpiForMonitor;
static MonitorOfWindowRoutine MonitorOfWindow;
static bool DpiRoutinesLooked;

static void LookUpDpiRoutines() {
    DpiRoutinesLooked = true;
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (user) DpiForWindow = (DpiForWindowRoutine)(void *)GetProcAddress(user, "GetDpiForWindow");
    if (DpiForWindow || !user) return;
    MonitorOfWindow = (MonitorOfWindowRoutine)(void *)GetProcAddress(user, "MonitorFromWindow");
    // Loaded for the process's life, like the system's own libraries.
    HMODULE shell = MonitorOfWindow ? LoadLibraryW(L"shcore.dll") : nullptr;
    if (shell)
        DpiForMonitor = (DpiForMonitorRoutine)(void *)GetProcAddress(shell, "GetDpiForMonitor");
}

int SystemWindowDpi(HWND window) {
    if (!DpiRoutinesLooked) LookUpDpiRoutines();
    if (window && DpiForWindow) {
        const UINT dpi = DpiForWindow(window);
        if (dpi) return (int)dpi;
    } else if (window && DpiForMonitor) {
        UINT x = 0, y = 0;
        const int effectiveDpi = 0;
        HMONITOR monitor = MonitorOfWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(DpiForMonitor(monitor, effectiveDpi, &x, &y)) && y) return (int)y;
    }
    return KnownDpi(ScreenDpi);
}

int ObjectDpi(const WindowObject *object) {
    if (!object) return KnownDpi(ScreenDpi);
    if (IsWindowKind(object->Kind) && object->Dpi > 0) return object->Dpi;
    // A control is laid out for the window that owns it.
    const WindowObject *window = ObjectFromHandle(object->ParentHandle);
    if (window && window != object && IsWindowKind(window->Kind) && window->Dpi > 0)
        return window->Dpi;
    return SystemWindowDpi(object->Handle ? object->Handle : object->ParentHandle);
}

int WindowDpi(HWND window) {
    const WindowObject *object = ObjectFromHandle(window);
    if (object) return ObjectDpi(object);
    // A window inside one of the runtime's takes the dpi of the top-level
    // window it lies in.
    HWND root = window;
    while (root && (GetWindowLongW(root, GWL_STYLE) & WS_CHILD) && GetParent(root))
        root = GetParent(root);
    object = root ? ObjectFromHandle(root) : nullptr;
    if (object) return ObjectDpi(object);
    return SystemWindowDpi(window);
}
