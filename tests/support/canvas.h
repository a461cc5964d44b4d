// A memory device context over a 32-bit DIB section, for reading back what
// painting routines and colour requests do to a device context.
#pragma once

#include <windows.h>

class Canvas {
  public:
    // A canvas of width by height pixels, all of colour fill.
    Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const;
    // How many pixels inside area (clipped to the canvas) have the colour.
    int Count(COLORREF colour, RECT area) const;
    int Count(COLORREF colour) const { return Count(colour, {0, 0, width_, height_}); }
    // The smallest rectangle holding every pixel of the colour; empty if none.
    RECT Extent(COLORREF colour) const;
    // Copies what is on screen in a window's client area to (0, 0).
    void CopyFrom(HWND window);

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    const DWORD *bits_ = nullptr;
};

// The colour of a solid brush.
COLORREF BrushColour(HBRUSH brush);
