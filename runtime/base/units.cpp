// Scale-mode conversion between an object's units and pixels.
#include "runtime/base/units.h"
#include "runtime/base/runtime_state.h"

// A screen above 1440 dpi would give a factor of 0; one pixel per twip is
// the nearest meaningful value.
static int Factor(uint32_t twipsPerPixel) {
    return twipsPerPixel ? (int)twipsPerPixel : 1;
}

int ToPixelsX(int value, int scaleMode) {
    return scaleMode == ScaleTwips ? value / Factor(TwipsPerPixelX) : value;
}

int ToPixelsY(int value, int scaleMode) {
    return scaleMode == ScaleTwips ? value / Factor(TwipsPerPixelY) : value;
}

int FromPixelsX(int pixels, int scaleMode) {
    return scaleMode == ScaleTwips ? pixels * Factor(TwipsPerPixelX) : pixels;
}

int FromPixelsY(int pixels, int scaleMode) {
    return scaleMode == ScaleTwips ? pixels * Factor(TwipsPerPixelY) : pixels;
}
