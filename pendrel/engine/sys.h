#pragma once
// System shims of the engine: heap memory, the tick count and the (empty) socket start-up.
#include <cstddef>

// Heap blocks. Large blocks that are freed are kept for reuse, so that an operation making a
// fresh result of the size it just freed finds memory already mapped instead of faulting in
// every page again.
void* sysMalloc(unsigned long bytes);
// As sysMalloc, but zero-filled.
void* sysCalloc(unsigned long bytes);
void* sysRealloc(void* block, unsigned long bytes);
void sysFree(void* block);
// Gives every kept large block back to the system.
void sysTrimCache();
// Blocks handed out and not yet freed: what the engine holds, counted.
long sysLiveBlocks();

// Tenths of seconds since the system started.
unsigned long sysTicks();
void sysSocketsInit();
