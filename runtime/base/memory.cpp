// The runtime's heap blocks, from the process heap or, with heap checks on,
// each on pages of its own before a guard page.
#include "runtime/base/memory.h"

#include <windows.h>
#include <stdint.h>

static long Live;
static int Checks = -1; // -1 until the environment has been read

bool HeapChecksOn() {
    if (Checks < 0) {
        char value[8] = {};
        Checks = GetEnvironmentVariableA("QN_HEAP_CHECKS", value, sizeof value) && value[0] == '1';
    }
    return Checks == 1;
}

// A checked block: its size sits just before it, its end touches a guard page.
static const size_t PageBytes = 4096;

static void *AllocChecked(size_t bytes) {
    const size_t body = (bytes + sizeof(size_t) + 3) & ~(size_t)3;
    const size_t pages = (body + PageBytes - 1) / PageBytes;
    uint8_t *base =
        (uint8_t *)VirtualAlloc(nullptr, (pages + 1) * PageBytes, MEM_RESERVE, PAGE_NOACCESS);
    if (!base) return nullptr;
    if (!VirtualAlloc(base, pages * PageBytes, MEM_COMMIT, PAGE_READWRITE)) {
        VirtualFree(base, 0, MEM_RELEASE);
        return nullptr;
    }
    uint8_t *block = base + pages * PageBytes - ((bytes + 3) & ~(size_t)3);
    ((size_t *)block)[-1] = bytes;
    return block;
}

// Freed blocks stay reserved and inaccessible for the next QuarantineBlocks
// frees, so that a later use faults; then their address space goes back.
enum { QuarantineBlocks = 4096 };
static void *Quarantine[QuarantineBlocks];
static unsigned QuarantineNext;

static void FreeChecked(void *block) {
    MEMORY_BASIC_INFORMATION info;
    if (!VirtualQuery(block, &info, sizeof info)) return;
    VirtualFree(info.AllocationBase, 0, MEM_DECOMMIT);
    void *&slot = Quarantine[QuarantineNext++ % QuarantineBlocks];
    if (slot) VirtualFree(slot, 0, MEM_RELEASE);
    slot = info.AllocationBase;
}

void *AllocZeroed(size_t bytes) {
    void *block =
        HeapChecksOn() ? AllocChecked(bytes) : HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (block) ++Live;
    return block;
}

void FreeBlock(void *block) {
    if (!block) return;
    if (HeapChecksOn())
        FreeChecked(block);
    else
        HeapFree(GetProcessHeap(), 0, block);
    --Live;
}

size_t BlockSize(const void *block) {
    if (!block) return 0;
    if (HeapChecksOn()) return ((const size_t *)block)[-1];
    return HeapSize(GetProcessHeap(), 0, block);
}

long LiveBlocks() {
    return Live;
}
