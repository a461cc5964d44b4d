// Window and message routines for applications: the wait cursor, cue
// banners, redrawing, the end of a modal window and the processing of
// waiting messages. Ending a modal window, processing messages and
// RedrawAll belong to the window machinery, which uses them itself; this
// header offers them with the rest of the library.
#pragma once

#include <windows.h>

#include "runtime/base/repaint.h"

// Shows the wait cursor and captures the mouse for window until EndWait; a
// window that held the capture before gets it back then. Calls do not nest.
void BeginWait(HWND window);
void EndWait();

// The grey hint an empty edit field shows (EM_SETCUEBANNER), also while it
// has the focus when showWhenFocused is set; the field is then redrawn. An
// 8-bit text is converted through CodePage, since the message takes UTF-16
// only; a longer text than CueBannerChars - 1 characters is cut. The
// message's result: non-zero when the field took the banner.
enum : int { CueBannerChars = 260 };
int SetCueBannerA(HWND edit, int showWhenFocused, const char *text);
int SetCueBannerW(HWND edit, int showWhenFocused, const wchar_t *text);
int SetCueBanner(HWND edit, int showWhenFocused, const void *text);

// Repaints a window and its children before returning, frame excluded.
// (RedrawAll, from repaint.h, repaints the frame too.)
void RedrawNow(HWND window);
