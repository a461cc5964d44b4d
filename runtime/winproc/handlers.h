// Handlers behind the rows of the runtime window procedure's message table,
// each in the file of its area. Every handler takes the message whole and
// reads the parameters it needs from it.
#pragma once

#include <windows.h>

#include "runtime/base/event_contract.h"
#include "runtime/base/window_object.h"

// Binding a window to its object, before the table is consulted.
LRESULT OnNcCreate(const WindowMessage &m);
LRESULT OnUnknownWindow(const WindowMessage &m);

// Window life cycle.
LRESULT OnCreate(WindowObject *object, const WindowMessage &m);
LRESULT OnInitDialog(WindowObject *object, const WindowMessage &m);
LRESULT OnCreateWindow(WindowObject *object, const WindowMessage &m);
LRESULT OnCreateContainer(WindowObject *object, const WindowMessage &m);
LRESULT OnSetCreatingType(WindowObject *object, const WindowMessage &m);
LRESULT OnCloseWindow(WindowObject *object, const WindowMessage &m);
LRESULT OnDestroy(WindowObject *object, const WindowMessage &m);
LRESULT OnNcDestroyWindow(WindowObject *object, const WindowMessage &m);

// Colour and paint requests.
LRESULT OnColourRequest(WindowObject *object, const WindowMessage &m);
LRESULT OnEraseBackground(WindowObject *object, const WindowMessage &m);
LRESULT OnPaint(WindowObject *object, const WindowMessage &m);
LRESULT OnDrawItem(WindowObject *object, const WindowMessage &m);
LRESULT OnMeasureItem(WindowObject *object, const WindowMessage &m);
LRESULT OnThemeChanged(WindowObject *object, const WindowMessage &m);
LRESULT OnSysColorChange(WindowObject *object, const WindowMessage &m);
LRESULT OnRedrawArea(WindowObject *object, const WindowMessage &m);

// Mouse: hit tests, buttons, hover, hyperlinks, cursors and scroll bars.
LRESULT OnNcButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnNcHitTest(WindowObject *object, const WindowMessage &m);
LRESULT OnSetCursor(WindowObject *object, const WindowMessage &m);
// The cursor choice for a window whose cursor follows object: its own, or
// the control or frame that an inner window or the MDI client belongs to.
// The EventProcedure hears the object's handle; the chosen cursor shows
// over the receiving window, whose own procedure, when given, takes the
// default processing.
LRESULT ChooseCursor(WindowObject *object, const WindowMessage &m, WNDPROC receiverProcedure);
LRESULT OnMouseMove(WindowObject *object, const WindowMessage &m);
LRESULT OnMouseLeave(WindowObject *object, const WindowMessage &m);
LRESULT OnLeftButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnLeftButtonUp(WindowObject *object, const WindowMessage &m);
LRESULT OnLeftButtonDoubleClick(WindowObject *object, const WindowMessage &m);
LRESULT OnRightButtonDown(WindowObject *object, const WindowMessage &m);
LRESULT OnRightButtonDoubleClick(WindowObject *object, const WindowMessage &m);
LRESULT OnScroll(WindowObject *object, const WindowMessage &m);

// Keyboard navigation and default buttons.
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

// Control state: check marks, enabling, fonts, captions, images and styles.
LRESULT OnSetCheck(WindowObject *object, const WindowMessage &m);
LRESULT OnEnable(WindowObject *object, const WindowMessage &m);
LRESULT OnSetFont(WindowObject *object, const WindowMessage &m);
LRESULT OnSetText(WindowObject *object, const WindowMessage &m);
LRESULT OnSetImage(WindowObject *object, const WindowMessage &m);
LRESULT OnSetImageList(WindowObject *object, const WindowMessage &m);
LRESULT OnStyleChanged(WindowObject *object, const WindowMessage &m);

// Commands and notifications from controls, menus and the system menu.
LRESULT OnCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnWindowCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnContainerCommand(WindowObject *object, const WindowMessage &m);
LRESULT OnSysCommand(WindowObject *object, const WindowMessage &m);

// Window state: activation and monitor changes.
LRESULT OnNcActivate(WindowObject *object, const WindowMessage &m);
LRESULT OnMdiActivate(WindowObject *object, const WindowMessage &m);
LRESULT OnDpiChanged(WindowObject *object, const WindowMessage &m);

// Layout.
LRESULT OnShowWindow(WindowObject *object, const WindowMessage &m);
LRESULT OnMove(WindowObject *object, const WindowMessage &m);
LRESULT OnWindowPosChanged(WindowObject *object, const WindowMessage &m);
LRESULT OnSize(WindowObject *object, const WindowMessage &m);
LRESULT OnRelayout(WindowObject *object, const WindowMessage &m);

// Questions other floors ask about an object or the runtime.
LRESULT OnGetObject(WindowObject *object, const WindowMessage &m);
LRESULT OnGetThemeLibrary(const WindowMessage &m);
LRESULT OnHasManifest(const WindowMessage &m);
