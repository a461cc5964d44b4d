// The runtime's heap blocks: zero-filled allocations on the process heap,
// counted so that a test can see every block come back.
#pragma once

#include <stddef.h>

void *AllocZeroed(size_t bytes);
// Frees a block from AllocZeroed; null is ignored.
void FreeBlock(void *block);
// Blocks allocated and not yet freed.
long LiveBlocks();
