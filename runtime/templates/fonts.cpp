// Fonts from a template's font fields: the point-size rule and its
// fixed-scale option.
#include "runtime/templates/appearance.h"
#include "runtime/base/repaint.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_form.h"
#include "runtime/base/window_object.h"

enum { PointsPerInch = 72 };

int FontHeightForSize(int dotsPerInch, int size, int divisor) {
    if (divisor <= 0) divisor = PointsPerInch;
    const int product = dotsPerInch * size;
    int height = product / divisor;
    // Rounded half up.
    if (2 * (product % divisor) >= divisor) ++height;
    return -height;
}

HFONT CreateFontFromFields(HWND window, int size, int bold, int italic, int underline,
                           int strikeOut, const void *faceName, int fixedScale) {
    HDC dc = window ? GetDC(window) : CreateCompatibleDC(nullptr);
    if (!dc) return nullptr;
    const int divisor = fixedScale ? (int)FontScaleDivisor : PointsPerInch;
    const int height = FontHeightForSize(GetDeviceCaps(dc, LOGPIXELSY), size, divisor);
    if (window)
        ReleaseDC(window, dc);
    else
        DeleteDC(dc);
    const int weight = bold ? FW_BOLD : FW_NORMAL;
    const DWORD charSet = UnicodeFlag ? DEFAULT_CHARSET : ANSI_CHARSET;
    return CreateFontAW(height, 0, 0, 0, weight, italic, underline, strikeOut, charSet, 0, 0, 0, 0,
                        faceName);
}

void RebuildFont(WindowObject *object, int fixedScale, int redraw) {
    if (!object) return;
    const HFONT previous = object->Font;
    object->Font = CreateFontFromFields(object->Handle, object->FontSize, object->FontBold,
                                        object->FontItalic, object->FontUnderline,
                                        object->FontStrikeOut, object->FontName, fixedScale);
    SendMessageAW(object->Handle, WM_SETFONT, (WPARAM)object->Font, FALSE);
    // The old font goes only once the window no longer draws with it.
    if (previous) DeleteObject(previous);
    if (redraw) RefreshWindow(object->Handle, 1);
}
