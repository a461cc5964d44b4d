// Units: twips and pixels on each axis with its own factor; extended styles
// as the running system accepts them.
#include <gtest/gtest.h>

#include "runtime/base/runtime_state.h"
#include "runtime/base/units.h"
#include "tests/support/test_support.h"

namespace {

TEST(Units, TwipsConvertToPixelsAndBackLosingTheRemainder) {
    TwipsFactors screen(15, 12);
    EXPECT_EQ(ToPixelsX(4500, ScaleTwips), 300);
    EXPECT_EQ(ToPixelsY(4500, ScaleTwips), 375) << "each axis by its own factor";
    EXPECT_EQ(FromPixelsX(ToPixelsX(100, ScaleTwips), ScaleTwips), 90);
    EXPECT_EQ(FromPixelsY(ToPixelsY(100, ScaleTwips), ScaleTwips), 96);
    EXPECT_EQ(ToPixelsX(-100, ScaleTwips), -6) << "division truncates toward zero";
    for (int mode : {(int)ScalePixels, 3}) {
        EXPECT_EQ(ToPixelsX(4500, mode), 4500) << "any other scale mode is pixels";
        EXPECT_EQ(ToPixelsY(4500, mode), 4500);
        EXPECT_EQ(FromPixelsX(7, mode), 7);
        EXPECT_EQ(FromPixelsY(7, mode), 7);
    }
}

TEST(Units, MissingTwipsFactorsCountOnePixelAsOneTwip) {
    TwipsFactors none(0, 0);
    EXPECT_EQ(ToPixelsX(300, ScaleTwips), 300);
    EXPECT_EQ(ToPixelsY(-7, ScaleTwips), -7);
    EXPECT_EQ(FromPixelsX(25, ScaleTwips), 25);
    EXPECT_EQ(FromPixelsY(25, ScaleTwips), 25);
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
