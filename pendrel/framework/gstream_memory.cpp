#include "pendrel/framework/gstream_memory.h"

#include <algorithm>
#include <cstring>
#include <new>

GStreamMemory::GStreamMemory() : buffer_(kBlock) {}

long GStreamMemory::Write(const void* bytes, long count) {
    if (count <= 0) return 0;
    const long end = writePosition_ + count;
    if (end >= Capacity()) {
        try {
            buffer_.resize(static_cast<std::size_t>(end / kBlock * kBlock + kBlock));
        } catch (const std::bad_alloc&) {
            return 0;
        }
    }
    std::memcpy(buffer_.data() + writePosition_, bytes, static_cast<std::size_t>(count));
    writePosition_ = end;
    used_ = std::max(used_, writePosition_);
    return count;
}

long GStreamMemory::Read(void* bytes, long count) {
    const long n = std::clamp(count, 0L, used_ - readPosition_);
    if (n > 0) std::memcpy(bytes, buffer_.data() + readPosition_, static_cast<std::size_t>(n));
    readPosition_ += n;
    return n;
}

void GStreamMemory::Rewind() {
    GStream::Rewind();
    readPosition_ = 0;
    writePosition_ = 0;
}
