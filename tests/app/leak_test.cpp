// The Settings window made and destroyed 500 times leaves nothing behind.
#include <gtest/gtest.h>

#include <vector>

#include "app/settings.h"
#include "runtime/templates/create_from_template.h"
#include "runtime/painting/frame_pens.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/window_object.h"
#include "tests/support/message_box_answerer.h"
#include "tests/support/test_support.h"

namespace {

struct RuntimeCounters {
    uint32_t TableUsed;
    int PenUses;
    uint8_t HiddenLists;
    long Blocks;
    bool operator==(const RuntimeCounters &) const = default;
};

RuntimeCounters Counters() {
    return {ObjectTableUsed, FramePenUses, HiddenListBoxes[0], LiveBlocks()};
}

void PrintTo(const RuntimeCounters &c, std::ostream *out) {
    *out << "table " << c.TableUsed << " pens " << c.PenUses << " lists " << (int)c.HiddenLists
         << " blocks " << c.Blocks;
}

TEST(Leaks, SettingsWindowFiveHundredTimes) {
    std::vector<WindowObject> entries(SettingsWindowTemplate,
                                      SettingsWindowTemplate + SettingsTemplateEntries);
    entries[0].IsMainWindow = 0;
    entries[0].TemplateStart = entries.data();
    // A guard that refused would wait on its message for a user: answered,
    // it fails the creation, and the test, instead.
    MessageBoxAnswerer refusal;
    // Shown only when closed the user's way: showing and hiding each window
    // would take most of the test's time and make or free nothing more.
    auto once = [&](bool closeIt) {
        entries[0].Visible = closeIt ? 1 : 0;
        HWND window = (HWND)CreateFromTemplate(entries.data(), nullptr, 0, nullptr);
        ASSERT_TRUE(IsWindow(window)) << refusal.Text;
        PumpMessagesFor(0);
        std::vector<HGDIOBJ> made = RuntimeGdiObjects(window);
        ASSERT_GE(made.size(), 12u); // a font for the window and each control
        if (closeIt)
            SendMessageA(window, WM_CLOSE, 0, 0);
        else
            DestroyWindow(window);
        ASSERT_FALSE(IsWindow(window));
        EXPECT_EQ(0, LiveGdiObjects(made));
    };
    // The first windows fill the system's own caches (fonts, classes).
    for (int i = 0; i < 5; ++i) {
        once(i % 2);
        if (HasFatalFailure()) return;
    }
    const RuntimeCounters start = Counters();
    const size_t heapStart = HeapBytesInUse();
    for (int i = 0; i < 500; ++i) {
        once(i % 50 == 0); // a few closed the user's way, with its 100 ms wait
        if (HasFatalFailure()) return;
    }
    EXPECT_EQ(start, Counters());
    EXPECT_EQ(nullptr, WorkArea);
    EXPECT_EQ(nullptr, TextList);
    const long long growth = (long long)HeapBytesInUse() - (long long)heapStart;
    // Less than 64 bytes a window: a leak of any record would show.
    RecordProperty("HeapGrowth", (int)growth);
    EXPECT_LT(growth, 32 * 1024) << "heap grew by " << growth << " bytes";
}

} // namespace
