#pragma once
// A stream over a growable memory buffer: clipboard copies, clones and engine values.
#include "pendrel/framework/gstream.h"

#include <vector>

class GStreamMemory : public GStream {
public:
    static constexpr long kBlock = 512;

    GStreamMemory();
    static constexpr GClassID kClassID = gid::kStreamMemory;
    GClassID GetClassID() const override { return kClassID; }

    long Read(void* bytes, long count) override;
    // When the write position plus the count reaches the capacity, the buffer grows to the
    // next multiple of 512 above it; if that fails nothing is written.
    long Write(const void* bytes, long count) override;
    long Length() const override { return used_; }
    long Remaining() const override { return used_ - readPosition_; }
    void Rewind() override;

    long Capacity() const { return static_cast<long>(buffer_.size()); }
    std::string_view Bytes() const { return {buffer_.data(), static_cast<std::size_t>(used_)}; }

private:
    std::vector<char> buffer_;
    long writePosition_ = 0;
    long used_ = 0;
    long readPosition_ = 0;
};
