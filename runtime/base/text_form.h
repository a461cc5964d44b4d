// The active text form: thin A/W overloads of system calls, so that a text
// routine is written once as a template over the character type, and the
// conversion of the runtime's UTF-16 literals into the active form.
#pragma once

#include <windows.h>
#include <stdint.h>

// Size of one character of the active form.
int ActiveCharSize();

// Copies a UTF-16 literal into buffer in the active form (through CodePage
// when UnicodeFlag is 0). The copy is cut to fit bufferBytes and always
// terminated; the result is its length in characters.
int ConvertLiteral(const wchar_t *text, void *buffer, int bufferBytes);

// ConvertLiteral into the 2048-byte ConversionBuffer; returns the buffer.
void *LiteralToConversionBuffer(const wchar_t *text);

// Bounded copy of a zero-terminated text: at most capacity - 1 characters,
// always terminated (capacity > 0). Returns the number of characters copied.
template <class Ch> int CopyTextBounded(Ch *target, const Ch *source, int capacity) {
    int n = 0;
    if (capacity <= 0) return 0;
    if (source)
        for (; n < capacity - 1 && source[n]; ++n)
            target[n] = source[n];
    target[n] = 0;
    return n;
}

inline int ApiStringLength(const char *s) {
    return lstrlenA(s);
}
inline int ApiStringLength(const wchar_t *s) {
    return lstrlenW(s);
}

inline LPSTR ApiGetCommandLine(char *) {
    return GetCommandLineA();
}
inline LPWSTR ApiGetCommandLine(wchar_t *) {
    return GetCommandLineW();
}

inline DWORD ApiGetModuleFileName(HMODULE m, char *b, DWORD n) {
    return GetModuleFileNameA(m, b, n);
}
inline DWORD ApiGetModuleFileName(HMODULE m, wchar_t *b, DWORD n) {
    return GetModuleFileNameW(m, b, n);
}

inline int ApiGetClassName(HWND w, char *b, int n) {
    return GetClassNameA(w, b, n);
}
inline int ApiGetClassName(HWND w, wchar_t *b, int n) {
    return GetClassNameW(w, b, n);
}

inline int ApiGetWindowText(HWND w, char *b, int n) {
    return GetWindowTextA(w, b, n);
}
inline int ApiGetWindowText(HWND w, wchar_t *b, int n) {
    return GetWindowTextW(w, b, n);
}

inline BOOL ApiSetWindowText(HWND w, const char *t) {
    return SetWindowTextA(w, t);
}
inline BOOL ApiSetWindowText(HWND w, const wchar_t *t) {
    return SetWindowTextW(w, t);
}

// Message and window calls of the active form, chosen by UnicodeFlag.
LRESULT SendMessageAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcAW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam);
LRESULT DefWindowProcAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR GetWindowLongAW(HWND window, int index);
LONG_PTR SetWindowLongAW(HWND window, int index, LONG_PTR value);
int MessageBoxAW(HWND owner, const void *text, const void *caption, UINT type);

// The message primitives of the active form.
BOOL GetMessageAW(MSG *msg);
BOOL PeekMessageAW(MSG *msg, UINT remove);
int TranslateAcceleratorAW(HWND window, HACCEL table, MSG *msg);
LRESULT DispatchMessageAW(const MSG *msg);
HACCEL LoadAcceleratorsAW(HINSTANCE instance, int resource);
