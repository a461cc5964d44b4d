// The items of toolbars, status bars, tab controls, image-list holders and
// headers, given to the controls right after they are created, and the
// image lists of the holders found by name.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "runtime/base/window_object.h"

void SetUpToolbar(HWND window, WindowObject *object);
void SetUpStatusBar(HWND window, WindowObject *object);
void SetUpTabs(HWND window, WindowObject *object);
void SetUpImageListHolder(WindowObject *object);
void SetUpHeader(HWND window, WindowObject *object);
// A tree view's indent or a pager's button size at its window's dots per
// inch.
void SendScaledSizes(const WindowObject *object);
// The status bar's parts, their widths at its window's dots per inch.
void SetStatusBarParts(const WindowObject *object);
// A holder's list of icons made again at the size that fits its window's
// dots per inch; lists holding bitmaps stay as they are.
void RescaleImageList(WindowObject *object);

// An owned copy of count item records of size bytes, replacing the
// template's array in Items so that the template stays untouched.
void *OwnItemRecords(WindowObject *object, int count, size_t size);

// Toolbars and rebars own a copy of their item records (toolbar buttons
// also their texts), released here when the control is destroyed.
void ReleaseControlItems(WindowObject *object);

// The image list of the image-list holder called name inside window, or 0.
HIMAGELIST FindImageList(HWND window, const wchar_t *name);
