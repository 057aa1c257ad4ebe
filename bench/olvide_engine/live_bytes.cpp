#include "live_bytes.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::size_t gLive = 0;
std::size_t gPeak = 0;

void* allocate(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    gLive += malloc_usable_size(p);
    if (gLive > gPeak) gPeak = gLive;
    return p;
}

void release(void* p) {
    if (!p) return;
    gLive -= malloc_usable_size(p);
    std::free(p);
}

} // namespace

void* operator new(std::size_t n) {
    return allocate(n);
}
void* operator new[](std::size_t n) {
    return allocate(n);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace olvide::bench {

std::size_t liveBytes() {
    return gLive;
}
std::size_t peakBytes() {
    return gPeak;
}
void resetPeak() {
    gPeak = gLive;
}

} // namespace olvide::bench
