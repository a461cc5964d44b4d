// The runtime's heap blocks.
#include "runtime/startup/memory.h"

#include <windows.h>

static long Live;

void *AllocZeroed(size_t bytes) {
    void *block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    if (block) ++Live;
    return block;
}

void FreeBlock(void *block) {
    if (!block) return;
    HeapFree(GetProcessHeap(), 0, block);
    --Live;
}

long LiveBlocks() {
    return Live;
}
