// Creation of windows (WM_CREATE, and WM_INITDIALOG of dialog windows) and
// of the runtime's own group and picture boxes, and the owner-draw type that
// the control about to be created takes.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnCreate(WindowObject *object, const WindowMessage &m);
LRESULT OnInitDialog(WindowObject *object, const WindowMessage &m);
LRESULT OnCreateWindow(WindowObject *object, const WindowMessage &m);
LRESULT OnCreateContainer(WindowObject *object, const WindowMessage &m);
LRESULT OnSetCreatingType(WindowObject *object, const WindowMessage &m);
