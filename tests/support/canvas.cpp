// Memory canvases for painting tests.
#include "tests/support/canvas.h"

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = (const DWORD *)bits;
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const DWORD bgr = bits_[y * width_ + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

int Canvas::Count(COLORREF colour, RECT area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == colour) ++n;
    return n;
}

RECT Canvas::Extent(COLORREF colour) const {
    RECT box = {width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (Pixel(x, y) == colour) {
                if (x < box.left) box.left = x;
                if (y < box.top) box.top = y;
                if (x >= box.right) box.right = x + 1;
                if (y >= box.bottom) box.bottom = y + 1;
            }
    if (box.right == 0) SetRectEmpty(&box);
    return box;
}

void Canvas::CopyFrom(HWND window) {
    HDC screen = GetDC(window);
    BitBlt(dc_, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof info, &info);
    return info.lbColor;
}
