// The pieces of control creation that live in their own files.
#pragma once

#include <windows.h>

#include "runtime/base/window_object.h"

// Item-bearing kinds, set up right after their window exists.
void SetUpToolbar(HWND window, WindowObject *object);
void SetUpStatusBar(HWND window, WindowObject *object);
void SetUpTabs(HWND window, WindowObject *object);
void SetUpImageListHolder(WindowObject *object);
void SetUpHeader(HWND window, WindowObject *object);

// Starts the thread of a thread entry and records it in the ThreadTable.
void StartTemplateThread(HWND ownerWindow, WindowObject *object);

// An owned copy of count item records of size bytes, replacing the
// template's array in Items so that the template stays untouched.
void *OwnItemRecords(WindowObject *object, int count, size_t size);
