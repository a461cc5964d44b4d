// Windows and their controls built from templates.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "runtime/base/window_object.h"

// Creates a window from its template. Returns the window handle, 0 when no
// window was created, -1 when the application refused it; a modal window
// returns its modal result. The owner may be 0; the dialog procedure is
// kept as the PreviousProcedure of a dialog.
INT_PTR CreateFromTemplate(const WindowTemplate *windowTemplate, HWND owner, int modal,
                           WNDPROC dialogProcedure);

// The window or container that its own creation is showing for the first
// time. Its layout has just run, or has nothing to place yet, so that
// showing gives it no size nudge.
extern WindowObject *ShownByCreation;

// Copies the child entries that follow entry into objects under parent;
// returns the last entry consumed, or null when a Children count cannot be
// held or a block cannot be had (what was built stays under parent, each
// object with its own texts, for ReleaseChildObjects).
const WindowObject *BuildChildObjects(WindowObject *parent, const WindowObject *entry);

// Finishes a window (kinds 1 to 3) at its WM_CREATE or WM_INITDIALOG.
void SetUpWindow(WindowObject *object);

// CreateWindowEx in the active form with the application's instance; the
// class name is a runtime UTF-16 literal, the window name a text in the
// active form (or null).
HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter);

// Creates the controls of container's Children inside parentWindow; the
// owner window is the window the controls belong to.
void CreateControls(HWND parentWindow, HWND ownerWindow, WindowObject *container);
void InsertRebarBands(WindowObject *object);
// Toolbars and rebars own a copy of their item records (toolbar buttons
// also their texts), released here when the control is destroyed.
void ReleaseControlItems(WindowObject *object);
// The image list of the image-list holder called name inside window, or 0.
HIMAGELIST FindImageList(HWND window, const wchar_t *name);
