// The items of toolbars, status bars, tab controls, image-list holders and
// headers, given to the controls right after they are created, and the
// image lists of the holders found by name.
#include "runtime/templates/control_items.h"
#include "runtime/base/kinds.h"
#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

#include <commctrl.h>
#include <string.h>

void *OwnItemRecords(WindowObject *object, int count, size_t size) {
    void *records = AllocZeroed(count * size);
    if (!records) return nullptr;
    memcpy(records, object->Items, count * size);
    object->Items = records;
    return records;
}

void ReleaseControlItems(WindowObject *object) {
    if (!object || !object->Items) return;
    if (object->Kind == KindToolbar) {
        ToolbarItem *buttons = (ToolbarItem *)object->Items;
        for (int i = 0; i < object->ItemCount; ++i)
            FreeText(buttons[i].Text);
    } else if (object->Kind != KindRebar) {
        return;
    }
    FreeBlock(object->Items);
    object->Items = nullptr;
}

// A text reference as an owned copy with room for extra characters after it.
template <class Ch> static Ch *CopyWithRoom(const void *text, int extra) {
    Ch *converted = (Ch *)CopyText(nullptr, text, 0);
    if (!converted) return nullptr;
    const int length = ApiStringLength(converted);
    Ch *copy = (Ch *)AllocZeroed((length + extra) * sizeof(Ch));
    if (copy) memcpy(copy, converted, length * sizeof(Ch));
    FreeBlock(converted);
    return copy;
}

// A button text is shown when it is more than nothing or a single blank.
template <class Ch> static bool IsShownText(const Ch *text) {
    return text[0] && (text[1] || text[0] != ' ');
}

template <class Ch> static void AddToolbarButtons(HWND window, WindowObject *object) {
    const int count = object->ItemCount;
    ToolbarItem *buttons = (ToolbarItem *)OwnItemRecords(object, count, sizeof(ToolbarItem));
    if (!buttons) return;
    bool shown = false;
    for (int i = 0; i < count; ++i) {
        // The copy stays with the button; the room after it holds the blank
        // of an empty text and the double NUL that a toolbar string needs.
        Ch *text = CopyWithRoom<Ch>(buttons[i].Text, 4);
        buttons[i].Text = text;
        if (text && IsShownText(text)) shown = true;
    }
    SendMessageAW(window, TextMessageT<Ch>(TB_ADDBUTTONSA, TB_ADDBUTTONSW), count, (LPARAM)buttons);
    if (!shown) return;
    for (int i = 0; i < count; ++i) {
        Ch *text = (Ch *)buttons[i].Text;
        if (!text) continue;
        if (!text[0]) text[0] = ' ';
        SendMessageAW(window, TextMessageT<Ch>(TB_ADDSTRINGA, TB_ADDSTRINGW), 0, (LPARAM)text);
    }
}

void SetUpToolbar(HWND window, WindowObject *object) {
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)object->Style);
    SendMessageAW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = nullptr;
    if (IsResourceNumber(object->Picture)) {
        const UINT flags = LR_SHARED | LR_CREATEDIBSECTION |
                           ((object->Style & TBSTYLE_TRANSPARENT) ? LR_LOADTRANSPARENT : 0);
        images = ImageList_LoadImageW(App->Instance, MAKEINTRESOURCEW(object->Picture),
                                      object->PictureWidth, 0, CLR_DEFAULT, IMAGE_BITMAP, flags);
    }
    object->Picture = (ImageRef)images;
    SendMessageAW(window, TB_SETIMAGELIST, 0, (LPARAM)images);
    SendMessageAW(window, TB_SETBITMAPSIZE, 0, MAKELONG(object->ButtonWidth, object->ButtonHeight));
    if (object->Items && object->ItemCount >= 1) {
        if (UnicodeFlag)
            AddToolbarButtons<wchar_t>(window, object);
        else
            AddToolbarButtons<char>(window, object);
    }
    SendMessageAW(window, TB_AUTOSIZE, 0, 0);
}

// Sends one item text in the active form with wParam and frees the copy.
static void SendItemText(HWND window, UINT message, WPARAM wParam, const void *text) {
    void *copy = CopyText(nullptr, text, 0);
    SendMessageAW(window, message, wParam, (LPARAM)copy);
    FreeBlock(copy);
}

void SetStatusBarParts(const WindowObject *object) {
    const int count = object->ItemCount;
    if (!object->Items || count < 1) return;
    const StatusBarItem *parts = (const StatusBarItem *)object->Items;
    int *rightEdges = (int *)AllocZeroed(count * sizeof(int));
    if (!rightEdges) return;
    const int dpi = ObjectDpi(object);
    for (int i = 0; i < count; ++i)
        rightEdges[i] = parts[i].Width == -1
                            ? -1
                            : ScaleToDpi(parts[i].Width, dpi) + (i ? rightEdges[i - 1] : 0);
    SendMessageAW(object->Handle, SB_SETPARTS, count, (LPARAM)rightEdges);
    FreeBlock(rightEdges);
}

void SetUpStatusBar(HWND window, WindowObject *object) {
    const UINT setText = TextMessageAW(SB_SETTEXTA, SB_SETTEXTW);
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)object->Style);
    SendMessageAW(window, SB_SIMPLE, object->SimpleMode, 0);
    SendMessageAW(window, setText, SB_SIMPLEID | (object->ReadingOrder ? SBT_RTLREADING : 0),
                  (LPARAM)object->TextBuffer);
    const int count = object->ItemCount;
    if (!object->Items || count < 1) return;
    SetStatusBarParts(object);
    const StatusBarItem *parts = (const StatusBarItem *)object->Items;
    for (int i = 0; i < count; ++i)
        SendItemText(window, setText, i | parts[i].DrawType, parts[i].Text);
}

void SendScaledSizes(const WindowObject *object) {
    const int dpi = ObjectDpi(object);
    if (object->Kind == KindTreeView)
        SendMessageAW(object->Handle, TVM_SETINDENT, ScaleToDpi(object->Indentation, dpi), 0);
    else if (object->Kind == KindPager)
        SendMessageAW(object->Handle, PGM_SETBUTTONSIZE, 0,
                      ScaleToDpi(object->PagerButtonSize, dpi));
}

void SetUpTabs(HWND window, WindowObject *object) {
    const TabItem *tabs = (const TabItem *)object->Items;
    for (int i = 0; tabs && i < object->ItemCount; ++i) {
        TCITEMW tab = {};
        tab.mask = TCIF_TEXT;
        tab.pszText = (wchar_t *)CopyText(nullptr, tabs[i].Text, 0);
        SendMessageAW(window, TextMessageAW(TCM_INSERTITEMA, TCM_INSERTITEMW), i, (LPARAM)&tab);
        FreeBlock(tab.pszText);
    }
    SendMessageAW(window, TCM_SETCURSEL, 0, 0);
}

static void AddBitmap(HIMAGELIST images, HBITMAP bitmap) {
    if (OsLevel >= OsNt)
        ImageList_Add(images, bitmap, nullptr);
    else
        ImageList_AddMasked(images, bitmap, CLR_NONE);
}

// A list of icons alone has its images at the size that fits its window's
// dots per inch; bitmaps keep their own pixels.
static bool HoldsIconsOnly(const WindowObject *object) {
    const ImageListItem *records = (const ImageListItem *)object->Items;
    if (object->Picture || !records) return false;
    for (int i = 0; i < object->InitialImages; ++i)
        if (records[i].Resource && !records[i].ImageType) return false;
    return true;
}

static SIZE ImageListSize(const WindowObject *object) {
    if (!HoldsIconsOnly(object)) return {object->PictureWidth, object->ItemHeight};
    const int dpi = ObjectDpi(object);
    return {ScaleToDpi(object->PictureWidth, dpi), ScaleToDpi(object->ItemHeight, dpi)};
}

// The images are copied into the list and released at once, so they are
// loaded unshared: a shared icon must never be destroyed.
static void AddRecordImages(HIMAGELIST images, const WindowObject *object, SIZE size) {
    const ImageListItem *records = (const ImageListItem *)object->Items;
    for (int i = 0; images && records && i < object->InitialImages; ++i) {
        if (!records[i].Resource) continue;
        const UINT type = records[i].ImageType ? IMAGE_ICON : IMAGE_BITMAP;
        HANDLE image = LoadImageW(App->Instance, MAKEINTRESOURCEW(records[i].Resource), type,
                                  size.cx, size.cy, 0);
        if (!image) continue;
        if (type == IMAGE_ICON) {
            ImageList_AddIcon(images, (HICON)image);
            DestroyIcon((HICON)image);
        } else {
            AddBitmap(images, (HBITMAP)image);
            DeleteObject(image);
        }
    }
}

void RescaleImageList(WindowObject *object) {
    if (!object || !object->ImageList || !HoldsIconsOnly(object)) return;
    const SIZE size = ImageListSize(object);
    int width = 0, height = 0;
    ImageList_GetIconSize(object->ImageList, &width, &height);
    if (width == size.cx && height == size.cy) return;
    // The list keeps its handle, which the controls showing it hold.
    ImageList_SetIconSize(object->ImageList, size.cx, size.cy);
    AddRecordImages(object->ImageList, object, size);
}

void SetUpImageListHolder(WindowObject *object) {
    const SIZE size = ImageListSize(object);
    const int initial = object->InitialImages;
    HIMAGELIST images =
        ImageList_Create(size.cx, size.cy, (UINT)object->ImageListFlags | ILC_MASK, initial, 0);
    object->ImageList = images;
    if (object->Picture) {
        HBITMAP strip = nullptr;
        if (IsResourceNumber(object->Picture))
            strip = (HBITMAP)LoadImageW(App->Instance, MAKEINTRESOURCEW(object->Picture),
                                        IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT);
        if (strip && images) AddBitmap(images, strip);
        if (strip) DeleteObject(strip);
        object->Picture = 0;
        return;
    }
    AddRecordImages(images, object, size);
}

static int HeaderAlignment(int alignment) {
    return alignment == TextAlignCentre  ? HDF_CENTER
           : alignment == TextAlignRight ? HDF_RIGHT
                                         : HDF_LEFT;
}

void SetUpHeader(HWND window, WindowObject *object) {
    SetWindowLongAW(window, GWL_STYLE, (LONG_PTR)object->Style);
    HIMAGELIST images = nullptr;
    const wchar_t *holder =
        IsHeapText((const void *)object->Picture) ? (const wchar_t *)object->Picture : nullptr;
    if (holder && holder[0]) images = FindImageList(object->ParentHandle, holder);
    if (images) {
        SendMessageAW(window, HDM_SETIMAGELIST, HDSIL_NORMAL, (LPARAM)images);
        object->Picture = (ImageRef)images;
    }
    const HeaderItem *columns = (const HeaderItem *)object->Items;
    const int dpi = ObjectDpi(object);
    for (int i = 0; columns && i < object->ItemCount; ++i) {
        HDITEMW column = {};
        column.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_ORDER;
        column.cxy = ScaleToDpi(columns[i].Width, dpi);
        column.fmt = HDF_STRING | HeaderAlignment(columns[i].Alignment) |
                     (object->ReadingOrder ? HDF_RTLREADING : 0);
        column.iOrder = i;
        if (columns[i].Image && images) {
            column.mask |= HDI_IMAGE;
            column.fmt |= HDF_IMAGE;
            column.iImage = columns[i].Image - 1;
        }
        column.pszText = (wchar_t *)CopyText(nullptr, columns[i].Text, 0);
        SendMessageAW(window, TextMessageAW(HDM_INSERTITEMA, HDM_INSERTITEMW), i, (LPARAM)&column);
        FreeBlock(column.pszText);
    }
    object->Picture = 0;
}

// FindImageList: an image-list holder found by its Name inside a window.
HIMAGELIST FindImageList(HWND window, const wchar_t *name) {
    if (!window || !name) return nullptr;
    HWND first = GetWindow(window, GW_CHILD);
    if (!first) return nullptr;
    for (HWND child = GetWindow(first, GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
        const WindowObject *object = ObjectFromHandle(child);
        if (!object) continue;
        if (object->Kind == KindImageListHolder && object->Name && !lstrcmpiW(object->Name, name))
            return object->ImageList;
        if (!IsContainerKind(object->Kind)) continue;
        HIMAGELIST found = FindImageList(child, name);
        if (found) return found;
    }
    return nullptr;
}
