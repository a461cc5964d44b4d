// Sizes that follow content: the size nudge, labels and picture boxes sized
// to their caption or picture, and the drop-down height of combo boxes.
#include "runtime/winproc/creation_knot.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/units.h"
#include "runtime/base/window_object.h"

void NudgeSize(HWND window) {
    RECT rect;
    if (WindowRectInParent(window, &rect) < 0) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    MoveWindow(window, rect.left, rect.top, width + 1, height + 1, FALSE);
    if (IsWindowVisible(window))
        SetWindowPos(window, nullptr, rect.left, rect.top, width, height,
                     SWP_NOZORDER | SWP_FRAMECHANGED);
    else
        MoveWindow(window, rect.left, rect.top, width, height, TRUE);
}

// "&" marks the mnemonic and is not drawn; "&&" draws one "&".
template <class Ch> static int DropPrefixMarks(const Ch *text, Ch *copy) {
    int n = 0;
    for (int i = 0; text[i]; ++i) {
        if (text[i] == '&') {
            ++i;
            if (!text[i]) break;
        }
        copy[n++] = text[i];
    }
    copy[n] = 0;
    return n;
}

template <class Ch> static SIZE MeasureLabelCaptionT(WindowObject *object) {
    SIZE size = {0, 0};
    const Ch *caption = IsHeapText(object->TextBuffer) ? (const Ch *)object->TextBuffer : nullptr;
    const int length = caption ? ApiStringLength(caption) : 0;
    Ch *copy = (Ch *)AllocZeroed((length + 1) * sizeof(Ch));
    if (!copy) return size;
    int n = length;
    if (caption && !object->NoPrefix)
        n = DropPrefixMarks(caption, copy);
    else if (caption)
        CopyTextBounded(copy, caption, length + 1);
    HDC dc = GetDC(object->Handle);
    if (dc) {
        HGDIOBJ previous = object->Font ? SelectObject(dc, object->Font) : nullptr;
        if (!ApiGetTextExtentPoint32(dc, copy, n, &size)) size.cx = size.cy = 0;
        if (previous) SelectObject(dc, previous);
        ReleaseDC(object->Handle, dc);
    }
    FreeBlock(copy);
    object->CaptionHeight = size.cy;
    return size;
}

SIZE MeasureLabelCaption(WindowObject *object) {
    return UnicodeFlag ? MeasureLabelCaptionT<wchar_t>(object) : MeasureLabelCaptionT<char>(object);
}

static void StoreRect(WindowObject *object, const RECT &rect) {
    object->Left = FromPixelsX(rect.left, object->ScaleMode);
    object->Top = FromPixelsY(rect.top, object->ScaleMode);
    object->Width = FromPixelsX(rect.right - rect.left, object->ScaleMode);
    object->Height = FromPixelsY(rect.bottom - rect.top, object->ScaleMode);
}

static void AutoSizeLabel(WindowObject *object, RECT rect, int borderX, int borderY) {
    const SIZE text = MeasureLabelCaption(object);
    switch (object->Alignment) {
    case TextAlignCentre:
        rect.left = rect.left + ((rect.right - rect.left) >> 1) - (text.cx >> 1) - borderX;
        rect.right = rect.left + text.cx + borderX;
        break;
    case TextAlignRight: rect.left = rect.right - text.cx - borderX; break;
    default: rect.right = rect.left + text.cx + borderX; break;
    }
    rect.bottom = rect.top + text.cy + borderY;
    StoreRect(object, rect);
    MoveWindow(object->Handle, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
}

static void AutoSizePicture(WindowObject *object, const RECT &rect, int borderX, int borderY) {
    if (object->PictureWidth <= 0 || object->PictureHeight <= 0) return;
    const int width = object->PictureWidth + borderX;
    const int height = object->PictureHeight + borderY;
    object->Width = FromPixelsX(width, object->ScaleMode);
    object->Height = FromPixelsY(height, object->ScaleMode);
    MoveWindow(object->Handle, rect.left, rect.top, width, height, TRUE);
}

void AutoSizeControl(WindowObject *object) {
    if (!object || !object->AutoSize) return;
    if (object->Kind != KindLabel && object->Kind != KindPictureBox) return;
    RECT window, client;
    if (WindowRectInParent(object->Handle, &window) < 0) return;
    GetClientRect(object->Handle, &client);
    const int borderX = (window.right - window.left) - client.right;
    const int borderY = (window.bottom - window.top) - client.bottom;
    if (object->Kind == KindLabel)
        AutoSizeLabel(object, window, borderX, borderY);
    else
        AutoSizePicture(object, window, borderX, borderY);
}

void FitComboHeight(WindowObject *object, int resize) {
    if (!object || !object->Handle) return;
    // An extended combo box sizes the combo box inside it.
    HWND combo = object->Handle;
    if (object->Kind == KindExtendedComboBox) {
        HWND inner = (HWND)SendMessageAW(combo, CBEM_GETCOMBOCONTROL, 0, 0);
        if (inner) combo = inner;
    }
    object->ItemHeight = (int)SendMessageAW(combo, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
    RECT rect;
    GetWindowRect(combo, &rect);
    const int height = rect.bottom - rect.top;
    object->Height = FromPixelsY(height, object->ScaleMode);
    if (!resize) return;
    SetWindowPos(combo, nullptr, 0, 0, rect.right - rect.left,
                 object->VisibleItems * object->ItemHeight + height + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SendMessageAW(combo, CB_SETEDITSEL, 0, -1);
    InvalidateRect(combo, nullptr, TRUE);
}
