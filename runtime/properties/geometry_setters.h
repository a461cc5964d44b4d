// The position and size setters, in the object's scale units, and docking,
// automatic size and the drop-down size of combo boxes.
#pragma once

#include <windows.h>
#include <stdint.h>

// Position and size in the object's scale units; docked controls refuse the
// dimensions that the docking decides.
int SetLeft(HWND window, int32_t left);
int SetTop(HWND window, int32_t top);
int SetWidth(HWND window, int32_t width);
int SetHeight(HWND window, int32_t height);

// Docks a picture box, toolbar, status bar or rebar to an edge (a DockEdge)
// and lays its window out again.
int SetAlign(HWND window, int32_t edge);
int SetAutoSize(HWND window, int32_t on);
int SetVisibleItems(HWND window, int32_t rows);
