// The active text form: thin A/W overloads of system calls, so that a text
// routine is written once as a template over the character type, and the
// conversion of the runtime's UTF-16 literals into the active form.
//
// …T    a template over the character type (char or wchar_t).
// …A/…W the two instantiations of a runtime routine, one per character type.
// …AW   a system call or runtime routine in the active form, chosen by UnicodeFlag.
// Api…  a thin overload of one system call per character type.
#pragma once

#include <windows.h>
#include <stdint.h>

// Copies a UTF-16 literal into buffer in the active form (through CodePage
// when UnicodeFlag is 0). The copy is cut to fit bufferBytes and always
// terminated; the result is its length in characters.
int ConvertLiteral(const wchar_t *text, void *buffer, int bufferBytes);

// Conversions through CodePage into a buffer of the given size, cut to fit
// and always terminated (no text gives the empty text); the result is the
// length converted. A text too long keeps its longest prefix that fits.
int WideToAnsiBounded(const wchar_t *text, char *target, int bufferBytes);
int AnsiToWideBounded(const char *text, wchar_t *target, int bufferChars);
// The same for at most the first sourceBytes bytes of text.
int AnsiToWideBounded(const char *text, int sourceBytes, wchar_t *target, int bufferChars);
// The whole text or nothing: its length, or -1 with the buffer emptied when
// it does not fit or the code page cannot convert it.
int WideToAnsiWhole(const wchar_t *text, char *target, int bufferBytes);
int AnsiToWideWhole(const char *text, wchar_t *target, int bufferChars);

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

// GetTextExtentPoint32 per character type. The ANSI form is looked up by
// name: not every system exports it.
BOOL ApiGetTextExtentPoint32(HDC dc, const char *text, int length, SIZE *size);
inline BOOL ApiGetTextExtentPoint32(HDC dc, const wchar_t *text, int length, SIZE *size) {
    return GetTextExtentPoint32W(dc, text, length, size);
}

// The message of the active form: the ANSI or the wide one.
UINT TextMessageAW(UINT ansi, UINT wide);
// The same for code written over the character type.
template <class Ch> constexpr UINT TextMessageT(UINT ansi, UINT wide) {
    return sizeof(Ch) == 1 ? ansi : wide;
}

// Texts in the active form: the length in characters, and whether there is
// none (a null text counts as empty).
int TextLengthAW(const void *text);
bool IsEmptyTextAW(const void *text);

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

// Window texts, windows and resources of the active form; resources are
// given by number.
int GetWindowTextAW(HWND window, void *buffer, int chars);
BOOL SetWindowTextAW(HWND window, const void *text);
HWND CreateWindowExAW(DWORD exStyle, const void *className, const void *windowName, DWORD style,
                      int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                      HINSTANCE instance, void *parameter);
HWND CreateDialogParamAW(HINSTANCE instance, int resource, HWND owner, DLGPROC procedure,
                         LPARAM parameter);
LRESULT DefFrameProcAW(HWND window, HWND client, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefMDIChildProcAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
HMENU LoadMenuAW(HINSTANCE instance, int resource);
HMODULE LoadLibraryAW(const void *name);

// Drawing and fonts of the active form.
int DrawTextAW(HDC dc, const void *text, int length, RECT *rect, UINT format);
BOOL TextOutAW(HDC dc, int x, int y, const void *text, int length);
BOOL DrawStateAW(HDC dc, HBRUSH brush, DRAWSTATEPROC output, LPARAM data, WPARAM dataSize, int x,
                 int y, int width, int height, UINT flags);
HFONT CreateFontAW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                   DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                   DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const void *face);
