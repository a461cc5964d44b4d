// List boxes for applications: item routines and the hidden string lists.
#include "runtime/library/list_boxes.h"
#include "runtime/library/scratch_text.h"
#include "runtime/base/memory.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"

#include <string.h>

// AddItem, InsertItem, FindItem and FindItemExact.
template <class Ch> static int AddItemT(HWND list, const Ch *text) {
    return (int)ApiSendMessage(list, LB_ADDSTRING, 0, text);
}
template <class Ch> static int InsertItemT(HWND list, int index, const Ch *text) {
    return (int)ApiSendMessage(list, LB_INSERTSTRING, (WPARAM)index, text);
}
// Start -1 searches the whole list from its first item.
template <class Ch> static int FindT(HWND list, UINT message, const Ch *text) {
    if (!list) return LB_ERR;
    return (int)ApiSendMessage(list, message, (WPARAM)-1, text);
}

int AddItemA(HWND list, const char *text) {
    return AddItemT(list, text);
}
int AddItemW(HWND list, const wchar_t *text) {
    return AddItemT(list, text);
}
int AddItem(HWND list, const void *text) {
    return UnicodeFlag ? AddItemW(list, (const wchar_t *)text) : AddItemA(list, (const char *)text);
}

int InsertItemA(HWND list, int index, const char *text) {
    return InsertItemT(list, index, text);
}
int InsertItemW(HWND list, int index, const wchar_t *text) {
    return InsertItemT(list, index, text);
}
int InsertItem(HWND list, int index, const void *text) {
    return UnicodeFlag ? InsertItemW(list, index, (const wchar_t *)text)
                       : InsertItemA(list, index, (const char *)text);
}

int FindItemA(HWND list, const char *text) {
    return FindT(list, LB_FINDSTRING, text);
}
int FindItemW(HWND list, const wchar_t *text) {
    return FindT(list, LB_FINDSTRING, text);
}
int FindItem(HWND list, const void *text) {
    return UnicodeFlag ? FindItemW(list, (const wchar_t *)text)
                       : FindItemA(list, (const char *)text);
}

int FindItemExactA(HWND list, const char *text) {
    return FindT(list, LB_FINDSTRINGEXACT, text);
}
int FindItemExactW(HWND list, const wchar_t *text) {
    return FindT(list, LB_FINDSTRINGEXACT, text);
}
int FindItemExact(HWND list, const void *text) {
    return UnicodeFlag ? FindItemExactW(list, (const wchar_t *)text)
                       : FindItemExactA(list, (const char *)text);
}

// GetItemText: LB_GETTEXT writes the whole text, so a text longer than the
// buffer is fetched into a block of its own and cut on the way.
template <class Ch> static int GetItemTextT(HWND list, int index, Ch *buffer, int chars) {
    if (!buffer || chars <= 0) return LB_ERR;
    buffer[0] = 0;
    const int length = (int)ApiSendMessage(list, LB_GETTEXTLEN, (WPARAM)index, (const Ch *)nullptr);
    if (length < 0) return LB_ERR;
    if (length < chars) {
        const int copied = (int)ApiSendMessage(list, LB_GETTEXT, (WPARAM)index, buffer);
        if (copied >= 0) return copied;
        buffer[0] = 0;
        return LB_ERR;
    }
    Ch *whole = (Ch *)AllocZeroed(((size_t)length + 1) * sizeof(Ch));
    if (!whole) return LB_ERR;
    int copied = LB_ERR;
    if (ApiSendMessage(list, LB_GETTEXT, (WPARAM)index, whole) >= 0)
        copied = CopyTextBounded(buffer, (const Ch *)whole, chars);
    FreeBlock(whole);
    return copied;
}

int GetItemTextA(HWND list, int index, char *buffer, int chars) {
    return GetItemTextT(list, index, buffer, chars);
}
int GetItemTextW(HWND list, int index, wchar_t *buffer, int chars) {
    return GetItemTextT(list, index, buffer, chars);
}
int GetItemText(HWND list, int index, void *buffer, int chars) {
    return UnicodeFlag ? GetItemTextW(list, index, (wchar_t *)buffer, chars)
                       : GetItemTextA(list, index, (char *)buffer, chars);
}

// The routines without a text speak the list box's own form.
static LRESULT SendInListForm(HWND list, UINT message, WPARAM wParam) {
    return IsWindowUnicode(list) ? SendMessageW(list, message, wParam, 0)
                                 : SendMessageA(list, message, wParam, 0);
}

int GetItemTextLength(HWND list, int index) {
    return (int)SendInListForm(list, LB_GETTEXTLEN, (WPARAM)index);
}
int GetItemCount(HWND list) {
    return (int)SendInListForm(list, LB_GETCOUNT, 0);
}
int DeleteItem(HWND list, int index) {
    return (int)SendInListForm(list, LB_DELETESTRING, (WPARAM)index);
}
int ClearItems(HWND list) {
    return (int)SendInListForm(list, LB_RESETCONTENT, 0);
}

// String lists: HiddenListBoxes holds a count byte, then the handles of the
// lists without gaps in the order of creation, unaligned.
static int StringListCount() {
    return HiddenListBoxes ? HiddenListBoxes[0] : 0;
}
static HWND StringListAt(int position) {
    HWND list;
    memcpy(&list, HiddenListBoxes + 1 + position * sizeof(HWND), sizeof list);
    return list;
}
static void SetStringListAt(int position, HWND list) {
    memcpy(HiddenListBoxes + 1 + position * sizeof(HWND), &list, sizeof list);
}
static_assert(1 + MaxStringLists * sizeof(HWND) <= HiddenListBoxesBytes);

// The class name in the variant's form; the ANSI one is made in the shared
// string buffer.
static const char *ListBoxClass(const char *) {
    ConvertLiteral(L"LISTBOX", ScratchText, ScratchTextBytes);
    return ScratchTextAs<char>();
}
static const wchar_t *ListBoxClass(const wchar_t *) {
    return L"LISTBOX";
}

template <class Ch> static HWND CreateStringListT(int sorted) {
    if (!HiddenListBoxes) return nullptr;
    const int count = StringListCount();
    if (count >= MaxStringLists) return StringListTableFull;
    // No parent and no WS_CHILD: a hidden top-level window far off screen.
    HWND list = ApiCreateWindowEx(WS_EX_LEFT, ListBoxClass((const Ch *)nullptr), nullptr,
                                  sorted ? LBS_SORT : 0, -1000, -1000, 0, 0, nullptr, nullptr,
                                  App->Instance, nullptr);
    if (!list) return nullptr;
    SetStringListAt(count, list);
    HiddenListBoxes[0] = (uint8_t)(count + 1);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    return list;
}

HWND CreateStringListA(int sorted) {
    return CreateStringListT<char>(sorted);
}
HWND CreateStringListW(int sorted) {
    return CreateStringListT<wchar_t>(sorted);
}
HWND CreateStringList(int sorted) {
    return UnicodeFlag ? CreateStringListW(sorted) : CreateStringListA(sorted);
}

int DestroyStringList(HWND list) {
    if (!list) return 0;
    const int count = StringListCount();
    int position = 0;
    while (position < count && StringListAt(position) != list)
        ++position;
    if (position == count) return DestroyWindow(list);
    ClearItems(list);
    DestroyWindow(list);
    for (; position + 1 < count; ++position)
        SetStringListAt(position, StringListAt(position + 1));
    // The release of the runtime stops at the first empty slot.
    SetStringListAt(count - 1, nullptr);
    HiddenListBoxes[0] = (uint8_t)(count - 1);
    return 1;
}
