// Group boxes: the caption measured and painted again in the group's own
// font, colours and alignment.
#include "runtime/painting/painting.h"
#include "runtime/base/runtime_state.h"
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

void MeasureGroupCaption(WindowObject *object) {
    HWND group = object->Handle;
    HDC dc = GetDC(group);
    HGDIOBJ oldFont = object->Font ? SelectObject(dc, object->Font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, object->ForeColor);
    SIZE extent = {0, 0};
    if (UnicodeFlag) {
        wchar_t copy[260];
        const int n =
            CaptionWithoutPrefixes((const wchar_t *)object->TextBuffer, copy, object->NoPrefix);
        GetTextExtentPoint32W(dc, copy, n, &extent);
    } else {
        char copy[260];
        const int n =
            CaptionWithoutPrefixes((const char *)object->TextBuffer, copy, object->NoPrefix);
        // Looked up by name: not every system exports the ANSI form.
        HMODULE gdi = LoadLibraryA("gdi32.dll");
        typedef BOOL(WINAPI * MeasureFunction)(HDC, const char *, int, SIZE *);
        MeasureFunction measure =
            gdi ? (MeasureFunction)GetProcAddress(gdi, "GetTextExtentPoint32A") : nullptr;
        if (measure) measure(dc, copy, n, &extent);
        if (gdi) FreeLibrary(gdi);
    }
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

void PaintGroupCaption(WindowObject *object) {
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

    InvalidateRect(group, &caption, FALSE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(group, &paint);
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
            if (UnicodeFlag)
                DrawTextW(dc, (const wchar_t *)object->TextBuffer, -1, &caption, DT_SINGLELINE);
            else
                DrawTextA(dc, (const char *)object->TextBuffer, -1, &caption, DT_SINGLELINE);
        } else if (UnicodeFlag) {
            DrawStateW(dc, nullptr, nullptr, (LPARAM)object->TextBuffer, 0, caption.left,
                       caption.top, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
        } else {
            DrawStateA(dc, nullptr, nullptr, (LPARAM)object->TextBuffer, 0, caption.left,
                       caption.top, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
        }
        if (oldFont) SelectObject(dc, oldFont);
    }
    EndPaint(group, &paint);
    EraseSiblingsOver(group);
}
