// The runtime's heap blocks and their checking mode.
#include <gtest/gtest.h>

#include "runtime/base/memory.h"
#include "tests/support/test_support.h"

namespace {

DWORD RunGuardProbe(const wchar_t *misuse, bool checks) {
    const bool on = HeapChecksOn();
    SetEnvironmentVariableW(L"QN_HEAP_CHECKS", checks ? L"1" : nullptr);
    DWORD code = RunProgram(L"\"" + TestProgramPath(L"guard_probe.exe") + L"\" " + misuse);
    SetEnvironmentVariableW(L"QN_HEAP_CHECKS", on ? L"1" : nullptr);
    return code;
}

TEST(HeapChecks, GuardPagesStopOverrunsAndUsesAfterFree) {
    EXPECT_EQ(0u, RunGuardProbe(L"", true));
    EXPECT_EQ(0xC0000005u, RunGuardProbe(L"overrun", true));
    EXPECT_EQ(0xC0000005u, RunGuardProbe(L"afterfree", true));
}

// Blocks of one mode cannot be freed in the other, so the mode read at the
// first block holds for the whole process.
TEST(HeapChecks, TheModeIsReadOnce) {
    const bool on = HeapChecksOn();
    SetEnvironmentVariableW(L"QN_HEAP_CHECKS", on ? nullptr : L"1");
    EXPECT_EQ(on, HeapChecksOn());
    SetEnvironmentVariableW(L"QN_HEAP_CHECKS", on ? L"1" : nullptr);
}

TEST(HeapChecks, BlocksAreZeroedAndCounted) {
    const long live = LiveBlocks();
    unsigned char *block = (unsigned char *)AllocZeroed(100);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(live + 1, LiveBlocks());
    EXPECT_EQ(100u, BlockSize(block));
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(0, block[i]);
    FreeBlock(block);
    FreeBlock(nullptr);
    EXPECT_EQ(live, LiveBlocks());
}

} // namespace
