// The setters of texts, text boxes, reading order, layout direction and
// scroll bars of windows and text boxes.
#pragma once

#include <windows.h>
#include <stdint.h>

int SetTextA(HWND window, const char *text);
int SetTextW(HWND window, const wchar_t *text);
int SetText(HWND window, const void *text);
int SetMaxLength(HWND window, int32_t characters);
int SetPasswordChar(HWND window, int32_t character);
int SetReadingOrder(HWND window, int32_t rightToLeft);
int SetRightToLeft(HWND window, int32_t on);
int SetScrollBars(HWND window, int32_t bars);
