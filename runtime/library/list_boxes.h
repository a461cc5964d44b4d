// List boxes for applications: item routines over the system list box, and
// string lists kept in hidden list boxes.
//
// The routines that pass a text have an ANSI (…A) and a wide (…W) variant
// and an entry that picks one by UnicodeFlag. The routines that pass none
// send in the list box's own text form (IsWindowUnicode), so that counts
// and lengths are those of the texts as the list box holds them.
#pragma once

#include <windows.h>

// Appends a text (sorted into place in a sorted list); its index, or LB_ERR.
int AddItemA(HWND list, const char *text);
int AddItemW(HWND list, const wchar_t *text);
int AddItem(HWND list, const void *text);

// Inserts a text at index (-1: at the end), unsorted; its index, or LB_ERR.
int InsertItemA(HWND list, int index, const char *text);
int InsertItemW(HWND list, int index, const wchar_t *text);
int InsertItem(HWND list, int index, const void *text);

// Index of the first item that starts with text (FindItem) or equals it
// (FindItemExact), whatever the case, searching the whole list; LB_ERR when
// none does or list is 0.
int FindItemA(HWND list, const char *text);
int FindItemW(HWND list, const wchar_t *text);
int FindItem(HWND list, const void *text);
int FindItemExactA(HWND list, const char *text);
int FindItemExactW(HWND list, const wchar_t *text);
int FindItemExact(HWND list, const void *text);

// Copies the item's text into buffer, which holds chars characters; a longer
// text is cut to fit. The number of characters copied, or LB_ERR with an
// empty buffer when there is no such item.
int GetItemTextA(HWND list, int index, char *buffer, int chars);
int GetItemTextW(HWND list, int index, wchar_t *buffer, int chars);
int GetItemText(HWND list, int index, void *buffer, int chars);

// Length of an item's text in characters, or LB_ERR.
int GetItemTextLength(HWND list, int index);
// Number of items, or LB_ERR.
int GetItemCount(HWND list);
// Deletes an item; the number of items left, or LB_ERR.
int DeleteItem(HWND list, int index);
// Deletes every item.
int ClearItems(HWND list);

// String lists: invisible list boxes, sorted or in the order of adding,
// filled and read with the routines above. At most MaxStringLists exist at
// a time; the runtime destroys those still alive when it is released.
enum : int { MaxStringLists = 64 };
// CreateStringList's answer while MaxStringLists lists exist.
inline const HWND StringListTableFull = (HWND)(INT_PTR)-1;

// A new string list; 0 when its window cannot be created,
// StringListTableFull when there are already MaxStringLists.
HWND CreateStringListA(int sorted);
HWND CreateStringListW(int sorted);
HWND CreateStringList(int sorted);

// Empties and destroys a string list: 1. Any other window is destroyed and
// DestroyWindow's result returned; 0 for a null handle.
int DestroyStringList(HWND list);
