// Owner-drawn push buttons, labels and images: the runtime's own drawing of
// the controls whose parents receive WM_DRAWITEM for them.
#include "runtime/painting/owner_drawn.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/painting/painting.h"
#include "runtime/painting/theme.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

enum : COLORREF { EmbossLight = 0xFFFFFF, EmbossShadow = 0x808080 };
// Pixels between a button's image and its caption.
enum { ImageGapBeside = 8, ImageGapAbove = 6 };

int ThemedButtonState(const WindowObject *object, UINT itemState, bool hot) {
    if (itemState & ODS_SELECTED) return ButtonPressed;
    if (hot) return ButtonHot;
    if ((itemState & ODS_FOCUS) || (object->IsDefault && object->Enabled)) return ButtonDefaulted;
    return ButtonNormal;
}

void DrawEmbossedText(HDC dc, const void *text, RECT rect, UINT format) {
    // A white copy down and right, the grey text on top.
    RECT raised = rect;
    raised.left += 2;
    raised.top += 2;
    SetTextColor(dc, EmbossLight);
    DrawTextAW(dc, text, -1, &raised, format);
    SetTextColor(dc, EmbossShadow);
    DrawTextAW(dc, text, -1, &rect, format);
}

void DrawButtonImage(const WindowObject *object, HDC dc, int x, int y) {
    UINT flags = object->PictureType == PictureBitmap ? DST_BITMAP : DST_ICON;
    if (!object->Enabled) flags |= DSS_DISABLED;
    DrawStateAW(dc, nullptr, nullptr, (LPARAM)object->Picture, 0, x, y, 0, 0, flags);
}

// The raised classic edge: white on the left and top, black on the bottom
// and right with dark grey one pixel inside; systems before 3.0 also had a
// light grey line inside the white one.
static void DrawRaisedEdge(HDC dc, const RECT &r) {
    AcquireFramePens();
    SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.right - 1, r.top - 1);
    SelectObject(dc, FramePenDark);
    MoveToEx(dc, r.left + 1, r.bottom - 2, nullptr);
    LineTo(dc, r.right - 2, r.bottom - 2);
    LineTo(dc, r.right - 2, r.top);
    if (LOBYTE(LOWORD(GetVersion())) < 3) {
        SelectObject(dc, FramePenLight);
        MoveToEx(dc, r.left + 1, r.bottom - 2, nullptr);
        LineTo(dc, r.left + 1, r.top + 1);
        LineTo(dc, r.right - 2, r.top + 1);
    }
    SelectObject(dc, GetStockObject(BLACK_PEN));
    ReleaseFramePens();
}

void DrawButtonFrame(const WindowObject *object, HDC dc, RECT rect, UINT itemState) {
    const bool focusShown = (itemState & ODS_FOCUS) && object->ShowFocus;
    const int saved = SaveDC(dc);
    if (object->Enabled && (object->IsDefault || focusShown)) {
        FrameRect(dc, &rect, (HBRUSH)GetStockObject(BLACK_BRUSH));
        InflateRect(&rect, -1, -1);
    }
    if (itemState & ODS_SELECTED)
        FrameRect(dc, &rect, (HBRUSH)GetStockObject(GRAY_BRUSH));
    else
        DrawRaisedEdge(dc, rect);
    RestoreDC(dc, saved);
    if (focusShown) {
        InflateRect(&rect, -3, -3);
        DrawFocusRect(dc, &rect);
    }
}

void DrawButtonFace(WindowObject *object, const DRAWITEMSTRUCT *item, int classic) {
    HDC dc = item->hDC;
    const RECT &r = item->rcItem;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    UINT format = DT_CENTER;
    if (item->itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;
    format |= object->MultiLine ? DT_WORDBREAK : DT_VCENTER | DT_SINGLELINE;
    const int saved = SaveDC(dc);
    if (object->Font) SelectObject(dc, object->Font);

    const bool captioned = !IsEmptyTextAW(object->TextBuffer);
    int textWidth = 0, textHeight = 0;
    if (captioned) {
        RECT measured = r;
        DrawTextAW(dc, object->TextBuffer, -1, &measured, (format & ~DT_VCENTER) | DT_CALCRECT);
        textWidth = measured.right - measured.left;
        textHeight = measured.bottom - measured.top;
    }
    if (classic && object->BackBrush) {
        SelectObject(dc, object->BackBrush);
        PatBlt(dc, 1, 1, r.right - 2, r.bottom - 2, PATCOPY);
    }

    RECT text = r;
    if (object->PictureType != PictureNone && object->Picture) {
        const int width = object->PictureWidth, height = object->PictureHeight;
        int x = r.right / 2 - width / 2, y = r.bottom / 2 - height / 2;
        if (captioned) {
            switch (object->PicturePosition) {
            case ImageLeft:
            case ImageRight: {
                if (object->MultiLine) text.top = r.bottom / 2 - textHeight / 2;
                const int x0 = r.right / 2 - (width + textWidth + ImageGapBeside) / 2;
                if (object->PicturePosition == ImageLeft) {
                    x = x0;
                    text.left = x0 + width + ImageGapBeside;
                } else {
                    text.left = x0;
                    text.right = x0 + textWidth;
                    x = x0 + textWidth + ImageGapBeside;
                }
                format &= ~DT_CENTER;
                break;
            }
            case ImageAbove:
            case ImageBelow: {
                const int y0 = (r.bottom - r.top) / 2 - (height + ImageGapAbove + textHeight) / 2;
                if (object->PicturePosition == ImageBelow) {
                    text.top = y0;
                    y = y0 + textHeight + ImageGapAbove;
                } else {
                    y = y0;
                    text.top += y0 + height + ImageGapAbove;
                }
                format &= ~DT_VCENTER;
                break;
            }
            default: break;
            }
        }
        if (classic && pressed) ++x, ++y;
        DrawButtonImage(object, dc, x, y);
    } else if (object->MultiLine) {
        const int top = r.bottom / 2 - textHeight / 2;
        text.bottom += top - text.top;
        text.top = top;
    }

    if (captioned) {
        SetBkMode(dc, TRANSPARENT);
        if (classic && pressed) OffsetRect(&text, 1, 1);
        if (object->Enabled) {
            SetTextColor(dc, object->ForeColor);
            DrawTextAW(dc, object->TextBuffer, -1, &text, format);
        } else {
            DrawEmbossedText(dc, object->TextBuffer, text, format);
        }
    }
    RestoreDC(dc, saved);
    if (classic) DrawButtonFrame(object, dc, r, item->itemState);
}

// Draws the button in the visual style; false when the style has no data
// for buttons.
static bool DrawThemedButton(WindowObject *object, const DRAWITEMSTRUCT *item, HWND hot) {
    HWND button = item->hwndItem;
    HANDLE theme = ThemeTable.OpenThemeData(button, L"BUTTON");
    if (!theme) return false;
    const int state = ThemedButtonState(object, item->itemState, button == hot);
    // Rounded corners let the parent's background show through.
    if (ThemeTable.IsThemeBackgroundPartiallyTransparent && ThemeTable.DrawThemeParentBackground &&
        ThemeTable.IsThemeBackgroundPartiallyTransparent(theme, ButtonPartPush, state))
        ThemeTable.DrawThemeParentBackground(button, item->hDC, &item->rcItem);
    ThemeTable.DrawThemeBackground(theme, item->hDC, ButtonPartPush, state, &item->rcItem, nullptr);
    ThemeTable.CloseThemeData(theme);
    DrawButtonFace(object, item, 0);
    return true;
}

int DrawOwnerButton(const DRAWITEMSTRUCT *item, HWND hot) {
    WindowObject *object = ObjectFromHandle(item->hwndItem);
    if (!object) return 0;
    const RECT &r = item->rcItem;
    // Composed over a copy of the pixels under the button, and shown in one
    // copy, so that nothing flickers.
    DRAWITEMSTRUCT composed = *item;
    HDC memory = CreateCompatibleDC(item->hDC);
    HBITMAP bitmap = memory ? CreateCompatibleBitmap(item->hDC, r.right, r.bottom) : nullptr;
    HGDIOBJ oldBitmap = nullptr;
    if (bitmap) {
        oldBitmap = SelectObject(memory, bitmap);
        BitBlt(memory, r.left, r.top, r.right, r.bottom, item->hDC, 0, 0, SRCCOPY);
        composed.hDC = memory;
    }
    const bool themed = ThemeTable.Library && HasManifest;
    if (!themed || !DrawThemedButton(object, &composed, hot)) DrawButtonFace(object, &composed, 1);
    if (bitmap) {
        BitBlt(item->hDC, r.left, r.top, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, oldBitmap);
        DeleteObject(bitmap);
    }
    if (memory) DeleteDC(memory);
    return 1;
}

int DrawOwnerStatic(HWND control, HDC dc, const RECT *rect) {
    WindowObject *object = ObjectFromHandle(control);
    if (!object) return 0;
    if (!object->Transparent && object->BackBrush) FillRect(dc, rect, object->BackBrush);
    if (object->Kind == KindImage) {
        DrawImageInRect(object, dc, dc, rect);
        return 1;
    }
    if (IsEmptyTextAW(object->TextBuffer)) return 1;
    UINT format = DT_EXPANDTABS;
    format |= object->WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (object->Alignment == TextAlignCentre)
        format |= DT_CENTER;
    else if (object->Alignment != TextAlignLeft)
        format |= DT_RIGHT;
    if (object->Style & SS_CENTERIMAGE) format |= DT_VCENTER | DT_SINGLELINE;
    if (object->NoPrefix) format |= DT_NOPREFIX;
    if (object->Style & SS_PATHELLIPSIS) format |= DT_PATH_ELLIPSIS;

    const int saved = SaveDC(dc);
    SetTextColor(dc, object->ForeColor);
    SetBkMode(dc, TRANSPARENT);
    if (object->Font) SelectObject(dc, object->Font);
    RECT area = *rect;
    if (object->Enabled)
        DrawTextAW(dc, object->TextBuffer, -1, &area, format);
    else
        DrawStateAW(dc, nullptr, nullptr, (LPARAM)object->TextBuffer, object->TextLength, area.left,
                    area.top, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
    RestoreDC(dc, saved);
    return 1;
}
