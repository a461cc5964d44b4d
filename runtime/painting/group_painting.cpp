// Group boxes: the caption measured and painted again in the group's own
// font, colours and alignment.
#include "runtime/painting/painting.h"
#include "runtime/painting/owner_drawn.h"
#include "runtime/base/records.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

// The caption without its "&" prefix marks, into a 260-character buffer.
template <class Ch>
static int CaptionWithoutPrefixes(const Ch *text, Ch *copy, bool keepAmpersands) {
    int n = 0;
    for (; text && *text && n < 259; ++text)
        if (keepAmpersands || *text != '&') copy[n++] = *text;
    copy[n] = 0;
    return n;
}

template <class Ch> static SIZE MeasureCaptionT(HDC dc, const WindowObject *object) {
    Ch copy[260];
    const int n = CaptionWithoutPrefixes((const Ch *)object->TextBuffer, copy, object->NoPrefix);
    SIZE extent = {0, 0};
    ApiGetTextExtentPoint32(dc, copy, n, &extent);
    return extent;
}

void MeasureGroupCaption(WindowObject *object) {
    HWND group = object->Handle;
    HDC dc = GetDC(group);
    HGDIOBJ oldFont = object->Font ? SelectObject(dc, object->Font) : nullptr;
    const SIZE extent =
        UnicodeFlag ? MeasureCaptionT<wchar_t>(dc, object) : MeasureCaptionT<char>(dc, object);
    if (oldFont) SelectObject(dc, oldFont);
    ReleaseDC(group, dc);
    object->CaptionHeight = extent.cy;
    if (extent.cy > 0) {
        object->CaptionLeft = 9;
        object->CaptionWidth = extent.cx + 4;
    } else {
        object->CaptionLeft = 0;
        object->CaptionWidth = 0;
    }
}

void PaintGroupCaption(WindowObject *object, HDC dc) {
    HWND group = object->Handle;
    RECT client;
    GetClientRect(group, &client);
    const int width = client.right;
    RECT caption;
    int captionWidth;
    if (object->Alignment == TextAlignCentre) {
        caption.left = width / 2 - object->CaptionWidth / 2;
        captionWidth = object->CaptionWidth + 1;
    } else if (object->Alignment == TextAlignRight) {
        caption.left = width - object->CaptionWidth - 7;
        captionWidth = object->CaptionWidth;
    } else {
        caption.left = object->CaptionLeft - 2;
        captionWidth = object->CaptionWidth;
    }
    caption.right = caption.left + captionWidth + 2;
    caption.top = 0;
    caption.bottom = object->CaptionHeight + 2;

    PAINTSTRUCT paint;
    const bool began = dc == nullptr;
    if (began) {
        InvalidateRect(group, &caption, FALSE);
        dc = BeginPaint(group, &paint);
    }
    if (object->ShowFrame && OsLevel >= OsXp && object->TextLength != 0) {
        HGDIOBJ oldBrush = SelectObject(dc, object->BackBrush);
        PatBlt(dc, caption.left, caption.top, caption.right - caption.left,
               caption.bottom - caption.top, PATCOPY);
        SelectObject(dc, oldBrush);
        caption.left += 2;
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = object->Font ? SelectObject(dc, object->Font) : nullptr;
        if (object->Enabled) {
            SetTextColor(dc, object->ForeColor);
            DrawTextAW(dc, object->TextBuffer, -1, &caption, DT_SINGLELINE);
        } else {
            // Not DrawState with a prefix text: Wine's cuts off the last
            // glyph of the text it measures.
            DrawEmbossedText(dc, object->TextBuffer, caption, DT_SINGLELINE);
        }
        if (oldFont) SelectObject(dc, oldFont);
    }
    if (began) EndPaint(group, &paint);
    EraseSiblingsOver(group);
}
