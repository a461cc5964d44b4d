// Commands: WM_COMMAND and WM_NOTIFY by the receiver's kind (in windows:
// nested edit notifications, empty combo boxes, toolbars and rebars, then
// the window's EventProcedure), and system commands.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnWindowCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnContainerCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnSysCommand(WindowObject *object, const WindowMessage &m);

// Set while an EN_CHANGE or EN_UPDATE notification is being delivered.
extern int EditNotifyBusy;
