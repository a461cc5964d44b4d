// The runtime's heap blocks: zero-filled allocations, counted so that a test
// can see every block come back. With QN_HEAP_CHECKS=1 in the environment
// every block ends at an inaccessible guard page and a freed block's pages
// are taken away, so that an overrun or a use after free faults at once.
#pragma once

#include <stddef.h>

void *AllocZeroed(size_t bytes);
// Frees a block from AllocZeroed; null is ignored.
void FreeBlock(void *block);
// The size a block was allocated with.
size_t BlockSize(const void *block);
// Blocks allocated and not yet freed.
long LiveBlocks();
// Whether blocks are allocated with guard pages.
bool HeapChecksOn();
