// Property readers: the numbered properties of a window or control, read
// through GetProperty, and the readers that compute their value or copy a
// text. Each answers -1 for a window without a runtime object or a kind
// without the property, unless its comment says otherwise.
#pragma once

#include <windows.h>
#include <stdint.h>

enum PropertyCode : int {
    PropAlign = 1,
    PropAutoSize = 2,
    PropBackColor = 3,
    PropCancel = 4,
    PropEditOption = 5,
    PropMouseIcon = 6,
    PropMousePointer = 7,
    PropDefault = 8, // computed by GetDefault
    PropShowFocus = 9,
    PropPenStyle = 10,
    PropPenWidth = 11,
    PropEnabled = 12,
    PropDoubleBuffer = 13,
    PropFont = 14,
    PropFontBold = 15,
    PropFontItalic = 16,
    PropFontName = 17, // a text, read by GetFontName
    PropFontSize = 18,
    PropFontStrikeOut = 19,
    PropFontUnderline = 20,
    PropForeColor = 21,
    PropHeight = 22,
    PropIcon = 23,
    PropSmallIcon = 24,
    PropLeft = 25,
    PropMax = 26,
    PropMaxLength = 27,
    PropMdiChild = 28,
    PropMdiClient = 29,
    PropMin = 30,
    PropModal = 31,
    PropMultiLine = 32,
    PropNoPrefix = 33,
    PropLargeChange = 34,
    PropPasswordChar = 35,
    PropPicture = 36,
    PropPicturePosition = 37,
    PropReadingOrder = 38,
    PropScaleMode = 39,
    PropScrollBars = 40,
    PropWindowState = 41,
    PropLabelOption = 42,
    PropIndex = 43,
    PropTabStop = 44,
    PropAlignment = 45,
    PropTimerInterval = 46,
    PropTop = 47,
    PropKind = 48,
    PropValue = 49,
    PropVisible = 50,
    PropVisibleItems = 51,
    PropWidth = 52,
    PropParent = 53, // 0 for windows
    LastPropertyCode = PropParent,
};

// The value of property code of the window's object; -1 without an object
// or for a kind without the property (Modal and the parent: 0). Reading the
// range or value of a scroll bar refreshes the cached fields from the control.
int32_t GetProperty(HWND window, int code);

int32_t GetAlign(HWND window);
int32_t GetAutoSize(HWND window);
int32_t GetBackColor(HWND window);
int32_t GetCancel(HWND window);
int32_t GetEditOption(HWND window);
int32_t GetMouseIcon(HWND window);
int32_t GetMousePointer(HWND window);
int32_t GetShowFocus(HWND window);
int32_t GetPenStyle(HWND window);
int32_t GetPenWidth(HWND window);
int32_t GetEnabled(HWND window);
int32_t GetDoubleBuffer(HWND window);
int32_t GetFont(HWND window);
int32_t GetFontBold(HWND window);
int32_t GetFontItalic(HWND window);
int32_t GetFontSize(HWND window);
int32_t GetFontStrikeOut(HWND window);
int32_t GetFontUnderline(HWND window);
int32_t GetForeColor(HWND window);
int32_t GetHeight(HWND window);
int32_t GetIcon(HWND window);
int32_t GetSmallIcon(HWND window);
int32_t GetLeft(HWND window);
int32_t GetMax(HWND window);
int32_t GetMaxLength(HWND window);
int32_t GetMdiChild(HWND window);
int32_t GetMdiClient(HWND window);
int32_t GetMin(HWND window);
int32_t GetModal(HWND window);
int32_t GetMultiLine(HWND window);
int32_t GetNoPrefix(HWND window);
int32_t GetLargeChange(HWND window);
int32_t GetPasswordChar(HWND window);
int32_t GetPicture(HWND window);
int32_t GetPicturePosition(HWND window);
int32_t GetReadingOrder(HWND window);
int32_t GetScaleMode(HWND window);
int32_t GetScrollBars(HWND window);
int32_t GetLabelOption(HWND window);
int32_t GetIndex(HWND window);
int32_t GetTabStop(HWND window);
int32_t GetAlignment(HWND window);
int32_t GetTimerInterval(HWND window);
int32_t GetTop(HWND window);
int32_t GetKind(HWND window);
int32_t GetValue(HWND window);
int32_t GetVisible(HWND window);
int32_t GetVisibleItems(HWND window);
int32_t GetWidth(HWND window);

// 1 when the button is the default button of its window, else 0.
int32_t GetDefault(HWND window);
// 0 normal, 1 minimised, 2 maximised, read from the system and kept in the
// object; -1 without an object or for a control.
int32_t GetWindowState(HWND window);
// The rectangle within the parent, in the object's scale units; 1, or 0
// when it cannot be read.
int GetObjectRect(HWND window, RECT *rect);
// A window's tooltip window or a control's tooltip text; 0 without an object.
uintptr_t GetToolTip(HWND window);
// 1 when the window is laid out right to left; needs no object.
int32_t GetRightToLeft(HWND window);

// Text readers: the length copied, 0 without an object. The caller's buffer
// holds the characters below, terminator included (font names: 130 bytes in
// the ANSI form, 260 characters in the wide one); longer texts are cut.
enum : int {
    FontNameAnsiBytes = 130,
    FontNameWideChars = 260,
    ObjectNameChars = 260,
    ObjectTextChars = 256
};
int GetFontNameA(HWND window, char *buffer);
int GetFontNameW(HWND window, wchar_t *buffer);
int GetFontName(HWND window, void *buffer);
int GetNameA(HWND window, char *buffer);
int GetNameW(HWND window, wchar_t *buffer);
int GetName(HWND window, void *buffer);
int GetTextA(HWND window, char *buffer);
int GetTextW(HWND window, wchar_t *buffer);
int GetText(HWND window, void *buffer);
