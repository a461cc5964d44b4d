// The object table: growth, first-match lookup, removal that keeps it dense,
// and the lookup cache that must never answer with a pair that is gone.
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

#include "runtime/base/memory.h"
#include "runtime/base/object_table.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/text_copies.h"
#include "runtime/base/window_object.h"

namespace {

// Runs a test on a fresh table of its own and puts the process's back.
class ObjectTableTest : public testing::Test {
  protected:
    void SetUp() override {
        SavedTable = ObjectTable;
        SavedUsed = ObjectTableUsed;
        SavedCapacity = ObjectTableCapacity;
        ObjectTable = (uint8_t *)AllocZeroed(1024);
        ObjectTableUsed = 0;
        ObjectTableCapacity = 1020;
        ForgetCachedObjects();
    }
    void TearDown() override {
        FreeBlock(ObjectTable);
        ObjectTable = SavedTable;
        ObjectTableUsed = SavedUsed;
        ObjectTableCapacity = SavedCapacity;
        ForgetCachedObjects();
    }
    static HWND Handle(int i) { return (HWND)(uintptr_t)(0x10000 + 4 * i); }
    WindowObject Objects[300] = {};

  private:
    uint8_t *SavedTable;
    uint32_t SavedUsed, SavedCapacity;
};

TEST_F(ObjectTableTest, The127thPairGrowsTheTable) {
    for (int i = 0; i < 126; ++i)
        AddObject(Handle(i), &Objects[i]);
    EXPECT_EQ(1008u, ObjectTableUsed);
    EXPECT_EQ(1020u, ObjectTableCapacity);
    uint8_t *before = ObjectTable;
    AddObject(Handle(126), &Objects[126]);
    EXPECT_NE(before, ObjectTable);
    EXPECT_EQ(2048u, BlockSize(ObjectTable));
    EXPECT_EQ(2044u, ObjectTableCapacity);
    EXPECT_EQ(1016u, ObjectTableUsed);
    for (int i = 0; i <= 126; ++i)
        ASSERT_EQ(&Objects[i], ObjectFromHandle(Handle(i))) << "pair " << i;
    // The next growth follows the same rule.
    for (int i = 127; i < 300; ++i)
        AddObject(Handle(i), &Objects[i]);
    EXPECT_EQ(300u * 8, ObjectTableUsed);
    EXPECT_LT(ObjectTableUsed + 12, ObjectTableCapacity);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(&Objects[i], ObjectFromHandle(Handle(i))) << "pair " << i;
}

TEST_F(ObjectTableTest, RemovalFromTheMiddleKeepsTheTableDense) {
    for (int i = 0; i < 10; ++i)
        AddObject(Handle(i), &Objects[i]);
    EXPECT_EQ(1, RemoveObject(Handle(4), nullptr));
    EXPECT_EQ(72u, ObjectTableUsed);
    EXPECT_EQ(nullptr, ObjectFromHandle(Handle(4)));
    for (int i = 0; i < 10; ++i)
        if (i != 4) {
            EXPECT_EQ(&Objects[i], ObjectFromHandle(Handle(i)));
        }
    // The pair after the last is the terminator.
    HWND *pairs = (HWND *)ObjectTable;
    EXPECT_EQ(Handle(9), pairs[2 * 8]);
    EXPECT_EQ(nullptr, pairs[2 * 9]);
    EXPECT_EQ(nullptr, pairs[2 * 9 + 1]);
    EXPECT_EQ(-1, RemoveObject(Handle(4), nullptr));
}

TEST_F(ObjectTableTest, LookupIsFirstMatchAndIgnoresNull) {
    AddObject(nullptr, &Objects[0]);
    EXPECT_EQ(0u, ObjectTableUsed);
    EXPECT_EQ(nullptr, ObjectFromHandle(nullptr));
    EXPECT_EQ(-1, RemoveObject(Handle(1), nullptr)) << "empty table";
    AddObject(Handle(1), &Objects[1]);
    AddObject(Handle(1), &Objects[2]); // never checked for duplicates
    EXPECT_EQ(16u, ObjectTableUsed);
    EXPECT_EQ(&Objects[1], ObjectFromHandle(Handle(1)));
    RemoveObject(Handle(1), nullptr);
    EXPECT_EQ(&Objects[2], ObjectFromHandle(Handle(1)));
}

TEST_F(ObjectTableTest, LookupsNeverAnswerFromAPairThatIsGone) {
    AddObject(Handle(1), &Objects[1]);
    AddObject(Handle(2), &Objects[2]);
    ASSERT_EQ(&Objects[1], ObjectFromHandle(Handle(1)));
    ASSERT_EQ(&Objects[2], ObjectFromHandle(Handle(2)));
    RemoveObject(Handle(1), nullptr);
    EXPECT_EQ(nullptr, ObjectFromHandle(Handle(1))) << "removed after it was looked up";
    EXPECT_EQ(&Objects[2], ObjectFromHandle(Handle(2))) << "moved down by the removal";
    // The handle comes back with another object, as a reused handle would.
    AddObject(Handle(1), &Objects[3]);
    EXPECT_EQ(&Objects[3], ObjectFromHandle(Handle(1)));

    // Another table put in place: nothing of the old one is found.
    uint8_t *replaced = ObjectTable;
    ObjectTable = (uint8_t *)AllocZeroed(1024);
    ObjectTableUsed = 0;
    ForgetCachedObjects();
    EXPECT_EQ(nullptr, ObjectFromHandle(Handle(1)));
    EXPECT_EQ(nullptr, ObjectFromHandle(Handle(2)));
    FreeBlock(replaced);
}

// Adds, removals and lookups in a fixed pseudo-random order, with handles
// that repeat (duplicate pairs) and more handles than the cache has slots
// (so they share slots), through several growths: every lookup answers what
// a scan for the first matching pair answers.
TEST_F(ObjectTableTest, LookupsAgreeWithAFirstMatchScan) {
    struct Pair {
        HWND Window;
        WindowObject *Object;
    };
    std::vector<Pair> expected;
    auto firstMatch = [&](HWND window) -> WindowObject * {
        for (const Pair &pair : expected)
            if (pair.Window == window) return pair.Object;
        return nullptr;
    };
    uint32_t seed = 12345;
    auto next = [&](uint32_t range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % range;
    };
    size_t largest = 0;
    for (int step = 0; step < 10000; ++step) {
        const uint32_t choice = next(8);
        // Mostly handles that are in the table, so removals and duplicates
        // happen; otherwise any of 600 handles.
        HWND window = !expected.empty() && choice < 6
                          ? expected[next((uint32_t)expected.size())].Window
                          : Handle((int)next(600));
        if (choice % 2 == 0) {
            WindowObject *object = &Objects[next(300)];
            AddObject(window, object);
            expected.push_back({window, object});
        } else if (choice == 1 || choice == 5) {
            const int result = RemoveObject(window, nullptr);
            auto found = expected.begin();
            while (found != expected.end() && found->Window != window)
                ++found;
            ASSERT_EQ(found == expected.end() ? -1 : 1, result) << "step " << step;
            if (found != expected.end()) expected.erase(found);
        }
        ASSERT_EQ(firstMatch(window), ObjectFromHandle(window)) << "step " << step;
        HWND other = Handle((int)next(600));
        ASSERT_EQ(firstMatch(other), ObjectFromHandle(other)) << "step " << step;
        ASSERT_EQ(expected.size() * 8, ObjectTableUsed) << "step " << step;
        largest = std::max(largest, expected.size());
    }
    EXPECT_GT(largest, 600u) << "the table grew several times";
    HWND *pairs = (HWND *)ObjectTable;
    EXPECT_EQ(nullptr, pairs[2 * expected.size()]) << "terminated";
}

TEST_F(ObjectTableTest, RemovalReleasesTextsAndChildObjects) {
    const long before = LiveBlocks();
    WindowObject *parent = &Objects[0];
    parent->Kind = KindWindow;
    parent->FontName = CopyText(parent, L"Arial", 0);
    parent->TextBuffer = CopyText(parent, L"Parent", 1);
    parent->Children = (WindowObject **)AllocZeroed(3 * sizeof(WindowObject *));
    for (int i = 0; i < 2; ++i) {
        WindowObject *child = (WindowObject *)AllocZeroed(sizeof(WindowObject));
        child->Kind = KindLabel;
        child->TextBuffer = CopyText(child, L"Child", 1);
        child->ToolTipCopy = CopyText(child, L"Tip", 0);
        child->FontName = StringTableRef(12); // a number, never released
        parent->Children[i] = child;
    }
    AddObject(Handle(1), parent);
    EXPECT_EQ(1, RemoveObject(Handle(1), parent));
    EXPECT_EQ(nullptr, parent->Children);
    EXPECT_EQ(nullptr, parent->TextBuffer);
    EXPECT_EQ(before, LiveBlocks());

    // A window whose children are released elsewhere loses only its texts.
    WindowObject *child = &Objects[2];
    parent->TextBuffer = CopyText(parent, L"Parent", 1);
    parent->Children = (WindowObject **)AllocZeroed(2 * sizeof(WindowObject *));
    parent->Children[0] = child;
    AddObject(Handle(2), parent);
    EXPECT_EQ(1, RemoveObjectKeepingChildren(Handle(2), parent));
    EXPECT_EQ(nullptr, parent->TextBuffer);
    EXPECT_EQ(child, parent->Children[0]);
    EXPECT_EQ(nullptr, ObjectFromHandle(Handle(2)));
    EXPECT_EQ(before + 1, LiveBlocks()) << "only the children's array is left";
    FreeBlock(parent->Children);
}

} // namespace
