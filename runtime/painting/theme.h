// Theme services: the visual-styles library, loaded at run time when present.
#pragma once

#include <windows.h>

#include "runtime/painting/visual_styles.h"

struct ThemeFunctions {
    HMODULE Library; // null: classic drawing
    HANDLE(WINAPI *OpenThemeData)(HWND, LPCWSTR);
    BOOL(WINAPI *IsThemeBackgroundPartiallyTransparent)(HANDLE, int, int);
    HRESULT(WINAPI *DrawThemeParentBackground)(HWND, HDC, const RECT *);
    HRESULT(WINAPI *DrawThemeBackground)(HANDLE, HDC, int, int, const RECT *, const RECT *);
    HRESULT(WINAPI *CloseThemeData)(HANDLE);
};
extern ThemeFunctions ThemeTable;
