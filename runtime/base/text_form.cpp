// Conversion of the runtime's UTF-16 literals and the A/W choice of the
// system calls made in the active form.
#include "runtime/base/text_form.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"

// The conversion through CodePage in each direction, over the first length
// characters of text (-1: up to and with its terminator): the characters
// written (or, without a target, needed), 0 when they do not fit or the code
// page cannot convert the text.
static int Convert(const char *text, int length, wchar_t *target, int capacity) {
    return MultiByteToWideChar(CodePage, 0, text, length, target, capacity);
}
static int Convert(const wchar_t *text, int length, char *target, int capacity) {
    return WideCharToMultiByte(CodePage, 0, text, length, target, capacity, nullptr, nullptr);
}

template <class From, class To>
static int ConvertWholeT(const From *text, To *target, int capacity) {
    if (!target || capacity < 1) return -1;
    target[0] = 0;
    if (!text) return 0;
    const int n = Convert(text, -1, target, capacity);
    if (n > 0) return n - 1;
    target[0] = 0;
    return -1;
}

// The longest prefix of the first length characters of text whose
// conversion fits with its terminator (capacity > 0).
template <class From, class To>
static int ConvertPrefixT(const From *text, int length, To *target, int capacity) {
    int low = 0, high = length;
    while (low < high) {
        const int chars = (low + high + 1) / 2;
        const int needed = Convert(text, chars, (To *)nullptr, 0);
        if (needed > 0 && needed < capacity)
            low = chars;
        else
            high = chars - 1;
    }
    const int n = low ? Convert(text, low, target, capacity - 1) : 0;
    target[n] = 0;
    return n;
}

template <class From, class To>
static int ConvertBoundedT(const From *text, To *target, int capacity) {
    if (!target || capacity < 1) return 0;
    const int whole = ConvertWholeT(text, target, capacity);
    if (whole >= 0) return whole;
    return ConvertPrefixT(text, ApiStringLength(text), target, capacity);
}

int WideToAnsiWhole(const wchar_t *text, char *target, int bufferBytes) {
    return ConvertWholeT(text, target, bufferBytes);
}
int AnsiToWideWhole(const char *text, wchar_t *target, int bufferChars) {
    return ConvertWholeT(text, target, bufferChars);
}

int WideToAnsiBounded(const wchar_t *text, char *target, int bufferBytes) {
    return ConvertBoundedT(text, target, bufferBytes);
}
int AnsiToWideBounded(const char *text, wchar_t *target, int bufferChars) {
    return ConvertBoundedT(text, target, bufferChars);
}

int AnsiToWideBounded(const char *text, int sourceBytes, wchar_t *target, int bufferChars) {
    if (!target || bufferChars < 1) return 0;
    target[0] = 0;
    if (!text) return 0;
    int length = lstrlenA(text);
    if (length > sourceBytes) length = sourceBytes;
    return ConvertPrefixT(text, length, target, bufferChars);
}

int ConvertLiteral(const wchar_t *text, void *buffer, int bufferBytes) {
    if (!buffer || bufferBytes < 2) return 0;
    if (UnicodeFlag) return CopyTextBounded((wchar_t *)buffer, text, bufferBytes / 2);
    return WideToAnsiBounded(text, (char *)buffer, bufferBytes);
}

void *LiteralToConversionBuffer(const wchar_t *text) {
    ConvertLiteral(text, ConversionBuffer, ConversionBufferBytes);
    return ConversionBuffer;
}

BOOL ApiGetTextExtentPoint32(HDC dc, const char *text, int length, SIZE *size) {
    // gdi32 is loaded with the program, which imports it.
    typedef BOOL(WINAPI * MeasureFunction)(HDC, const char *, int, SIZE *);
    MeasureFunction measure =
        (MeasureFunction)GetProcAddress(GetModuleHandleA("gdi32.dll"), "GetTextExtentPoint32A");
    return measure ? measure(dc, text, length, size) : FALSE;
}

UINT TextMessageAW(UINT ansi, UINT wide) {
    return UnicodeFlag ? wide : ansi;
}

int TextLengthAW(const void *text) {
    return UnicodeFlag ? lstrlenW((const wchar_t *)text) : lstrlenA((const char *)text);
}

bool IsEmptyTextAW(const void *text) {
    if (!text) return true;
    return UnicodeFlag ? *(const wchar_t *)text == 0 : *(const char *)text == 0;
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

int GetWindowTextAW(HWND window, void *buffer, int chars) {
    return UnicodeFlag ? GetWindowTextW(window, (wchar_t *)buffer, chars)
                       : GetWindowTextA(window, (char *)buffer, chars);
}

BOOL SetWindowTextAW(HWND window, const void *text) {
    return UnicodeFlag ? SetWindowTextW(window, (const wchar_t *)text)
                       : SetWindowTextA(window, (const char *)text);
}

HWND CreateWindowExAW(DWORD exStyle, const void *className, const void *windowName, DWORD style,
                      int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                      HINSTANCE instance, void *parameter) {
    if (UnicodeFlag)
        return CreateWindowExW(exStyle, (const wchar_t *)className, (const wchar_t *)windowName,
                               style, x, y, width, height, parent, menuOrId, instance, parameter);
    return CreateWindowExA(exStyle, (const char *)className, (const char *)windowName, style, x, y,
                           width, height, parent, menuOrId, instance, parameter);
}

HWND CreateDialogParamAW(HINSTANCE instance, int resource, HWND owner, DLGPROC procedure,
                         LPARAM parameter) {
    return UnicodeFlag ? CreateDialogParamW(instance, MAKEINTRESOURCEW(resource), owner, procedure,
                                            parameter)
                       : CreateDialogParamA(instance, MAKEINTRESOURCEA(resource), owner, procedure,
                                            parameter);
}

LRESULT DefFrameProcAW(HWND window, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    return UnicodeFlag ? DefFrameProcW(window, client, message, wParam, lParam)
                       : DefFrameProcA(window, client, message, wParam, lParam);
}

LRESULT DefMDIChildProcAW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return UnicodeFlag ? DefMDIChildProcW(window, message, wParam, lParam)
                       : DefMDIChildProcA(window, message, wParam, lParam);
}

HMENU LoadMenuAW(HINSTANCE instance, int resource) {
    return UnicodeFlag ? LoadMenuW(instance, MAKEINTRESOURCEW(resource))
                       : LoadMenuA(instance, MAKEINTRESOURCEA(resource));
}

HMODULE LoadLibraryAW(const void *name) {
    return UnicodeFlag ? LoadLibraryW((const wchar_t *)name) : LoadLibraryA((const char *)name);
}

int DrawTextAW(HDC dc, const void *text, int length, RECT *rect, UINT format) {
    return UnicodeFlag ? DrawTextW(dc, (const wchar_t *)text, length, rect, format)
                       : DrawTextA(dc, (const char *)text, length, rect, format);
}

BOOL TextOutAW(HDC dc, int x, int y, const void *text, int length) {
    return UnicodeFlag ? TextOutW(dc, x, y, (const wchar_t *)text, length)
                       : TextOutA(dc, x, y, (const char *)text, length);
}

BOOL DrawStateAW(HDC dc, HBRUSH brush, DRAWSTATEPROC output, LPARAM data, WPARAM dataSize, int x,
                 int y, int width, int height, UINT flags) {
    return UnicodeFlag ? DrawStateW(dc, brush, output, data, dataSize, x, y, width, height, flags)
                       : DrawStateA(dc, brush, output, data, dataSize, x, y, width, height, flags);
}

HFONT CreateFontAW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                   DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                   DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const void *face) {
    if (UnicodeFlag)
        return CreateFontW(height, width, escapement, orientation, weight, italic, underline,
                           strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                           (const wchar_t *)face);
    return CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                       charSet, outPrecision, clipPrecision, quality, pitchAndFamily,
                       (const char *)face);
}
