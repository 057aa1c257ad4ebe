#include "pendrel/engine/sys.h"

#include "common/sanitizer.h"
#include "pendrel/engine/failure.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

// Every block carries its size in a header in front of it, so that sysFree knows whether a
// block is large enough to be kept.
struct BlockHeader {
    unsigned long bytes;
    unsigned long pad; // keeps the payload 16-byte aligned
};

constexpr unsigned long kLargeBlock = 1ul << 20;
constexpr int kCacheSlots = 8;
constexpr unsigned long kCacheLimit = 512ul << 20;

// Under AddressSanitizer every block goes straight back, so that a use after free is seen.
constexpr bool kKeepLargeBlocks = !olvan::kAddressSanitizer;

struct LargeBlockCache {
    BlockHeader* blocks[kCacheSlots] = {};
    unsigned long total = 0;

    // The smallest kept block that holds `bytes` without wasting more than half of itself.
    BlockHeader* Take(unsigned long bytes) {
        int best = -1;
        for (int i = 0; i < kCacheSlots; ++i) {
            BlockHeader* b = blocks[i];
            if (b && b->bytes >= bytes && b->bytes / 2 <= bytes &&
                (best < 0 || b->bytes < blocks[best]->bytes))
                best = i;
        }
        if (best < 0) return nullptr;
        BlockHeader* b = blocks[best];
        blocks[best] = nullptr;
        total -= b->bytes;
        return b;
    }

    bool Keep(BlockHeader* b) {
        if (!kKeepLargeBlocks || b->bytes < kLargeBlock || b->bytes > kCacheLimit) return false;
        while (total + b->bytes > kCacheLimit)
            DropOldest();
        for (auto& slot : blocks) {
            if (!slot) {
                slot = b;
                total += b->bytes;
                return true;
            }
        }
        DropOldest();
        return Keep(b);
    }

    void DropOldest() {
        for (auto& slot : blocks) {
            if (slot) {
                total -= slot->bytes;
                std::free(slot);
                slot = nullptr;
                return;
            }
        }
    }

    void Clear() {
        for (auto& slot : blocks) {
            std::free(slot);
            slot = nullptr;
        }
        total = 0;
    }
};

// Trivially destructible and constant-initialised: engine objects freed by other static
// objects at program exit still find the cache in place.
constinit LargeBlockCache largeBlocks{};

LargeBlockCache& Cache() {
    return largeBlocks;
}

long liveBlocks = 0;

BlockHeader* HeaderOf(void* block) {
    return static_cast<BlockHeader*>(block) - 1;
}

void* Allocate(unsigned long bytes, bool zero) {
    if (bytes > ~0ul - sizeof(BlockHeader)) return nullptr;
    BlockHeader* h = nullptr;
    if (bytes >= kLargeBlock) {
        h = Cache().Take(bytes);
        if (h && zero) std::memset(h + 1, 0, bytes);
    }
    if (!h) {
        auto fresh = [&] {
            return zero ? std::calloc(1, sizeof(BlockHeader) + bytes)
                        : std::malloc(sizeof(BlockHeader) + bytes);
        };
        void* raw = fresh();
        if (!raw) {
            // Kept blocks are the first memory to give back when the system has no more.
            Cache().Clear();
            raw = fresh();
        }
        if (!raw) {
            vNoteFailure(vFailure::OutOfMemory);
            return nullptr;
        }
        h = static_cast<BlockHeader*>(raw);
    }
    h->bytes = bytes;
    ++liveBlocks;
    return h + 1;
}

} // namespace

void* sysMalloc(unsigned long bytes) {
    return Allocate(bytes, false);
}

void* sysCalloc(unsigned long bytes) {
    return Allocate(bytes, true);
}

void* sysRealloc(void* block, unsigned long bytes) {
    if (!block) return sysMalloc(bytes);
    if (bytes > ~0ul - sizeof(BlockHeader)) return nullptr;
    void* raw = std::realloc(HeaderOf(block), sizeof(BlockHeader) + bytes);
    if (!raw) return nullptr;
    auto* h = static_cast<BlockHeader*>(raw);
    h->bytes = bytes;
    return h + 1;
}

void sysFree(void* block) {
    if (!block) return;
    BlockHeader* h = HeaderOf(block);
    --liveBlocks;
    if (!Cache().Keep(h)) std::free(h);
}

long sysLiveBlocks() {
    return liveBlocks;
}

void sysTrimCache() {
    Cache().Clear();
}

unsigned long sysTicks() {
    using namespace std::chrono;
    auto since = steady_clock::now().time_since_epoch();
    return static_cast<unsigned long>(duration_cast<milliseconds>(since).count() / 100);
}

void sysSocketsInit() {}
