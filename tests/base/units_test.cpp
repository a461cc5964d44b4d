// Units: twips and pixels on each axis with its own factor; extended styles
// as the running system accepts them.
#include <gtest/gtest.h>

#include "runtime/base/runtime_state.h"
#include "runtime/base/units.h"

namespace {

TEST(Units, TwipsAndLayoutPixelsBecomeDevicePixelsAtTheWindowsDpi) {
    EXPECT_EQ(ToPixelsX(4500, ScaleTwips, 96), 300);
    EXPECT_EQ(ToPixelsY(4500, ScaleTwips, 120), 375);
    EXPECT_EQ(FromPixelsX(ToPixelsX(100, ScaleTwips, 96), ScaleTwips, 96), 90)
        << "twips lose what a device pixel cannot hold";
    EXPECT_EQ(ToPixelsX(-100, ScaleTwips, 96), -6) << "division truncates toward zero";
    for (int mode : {(int)ScalePixels, 3}) {
        EXPECT_EQ(ToPixelsX(4500, mode, 96), 4500) << "any other scale mode is pixels";
        EXPECT_EQ(ToPixelsY(7, mode, 192), 14);
        EXPECT_EQ(FromPixelsX(14, mode, 192), 7);
        EXPECT_EQ(FromPixelsY(-7, mode, 96), -7);
    }
    EXPECT_EQ(ScaleToDpi(23, 144), 34);
    EXPECT_EQ(ToPixelsX(4500, ScaleTwips, 0), 300) << "an unknown resolution counts as 96";
}

TEST(Units, LayoutPixelsComeBackWholeFromEveryScreenOfAtLeast96Dpi) {
    for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        for (int value : {-301, -7, -1, 0, 1, 5, 23, 457, 32767}) {
            ASSERT_EQ(FromPixelsX(ToPixelsX(value, ScalePixels, dpi), ScalePixels, dpi), value)
                << value << " at " << dpi;
            ASSERT_EQ(ScaleFromDpi(ScaleToDpi(value, dpi), dpi), value) << value << " at " << dpi;
        }
        // A twips position names the same device pixel as the pixel value
        // fifteen times smaller.
        for (int pixels : {0, 1, 3, 7, 100, 457})
            ASSERT_EQ(ToPixelsY(pixels * 15, ScaleTwips, dpi), ToPixelsY(pixels, ScalePixels, dpi))
                << pixels << " at " << dpi;
    }
}

TEST(ExStyles, LayoutMirroringIsDroppedOnlyBeforeWindows2000) {
    const int saved = OsLevel;
    const DWORD asked = WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT | WS_EX_CLIENTEDGE;
    for (int level : {(int)OsNt, (int)Os2000, (int)Os10}) {
        OsLevel = level;
        EXPECT_EQ(level < Os2000 ? (DWORD)WS_EX_CLIENTEDGE : asked, ExStyleForSystem(asked))
            << level;
    }
    OsLevel = saved;
}

} // namespace
