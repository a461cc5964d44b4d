// The range and value setters of scroll bars, progress bars, trackbars,
// up-downs, check boxes and option buttons.
#pragma once

#include <windows.h>
#include <stdint.h>

// Ranges and values of scroll bars, progress bars, trackbars and up-downs;
// SetValue also checks check boxes and option buttons (0 or 1).
int SetMax(HWND window, int32_t maximum);
int SetMin(HWND window, int32_t minimum);
int SetLargeChange(HWND window, int32_t page);
int SetValue(HWND window, int32_t value);

// Needs no object: the result of PBM_SETMARQUEE, or -1 when the window is
// not a progress bar with the marquee style.
LRESULT SetMarquee(HWND window, int on, int intervalMs);
