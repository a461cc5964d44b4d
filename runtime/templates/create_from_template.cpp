// CreateFromTemplate and BuildChildObjects: window objects copied from a
// template and the window created in one of its four ways, through
// CreateWindowEx in the active form.
#include "runtime/templates/create_from_template.h"
#include "runtime/templates/shown_state.h"
#include "runtime/winproc/creation_knot.h"
#include "runtime/layout/layout.h"
#include "runtime/base/event_contract.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/messages.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/template_check.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <stdint.h>

WindowObject *ShownByCreation;

static WindowObject *CopyEntry(const WindowObject *entry) {
    WindowObject *object = (WindowObject *)AllocZeroed(sizeof(WindowObject));
    if (!object) return nullptr;
    *object = *entry;
    object->ToolTip = nullptr;
    return object;
}

const WindowObject *BuildChildObjects(WindowObject *parent, const WindowObject *entry) {
    const int count = entry->ChildCount;
    parent->Children = nullptr;
    // The array holds count + 1 pointers; a count whose size would wrap
    // around the address space is refused, not cut to a small block.
    if (count < 0 || (size_t)count >= SIZE_MAX / sizeof(WindowObject *)) return nullptr;
    WindowObject **children = (WindowObject **)AllocZeroed((count + 1) * sizeof(WindowObject *));
    if (!children) return nullptr;
    parent->Children = children;
    for (int i = 0; i < count; ++i) {
        ++entry;
        WindowObject *child = CopyEntry(entry);
        if (!child) return nullptr;
        children[i] = child;
        child->Children = nullptr;
        child->InitialFont = nullptr;
        // The texts are the child's own before its subtree is built, so that
        // a tree given up half way holds no pointer into the template.
        child->FontName = CopyText(child, entry->FontName, 0);
        child->TextBuffer = CopyText(child, entry->TextBuffer, 1);
        // Only controls have a tooltip text; for a window the field is its
        // tooltip window.
        child->ToolTipCopy =
            child->Kind >= KindLabel ? CopyText(child, entry->ToolTipText, 0) : nullptr;
        child->ToolTipText = nullptr;
        if (entry->ChildCount > 0) {
            entry = BuildChildObjects(child, entry);
            if (!entry) return nullptr;
        }
    }
    return entry;
}

// Frees the objects of a window whose creation never reached its first
// message, so that nothing else owns them.
static void ReleaseUnboundObject(WindowObject *object) {
    FreeText(object->FontName);
    FreeText(object->TextBuffer);
    ReleaseChildObjects(object);
    FreeBlock(object);
}

static HWND CreateDialogWindow(WindowObject *object, HWND owner) {
    PendingObject = object;
    const LPARAM noParameter = 0;
    HWND window = CreateDialogParamAW(App->Instance, object->Id, owner, (DLGPROC)RuntimeWindowProc,
                                      noParameter);
    if (window && !object->IsMainWindow) {
        StartPosition at;
        ComputeStartPosition(object, owner, &at);
        SetWindowPos(window, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    return window;
}

// Redrawing of the MDI client, turned off while one of its children is
// made, comes back on whatever became of the child: with it off, the system
// keeps the client hidden.
static void RedrawMdiClient(HWND client) {
    SendMessageAW(client, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(client, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ReportTemplateProblem(const wchar_t *caller, const WindowObject *entries,
                           TemplateProblem problem) {
    wchar_t reason[1025];
    wsprintfW(reason, TemplateRuleText(problem.Rule), (int)problem.Value, (int)problem.Other);
    // An entry past the template's end may be any data: its Name is not read.
    const WindowObject *entry =
        entries && problem.Rule != TemplatePastEnd && problem.Rule != TemplateMissing
            ? &entries[problem.Entry]
            : nullptr;
    wchar_t line[1025];
    if (entry && entry->Name)
        wsprintfW(line, L"%s: entry %d (%.64s): %.900s\n", caller, (int)problem.Entry, entry->Name,
                  reason);
    else
        wsprintfW(line, L"%s: entry %d: %.900s\n", caller, (int)problem.Entry, reason);
    OutputDebugStringW(line);
}

// Whether the template may make its window; a refusal is told to the
// developer. The template's length is not known here: the walk stops at the
// first entry past the tree or that cannot be a control.
static bool TemplateAccepted(const WindowTemplate *windowTemplate) {
    TemplateProblem problem = CheckTemplateEntries(windowTemplate, -1);
    if (problem.Rule == TemplateFine && windowTemplate->Kind == KindDialog &&
        !FindResourceW(App->Instance, MAKEINTRESOURCEW(windowTemplate->Id), (LPCWSTR)RT_DIALOG))
        problem = {0, TemplateDialogResourceMissing, windowTemplate->Id, 0};
    if (problem.Rule == TemplateFine) return true;
    ReportTemplateProblem(L"CreateFromTemplate", windowTemplate, problem);
    return false;
}

INT_PTR CreateFromTemplate(const WindowTemplate *windowTemplate, HWND owner, int modal,
                           WNDPROC dialogProcedure) {
    return CreateWindowFromTemplate(windowTemplate, owner, modal, dialogProcedure).Result;
}

TemplateCreation CreateWindowFromTemplate(const WindowTemplate *windowTemplate, HWND owner,
                                          int modal, WNDPROC dialogProcedure) {
    if (!TemplateAccepted(windowTemplate)) return {0, false};
    WindowObject *object = CopyEntry(windowTemplate);
    if (!object) return {0, false};
    if (windowTemplate->ChildCount > 0) {
        const WindowObject *start =
            windowTemplate->TemplateStart ? windowTemplate->TemplateStart : windowTemplate;
        if (!BuildChildObjects(object, start)) {
            // The object's own texts still point into the template.
            ReleaseChildObjects(object);
            FreeBlock(object);
            return {0, false};
        }
    } else {
        object->Children = nullptr;
    }
    object->InitialFont = nullptr;
    // A window is laid out for its owner's screen; one without an owner for
    // the system's until it exists and its own monitor is known.
    object->Dpi = owner ? WindowDpi(owner) : SystemWindowDpi(nullptr);
    object->FontName = CopyText(object, windowTemplate->FontName, 0);
    object->TextBuffer = CopyText(object, windowTemplate->TextBuffer, 1);

    const bool mdiChild = object->Kind != KindDialog && object->MdiChild;
    HWND window = nullptr;
    if (object->Kind == KindDialog) {
        object->PreviousProcedure = dialogProcedure;
        object->Modal = (HWND)(intptr_t)modal;
        object->Style &= ~WS_VISIBLE;
        if (modal && owner && (GetWindowLongAW(owner, GWL_STYLE) & WS_CHILD))
            owner = App->MainWindow;
        window = CreateDialogWindow(object, owner);
        if (window && modal) return {ModalLoop(object, owner), true};
    } else {
        object->Style &= ~WS_VISIBLE;
        StartPosition at;
        ComputeStartPosition(object, owner, &at);
        PendingObject = object;
        if (object->Kind == KindMdiFrame) {
            window = CreateRuntimeWindow(object->ExStyle & ~WS_EX_CLIENTEDGE, MdiFrameClassName,
                                         nullptr, object->Style & ~(WS_HSCROLL | WS_VSCROLL), at.X,
                                         at.Y, at.Width, at.Height, owner, nullptr, nullptr);
        } else if (mdiChild) {
            SendMessageAW(owner, WM_SETREDRAW, FALSE, 0);
            // The system makes it an MDI child only with this extended style.
            object->ExStyle |= WS_EX_MDICHILD;
            window = CreateRuntimeWindow(object->ExStyle, MdiChildClassName, nullptr, object->Style,
                                         at.X, at.Y, at.Width, at.Height, owner, nullptr, nullptr);
            if (window)
                SetWindowPos(window, nullptr, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        } else {
            object->Modal = (HWND)(intptr_t)modal;
            if (modal) object->ExStyle &= ~WS_EX_APPWINDOW;
            window = CreateRuntimeWindow(object->ExStyle, WindowClassName, nullptr, object->Style,
                                         at.X, at.Y, at.Width, at.Height, owner, nullptr, nullptr);
            if (window && modal) return {ModalLoop(object, owner), true};
        }
    }

    if (!window) {
        // Bound objects are released with their window; unbound ones here.
        // A window that was bound existed until its EventProcedure refused
        // or destroyed it.
        const bool bound = PendingObject != object;
        if (!bound) ReleaseUnboundObject(object);
        PendingObject = nullptr;
        if (mdiChild && owner) SendMessageAW(owner, WM_SETREDRAW, TRUE, 0);
        return {0, bound};
    }

    if (CallEventProcedure(object, window, RTM_CREATED, 0, 0) == -1) {
        if (IsWindow(window)) DestroyWindow(window);
        if (mdiChild && owner) RedrawMdiClient(owner);
        return {-1, true};
    }
    if (!IsWindow(window)) {
        if (mdiChild && owner) RedrawMdiClient(owner);
        return {0, true};
    }
    object->Style = (DWORD)GetWindowLongAW(window, GWL_STYLE);
    if (object->Visible) {
        WindowObject *outer = ShownByCreation;
        ShownByCreation = object;
        ChangeWindowState(object, window, object->WindowState);
        ShownByCreation = outer;
    }
    if (mdiChild && owner) RedrawMdiClient(owner);
    return {(INT_PTR)object->Handle, true};
}

// CreateRuntimeWindow: CreateWindowEx in the active form.
HWND CreateRuntimeWindow(DWORD exStyle, const wchar_t *className, const void *windowName,
                         DWORD style, int x, int y, int width, int height, HWND parent,
                         HMENU menuOrId, void *parameter) {
    exStyle = ExStyleForSystem(exStyle);
    const void *activeClass = LiteralToConversionBuffer(className);
    return CreateWindowExAW(exStyle, activeClass, windowName, style, x, y, width, height, parent,
                            menuOrId, App->Instance, parameter);
}
