// The application's templates by name: RegisterTemplate, FindTemplate and
// OpenWindow.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

const WindowTemplate **RegisterTemplate();
const WindowTemplate *FindTemplateA(const char *name);
const WindowTemplate *FindTemplateW(const wchar_t *name);
const WindowTemplate *FindTemplate(const void *name);

// Opens another window of the application by its template's Name; returns
// what CreateFromTemplate returns, or 0.
INT_PTR OpenWindowA(const char *templateName, HWND owner, int modal, WNDPROC dialogProcedure);
INT_PTR OpenWindowW(const wchar_t *templateName, HWND owner, int modal, WNDPROC dialogProcedure);
INT_PTR OpenWindow(const void *templateName, HWND owner, int modal, WNDPROC dialogProcedure);
