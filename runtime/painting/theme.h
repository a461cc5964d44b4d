// Theme services: the visual-styles library, loaded at run time when present.
#pragma once

#include <windows.h>

struct ThemeFunctions {
    HMODULE Library; // null: classic drawing
    HANDLE(WINAPI *OpenThemeData)(HWND, LPCWSTR);
    BOOL(WINAPI *IsThemeBackgroundPartiallyTransparent)(HANDLE, int, int);
    HRESULT(WINAPI *DrawThemeParentBackground)(HWND, HDC, const RECT *);
    HRESULT(WINAPI *DrawThemeBackground)(HANDLE, HDC, int, int, const RECT *, const RECT *);
    HRESULT(WINAPI *CloseThemeData)(HANDLE);
};
extern ThemeFunctions ThemeTable;

// (Re)loads the table; it stays empty without the library or an active style.
void LoadThemeLibrary();
void ReleaseThemeLibrary();
