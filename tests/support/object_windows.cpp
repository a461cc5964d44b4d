// Hand-bound test windows and the recording window class.
#include "tests/support/object_windows.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/window_object.h"

const wchar_t RecorderClass[] = L"QnTestRecorder";

std::vector<RecordedMessage> &RecordedMessages() {
    static std::vector<RecordedMessage> messages;
    return messages;
}

int CountRecorded(HWND window, UINT message) {
    int n = 0;
    for (const RecordedMessage &m : RecordedMessages())
        if (m.Window == window && m.Message == message) ++n;
    return n;
}

static LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER || message == WM_TIMER || message == WM_SIZE || message == WM_COMMAND)
        RecordedMessages().push_back({window, message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

static void RegisterRecorder() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.lpszClassName = RecorderClass;
    RegisterClassExW(&wc);
    registered = true;
}

// The windows go first: runtime controls inside them release their own
// pairs as they are destroyed, while their objects belong to the
// hand-made objects' Children arrays, freed afterwards.
ObjectWindows::~ObjectWindows() {
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w)
        if (IsWindow(*w)) DestroyWindow(*w);
    for (WindowObject *object : objects_) {
        RemoveObject(object->Handle, object);
        FreeBlock(object);
    }
}

HWND ObjectWindows::Create(const wchar_t *className, DWORD style, int x, int y, int width,
                           int height, HWND parent, const wchar_t *text) {
    RegisterRecorder();
    HWND window = CreateWindowExW(0, className, text, style | (parent ? WS_CHILD : 0), x, y, width,
                                  height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window) windows_.push_back(window);
    return window;
}

WindowObject *ObjectWindows::Bind(HWND window, ControlKind kind) {
    WindowObject *object = (WindowObject *)AllocZeroed(sizeof(WindowObject));
    object->Handle = window;
    object->Kind = kind;
    object->Visible = 1;
    object->PictureType = -1;
    AddObject(window, object);
    objects_.push_back(object);
    return object;
}

WindowObject *ObjectWindows::Make(const wchar_t *className, ControlKind kind, DWORD style, int x,
                                  int y, int width, int height, HWND parent) {
    HWND window = Create(className, style, x, y, width, height, parent);
    return window ? Bind(window, kind) : nullptr;
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HWND parent = GetParent(window);
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, (POINT *)&rect, 2);
    return rect;
}
