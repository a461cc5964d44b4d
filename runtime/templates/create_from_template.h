// CreateFromTemplate and BuildChildObjects: window objects copied from a
// template and the window created in one of its four ways, through
// CreateWindowEx in the active form.
#pragma once

#include <windows.h>

#include "runtime/base/template_check.h"
#include "runtime/base/window_object.h"
#include "runtime/templates/create_window.h"

// CreateFromTemplate's result, and whether its window came to exist (was
// bound to its object) at all: a result of 0 with a window that existed is
// the application's own refusal, from its EventProcedure.
struct TemplateCreation {
    INT_PTR Result;
    bool WindowExisted;
};
TemplateCreation CreateWindowFromTemplate(const WindowTemplate *windowTemplate, HWND owner,
                                          int modal, WNDPROC dialogProcedure);

// The one line that tells the developer why a template was refused:
// "caller: entry N (Name): reason", through OutputDebugStringW.
void ReportTemplateProblem(const wchar_t *caller, const WindowObject *entries,
                           TemplateProblem problem);

// The window or container that its own creation is showing for the first
// time. Its layout has just run, or has nothing to place yet, so that
// showing gives it no size nudge.
extern WindowObject *ShownByCreation;

// Copies the child entries that follow entry into objects under parent;
// returns the last entry consumed, or null when a Children count cannot be
// held or a block cannot be had (what was built stays under parent, each
// object with its own texts, for ReleaseChildObjects).
const WindowObject *BuildChildObjects(WindowObject *parent, const WindowObject *entry);

// CreateWindowEx in the active form with the application's instance; the
// class name is a runtime UTF-16 literal, the window name a text in the
// active form (or null).
HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter);
