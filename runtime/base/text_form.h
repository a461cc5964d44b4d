// The active text form: thin A/W overloads of system calls, so that a text
// routine is written once as a template over the character type, and the
// conversion of the runtime's UTF-16 literals into the active form.
//
// …T    a template over the character type (char or wchar_t).
// …A/…W the two instantiations of a runtime routine, one per character type.
// …AW   a system call or runtime routine in the active form, chosen by UnicodeFlag.
// Api…  a thin overload of one system call per character type; ApiTypes<Ch>
//       names the system records that hold texts of the character type.
#pragma once

#include <windows.h>
#include <stdint.h>

#include "runtime/base/text_conversions.h"

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

// A message whose lParam is a text, sent in the text's form.
inline LRESULT ApiSendMessage(HWND w, UINT m, WPARAM wp, const char *text) {
    return SendMessageA(w, m, wp, (LPARAM)text);
}
inline LRESULT ApiSendMessage(HWND w, UINT m, WPARAM wp, const wchar_t *text) {
    return SendMessageW(w, m, wp, (LPARAM)text);
}

inline BOOL ApiTextOut(HDC dc, int x, int y, const char *text, int length) {
    return TextOutA(dc, x, y, text, length);
}
inline BOOL ApiTextOut(HDC dc, int x, int y, const wchar_t *text, int length) {
    return TextOutW(dc, x, y, text, length);
}

inline int ApiLoadString(HINSTANCE i, UINT id, char *b, int n) {
    return LoadStringA(i, id, b, n);
}
inline int ApiLoadString(HINSTANCE i, UINT id, wchar_t *b, int n) {
    return LoadStringW(i, id, b, n);
}

inline HWND ApiCreateWindowEx(DWORD exStyle, const char *className, const char *windowName,
                              DWORD style, int x, int y, int width, int height, HWND parent,
                              HMENU menu, HINSTANCE instance, void *parameter) {
    return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                           instance, parameter);
}
inline HWND ApiCreateWindowEx(DWORD exStyle, const wchar_t *className, const wchar_t *windowName,
                              DWORD style, int x, int y, int width, int height, HWND parent,
                              HMENU menu, HINSTANCE instance, void *parameter) {
    return CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                           instance, parameter);
}

inline HWND ApiFindWindowEx(HWND parent, HWND after, const char *className,
                            const char *windowName) {
    return FindWindowExA(parent, after, className, windowName);
}
inline HWND ApiFindWindowEx(HWND parent, HWND after, const wchar_t *className,
                            const wchar_t *windowName) {
    return FindWindowExW(parent, after, className, windowName);
}

template <class Ch> struct ApiTypes;
template <> struct ApiTypes<char> {
    using WindowClass = WNDCLASSEXA;
    using FindData = WIN32_FIND_DATAA;
};
template <> struct ApiTypes<wchar_t> {
    using WindowClass = WNDCLASSEXW;
    using FindData = WIN32_FIND_DATAW;
};

inline ATOM ApiRegisterClassEx(const WNDCLASSEXA *c) {
    return RegisterClassExA(c);
}
inline ATOM ApiRegisterClassEx(const WNDCLASSEXW *c) {
    return RegisterClassExW(c);
}
inline BOOL ApiGetClassInfoEx(HINSTANCE i, const char *n, WNDCLASSEXA *c) {
    return GetClassInfoExA(i, n, c);
}
inline BOOL ApiGetClassInfoEx(HINSTANCE i, const wchar_t *n, WNDCLASSEXW *c) {
    return GetClassInfoExW(i, n, c);
}
inline BOOL ApiUnregisterClass(const char *n, HINSTANCE i) {
    return UnregisterClassA(n, i);
}
inline BOOL ApiUnregisterClass(const wchar_t *n, HINSTANCE i) {
    return UnregisterClassW(n, i);
}

// Files.
inline HANDLE ApiCreateFile(const char *path, DWORD access, DWORD share,
                            SECURITY_ATTRIBUTES *security, DWORD disposition, DWORD attributes,
                            HANDLE templateFile) {
    return CreateFileA(path, access, share, security, disposition, attributes, templateFile);
}
inline HANDLE ApiCreateFile(const wchar_t *path, DWORD access, DWORD share,
                            SECURITY_ATTRIBUTES *security, DWORD disposition, DWORD attributes,
                            HANDLE templateFile) {
    return CreateFileW(path, access, share, security, disposition, attributes, templateFile);
}
inline HANDLE ApiFindFirstFile(const char *path, WIN32_FIND_DATAA *found) {
    return FindFirstFileA(path, found);
}
inline HANDLE ApiFindFirstFile(const wchar_t *path, WIN32_FIND_DATAW *found) {
    return FindFirstFileW(path, found);
}
inline DWORD ApiGetFileAttributes(const char *path) {
    return GetFileAttributesA(path);
}
inline DWORD ApiGetFileAttributes(const wchar_t *path) {
    return GetFileAttributesW(path);
}

// The registry.
inline LONG ApiRegOpenKeyEx(HKEY root, const char *subKey, DWORD options, REGSAM access,
                            HKEY *key) {
    return RegOpenKeyExA(root, subKey, options, access, key);
}
inline LONG ApiRegOpenKeyEx(HKEY root, const wchar_t *subKey, DWORD options, REGSAM access,
                            HKEY *key) {
    return RegOpenKeyExW(root, subKey, options, access, key);
}
inline LONG ApiRegCreateKeyEx(HKEY root, const char *subKey, DWORD reserved, char *keyClass,
                              DWORD options, REGSAM access, SECURITY_ATTRIBUTES *security,
                              HKEY *key, DWORD *disposition) {
    return RegCreateKeyExA(root, subKey, reserved, keyClass, options, access, security, key,
                           disposition);
}
inline LONG ApiRegCreateKeyEx(HKEY root, const wchar_t *subKey, DWORD reserved, wchar_t *keyClass,
                              DWORD options, REGSAM access, SECURITY_ATTRIBUTES *security,
                              HKEY *key, DWORD *disposition) {
    return RegCreateKeyExW(root, subKey, reserved, keyClass, options, access, security, key,
                           disposition);
}
inline LONG ApiRegDeleteKey(HKEY key, const char *subKey) {
    return RegDeleteKeyA(key, subKey);
}
inline LONG ApiRegDeleteKey(HKEY key, const wchar_t *subKey) {
    return RegDeleteKeyW(key, subKey);
}
inline LONG ApiRegSetValueEx(HKEY key, const char *name, DWORD reserved, DWORD type,
                             const BYTE *data, DWORD bytes) {
    return RegSetValueExA(key, name, reserved, type, data, bytes);
}
inline LONG ApiRegSetValueEx(HKEY key, const wchar_t *name, DWORD reserved, DWORD type,
                             const BYTE *data, DWORD bytes) {
    return RegSetValueExW(key, name, reserved, type, data, bytes);
}
inline LONG ApiRegQueryValueEx(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data,
                               DWORD *bytes) {
    return RegQueryValueExA(key, name, reserved, type, data, bytes);
}
inline LONG ApiRegQueryValueEx(HKEY key, const wchar_t *name, DWORD *reserved, DWORD *type,
                               BYTE *data, DWORD *bytes) {
    return RegQueryValueExW(key, name, reserved, type, data, bytes);
}
inline LONG ApiRegDeleteValue(HKEY key, const char *name) {
    return RegDeleteValueA(key, name);
}
inline LONG ApiRegDeleteValue(HKEY key, const wchar_t *name) {
    return RegDeleteValueW(key, name);
}
inline LONG ApiRegEnumKeyEx(HKEY key, DWORD index, char *name, DWORD *chars, DWORD *reserved,
                            char *keyClass, DWORD *classChars, FILETIME *written) {
    return RegEnumKeyExA(key, index, name, chars, reserved, keyClass, classChars, written);
}
inline LONG ApiRegEnumKeyEx(HKEY key, DWORD index, wchar_t *name, DWORD *chars, DWORD *reserved,
                            wchar_t *keyClass, DWORD *classChars, FILETIME *written) {
    return RegEnumKeyExW(key, index, name, chars, reserved, keyClass, classChars, written);
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
