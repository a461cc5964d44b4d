// LayoutDockedControls: docked bars and picture boxes fill the edges of
// their window in Z order, the MDI client takes what is left.
#include "runtime/winproc/layout.h"
#include "runtime/base/kinds.h"
#include "runtime/base/object_table.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

static void SetToolbarButtonSize(const WindowObject *toolbar) {
    SendMessageAW(toolbar->Handle, TB_SETBUTTONSIZE, 0,
                  MAKELONG(toolbar->ButtonWidth, toolbar->ButtonHeight));
}

// Places one docked child against its edge of the free area and shrinks it.
static void PlaceDocked(HWND child, const WindowObject *docked, RECT *free) {
    const int h = ToPixelsY(docked->Height, docked->ScaleMode);
    const int w = ToPixelsX(docked->Width, docked->ScaleMode);
    switch (docked->Align) {
    case DockTop:
        MoveWindow(child, 0, free->top, free->right, h, TRUE);
        free->top += h;
        break;
    case DockBottom:
        free->bottom -= h;
        MoveWindow(child, free->left, free->bottom, free->right - free->left, h, TRUE);
        break;
    case DockLeft:
        MoveWindow(child, free->left, free->top, w, free->bottom - free->top, TRUE);
        free->left += w;
        break;
    case DockRight:
        free->right -= w;
        MoveWindow(child, free->right, free->top, w, free->bottom - free->top, TRUE);
        break;
    }
}

static void DockingPass(const WindowObject *container, int alignA, int alignB, RECT *free) {
    const HWND skip = container->Kind == KindMdiFrame ? container->MdiClient : nullptr;
    for (HWND child = GetWindow(container->Handle, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (skip && child == skip) continue;
        const WindowObject *docked = ObjectFromHandle(child);
        if (!docked) continue;
        if (docked->Align == DockNone) {
            if (docked->Kind == KindToolbar) SetToolbarButtonSize(docked);
            continue;
        }
        if (!IsDockableKind(docked->Kind) || !docked->Visible) continue;
        if (docked->Align != alignA && docked->Align != alignB) continue;
        PlaceDocked(child, docked, free);
        if (docked->Kind == KindToolbar) SetToolbarButtonSize(docked);
    }
}

void LayoutDockedControls(WindowObject *object) {
    if (!object || !object->Handle) return;
    RECT free;
    GetClientRect(object->Handle, &free);
    if (IsWindowKind(object->Kind) && object->BottomDockLast) {
        DockingPass(object, DockTop, DockTop, &free);
        DockingPass(object, DockLeft, DockRight, &free);
        DockingPass(object, DockBottom, DockBottom, &free);
    } else {
        DockingPass(object, DockTop, DockBottom, &free);
        DockingPass(object, DockLeft, DockRight, &free);
    }
    if (object->Kind == KindMdiFrame && object->MdiClient)
        MoveWindow(object->MdiClient, free.left, free.top, free.right - free.left,
                   free.bottom - free.top, TRUE);
}
