// A window finished at its creation: the tooltip its ToolTipStyle asks for,
// with one tool per control that has a tooltip text.
#include <gtest/gtest.h>

#include "runtime/properties/readers.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/base/window_object.h"
#include "tests/support/template_builder.h"

#include <commctrl.h>

namespace {

TEST(SetUpWindow, ToolTipStyleGivesTheWindowItsTooltipWithAToolPerTippedControl) {
    for (ToolTipLook look : {ToolTipsNone, ToolTipsStandard, ToolTipsBalloon}) {
        TemplateBuilder builder(3);
        builder.Window().ToolTipStyle = look;
        builder.Add(KindPushButton, 0, L"cmdTipped", L"Tipped").ToolTipText = TextRef(L"Tip");
        builder.Add(KindCheckBox, 1, L"chkPlain", L"Plain");
        builder.Add(KindGroupBox, 2, L"fraBox", L"Box", 1);
        builder.Add(KindLabel, 3, L"lblInside", L"Inside").ToolTipText = TextRef(L"Inner tip");
        const WindowTemplate *t = builder.Finish();
        ASSERT_NE(t, nullptr);
        HWND window = (HWND)CreateFromTemplate(t, nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(window)) << look;

        HWND tip = (HWND)GetToolTip(window);
        if (look == ToolTipsNone) {
            EXPECT_EQ(tip, nullptr);
        } else {
            ASSERT_TRUE(IsWindow(tip)) << look;
            EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 2) << "one in the group too";
            const bool balloon = (GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON) != 0;
            EXPECT_EQ(balloon, look == ToolTipsBalloon);
        }
        DestroyWindow(window);
    }
}

} // namespace
