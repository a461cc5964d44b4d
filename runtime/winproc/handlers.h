// Handlers behind the rows of the runtime window procedure's message table,
// each in the file of its area.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Window life cycle.
LRESULT OnCreateWindow(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam);
LRESULT OnCreateContainer(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnWindowCommand(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam);
LRESULT OnSetText(WindowObject *object, HWND window, WPARAM wParam, const void *text);
LRESULT OnCloseWindow(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnDestroy(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnNcDestroyWindow(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);

// Layout.
LRESULT OnShowWindow(WindowObject *object, HWND window, BOOL show, LPARAM status);
LRESULT OnMove(WindowObject *object, HWND window, LPARAM position);
LRESULT OnWindowPosChanged(WindowObject *object, HWND window, WINDOWPOS *position);
LRESULT OnSize(WindowObject *object, HWND window, WPARAM sizeType, LPARAM size);
LRESULT OnRelayout(WindowObject *object, HWND window, WPARAM ofParent);

// Hover, hyperlinks and cursors.
LRESULT OnSetCursor(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseMove(WindowObject *object, HWND window, WPARAM keys, LPARAM position);
LRESULT OnMouseLeave(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnLeftButtonUp(WindowObject *object, HWND window, WPARAM keys, LPARAM position);

// Keyboard navigation and default buttons.
LRESULT OnKeyDown(WindowObject *object, HWND window, WPARAM key, LPARAM flags);
LRESULT OnChar(WindowObject *object, HWND window, WPARAM character, LPARAM flags);
LRESULT OnKeyUp(WindowObject *object, HWND window, WPARAM key, LPARAM flags);
LRESULT OnSetFocus(WindowObject *object, HWND window, HWND previous);
LRESULT OnKeyMenu(WindowObject *object, HWND window, WPARAM wParam, LPARAM character);
LRESULT OnGetDefId(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnSetDefId(WindowObject *object, HWND window, WPARAM id, LPARAM lParam);
LRESULT OnNavigate(WindowObject *object, HWND window, WPARAM key, HWND control);
LRESULT OnControlFocused(WindowObject *object, HWND window, HWND control);
LRESULT OnFocusNext(WindowObject *object, HWND window, HWND control);
// Takes the default-button look from the default button and the active
// control when the window is deactivated, keeping DefaultButton.
void DropDefaultLook(WindowObject *object);

// Colour and paint requests.
LRESULT OnColourRequest(WindowObject *object, HWND window, UINT message, HDC dc, HWND control);
LRESULT OnEraseBackground(WindowObject *object, HWND window, HDC dc);
LRESULT OnPaint(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnDrawItem(WindowObject *object, HWND window, WPARAM id, DRAWITEMSTRUCT *item);
LRESULT OnMeasureItem(WindowObject *object, HWND window, WPARAM id, LPARAM item);
LRESULT OnThemeChanged(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnSysColorChange(WindowObject *object, HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnRedrawArea(WindowObject *object, HWND window);

// The rows the window procedure handles itself.
LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam);
LRESULT OnUnknownWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcButtonDown(WindowObject *object, HWND window, UINT message, WPARAM hitTest,
                       LPARAM position);
LRESULT OnNcActivate(WindowObject *object, HWND window, BOOL active, LPARAM lParam);
LRESULT OnNcHitTest(WindowObject *object, HWND window, LPARAM position);
LRESULT OnMdiActivate(WindowObject *object, HWND window, HWND deactivated, HWND activated);
LRESULT OnContainerCommand(WindowObject *object, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam);
LRESULT OnSysCommand(WindowObject *object, HWND window, WPARAM command, LPARAM lParam);
LRESULT OnLeftButtonDown(WindowObject *object, HWND window, WPARAM keys, LPARAM position);
LRESULT OnLeftButtonDoubleClick(WindowObject *object, HWND window, WPARAM keys, LPARAM position);
LRESULT OnRightButtonDown(WindowObject *object, HWND window, WPARAM keys, LPARAM position);
LRESULT OnRightButtonDoubleClick(WindowObject *object, HWND window, WPARAM keys, LPARAM position);
LRESULT OnScroll(WindowObject *object, HWND window, UINT message, WPARAM request, LPARAM scrollBar);
LRESULT OnSetCheck(WindowObject *object, HWND window, WPARAM state, LPARAM lParam);
LRESULT OnEnable(WindowObject *object, HWND window, BOOL enabled, LPARAM lParam);
LRESULT OnSetFont(WindowObject *object, HWND window, WPARAM font, LPARAM redraw);
LRESULT OnSetImage(WindowObject *object, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnStyleChanged(WindowObject *object, HWND window, WPARAM which, STYLESTRUCT *styles);
LRESULT OnDpiChanged(WindowObject *object, HWND window, WPARAM dpi, const RECT *suggested);
