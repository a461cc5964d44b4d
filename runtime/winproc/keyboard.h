// The keyboard interface of a dialog box for runtime windows: Tab and arrow
// navigation, Enter and Esc, mnemonics, key preview and the default button.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

LRESULT OnKeyDown(WindowObject *object, const WindowMessage &m);
LRESULT OnChar(WindowObject *object, const WindowMessage &m);
LRESULT OnKeyUp(WindowObject *object, const WindowMessage &m);

// Offers a key message of control's to its window when the window previews
// its controls' keys; non-zero keeps the key from the control.
LRESULT PreviewKey(WindowObject *control, const WindowMessage &m);
LRESULT OnSetFocus(WindowObject *object, const WindowMessage &m);
LRESULT OnKeyMenu(WindowObject *object, const WindowMessage &m);
LRESULT OnGetDefId(WindowObject *object, const WindowMessage &m);
LRESULT OnSetDefId(WindowObject *object, const WindowMessage &m);
LRESULT OnNavigate(WindowObject *object, const WindowMessage &m);
LRESULT OnControlFocused(WindowObject *object, const WindowMessage &m);
LRESULT OnFocusNext(WindowObject *object, const WindowMessage &m);

// Takes the default-button look from the default button and the active
// control when the window is deactivated, keeping DefaultButton.
void DropDefaultLook(WindowObject *object);
