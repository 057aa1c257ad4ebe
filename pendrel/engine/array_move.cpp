// Block copy between arrays of one element type.
#include "pendrel/engine/array_types.h"

#include <cstring>

namespace {

// Extent copied in dimension d: size reduced to what fits at both origins; 0 when an origin
// lies outside its array.
std::uint32_t Extent(const vARRAY* src, const vARRAY* dst, const long* so, const long* dO,
                     const unsigned long* size, int d) {
    if (d >= src->ndims || d >= dst->ndims) return 1;
    if (so[d] < 0 || dO[d] < 0 || so[d] >= static_cast<long>(src->dims[d]) ||
        dO[d] >= static_cast<long>(dst->dims[d]))
        return 0;
    unsigned long n = size[d];
    unsigned long roomSrc = src->dims[d] - static_cast<unsigned long>(so[d]);
    unsigned long roomDst = dst->dims[d] - static_cast<unsigned long>(dO[d]);
    if (n > roomSrc) n = roomSrc;
    if (n > roomDst) n = roomDst;
    return static_cast<std::uint32_t>(n);
}

std::uint64_t OffsetOf(const vARRAY* a, const long* origin, const std::uint32_t* at) {
    std::uint64_t index = 0;
    for (int d = 3; d >= 0; --d) {
        std::uint64_t o = d < a->ndims ? static_cast<std::uint64_t>(origin[d]) + at[d] : 0;
        index = index * a->dims[d] + o;
    }
    return index;
}

} // namespace

vARRAY* vArrayMove(const vARRAY* src, vARRAY* dst, const long* srcorigin, const long* dstorigin,
                   const unsigned long* size) {
    if (!vAsArray(src) || !srcorigin || !dstorigin || !size) return nullptr;
    if (!dst) {
        dst = vArrayCreate(src->type, src->ndims, size);
        if (!dst) return nullptr;
    } else if (!vAsArray(dst) || dst->type != src->type) {
        return nullptr;
    }
    std::uint32_t n[4];
    for (int d = 0; d < 4; ++d) {
        n[d] = Extent(src, dst, srcorigin, dstorigin, size, d);
        if (n[d] == 0) return dst;
    }
    // The row along the first dimension is one block; the rest walk the other three.
    size_t item = static_cast<size_t>(vClassGetTypeSize(src->type));
    size_t rowBytes = n[0] * item;
    const auto* s = static_cast<const char*>(src->data);
    auto* t = static_cast<char*>(dst->data);
    std::uint32_t at[4] = {0, 0, 0, 0};
    for (at[3] = 0; at[3] < n[3]; ++at[3])
        for (at[2] = 0; at[2] < n[2]; ++at[2])
            for (at[1] = 0; at[1] < n[1]; ++at[1]) {
                at[0] = 0;
                std::memmove(t + OffsetOf(dst, dstorigin, at) * item,
                             s + OffsetOf(src, srcorigin, at) * item, rowBytes);
            }
    return dst;
}
