// Conversion of the runtime's UTF-16 literals and the A/W choice of the
// message and window calls.
#include "runtime/base/text_form.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

int ActiveCharSize() {
    return UnicodeFlag ? 2 : 1;
}

int ConvertLiteral(const wchar_t *text, void *buffer, int bufferBytes) {
    if (!buffer || bufferBytes < 2) return 0;
    if (UnicodeFlag) return CopyTextBounded((wchar_t *)buffer, text, bufferBytes / 2);
    char *target = (char *)buffer;
    target[0] = 0;
    if (!text || !text[0]) return 0;
    int n = WideCharToMultiByte(CodePage, 0, text, -1, target, bufferBytes, nullptr, nullptr);
    if (n > 0) return n - 1;
    // Too long for the buffer: convert the longest prefix that fits.
    int low = 0, high = lstrlenW(text);
    while (low < high) {
        const int chars = (low + high + 1) / 2;
        const int bytes =
            WideCharToMultiByte(CodePage, 0, text, chars, nullptr, 0, nullptr, nullptr);
        if (bytes > 0 && bytes < bufferBytes)
            low = chars;
        else
            high = chars - 1;
    }
    n = low ? WideCharToMultiByte(CodePage, 0, text, low, target, bufferBytes - 1, nullptr, nullptr)
            : 0;
    if (n < 0) n = 0;
    target[n] = 0;
    return n;
}

void *LiteralToConversionBuffer(const wchar_t *text) {
    ConvertLiteral(text, ConversionBuffer, ConversionBufferBytes);
    return ConversionBuffer;
}

LRESULT SendMessageAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return UnicodeFlag ? SendMessageW(window, message, wParam, lParam)
                       : SendMessageA(window, message, wParam, lParam);
}

BOOL PostMessageAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return UnicodeFlag ? PostMessageW(window, message, wParam, lParam)
                       : PostMessageA(window, message, wParam, lParam);
}

LRESULT CallWindowProcAW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    return UnicodeFlag ? CallWindowProcW(procedure, window, message, wParam, lParam)
                       : CallWindowProcA(procedure, window, message, wParam, lParam);
}

LRESULT DefWindowProcAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return UnicodeFlag ? DefWindowProcW(window, message, wParam, lParam)
                       : DefWindowProcA(window, message, wParam, lParam);
}

LONG_PTR GetWindowLongAW(HWND window, int index) {
    return UnicodeFlag ? GetWindowLongW(window, index) : GetWindowLongA(window, index);
}

LONG_PTR SetWindowLongAW(HWND window, int index, LONG_PTR value) {
    return UnicodeFlag ? SetWindowLongW(window, index, value)
                       : SetWindowLongA(window, index, value);
}

int MessageBoxAW(HWND owner, const void *text, const void *caption, UINT type) {
    return UnicodeFlag ? MessageBoxW(owner, (const wchar_t *)text, (const wchar_t *)caption, type)
                       : MessageBoxA(owner, (const char *)text, (const char *)caption, type);
}

BOOL GetMessageAW(MSG *msg) {
    return UnicodeFlag ? GetMessageW(msg, nullptr, 0, 0) : GetMessageA(msg, nullptr, 0, 0);
}

BOOL PeekMessageAW(MSG *msg, UINT remove) {
    return UnicodeFlag ? PeekMessageW(msg, nullptr, 0, 0, remove)
                       : PeekMessageA(msg, nullptr, 0, 0, remove);
}

int TranslateAcceleratorAW(HWND window, HACCEL table, MSG *msg) {
    if (!table) return 0;
    return UnicodeFlag ? TranslateAcceleratorW(window, table, msg)
                       : TranslateAcceleratorA(window, table, msg);
}

LRESULT DispatchMessageAW(const MSG *msg) {
    return UnicodeFlag ? DispatchMessageW(msg) : DispatchMessageA(msg);
}

HACCEL LoadAcceleratorsAW(HINSTANCE instance, int resource) {
    return UnicodeFlag ? LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resource))
                       : LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resource));
}
