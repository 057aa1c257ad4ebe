#include "pendrel/engine/stream.h"

#include "pendrel/engine/sys.h"

#include <cstring>
#include <limits>

CLASSdum* vStreamClass = nullptr;

namespace {

constexpr long kMaxCapacity = std::numeric_limits<std::int32_t>::max() - 1024;

int vvSTREAMinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* s = static_cast<vSTREAM*>(obj);
    s->used = 0;
    s->readPosition = 0;
    s->capacity = 0;
    s->buffer = nullptr;
    if (argc < 1 || !argv[0]) return -1;
    long capacity = *static_cast<const long*>(argv[0]);
    if (capacity < 0 || capacity > kMaxCapacity) return -1;
    s->buffer = static_cast<unsigned char*>(sysMalloc(static_cast<unsigned long>(capacity)));
    if (!s->buffer) return -1;
    s->capacity = static_cast<std::int32_t>(capacity);
    return 1;
}

void vvSTREAMdestroy(vOBJECT* obj) {
    auto* s = static_cast<vSTREAM*>(obj);
    sysFree(s->buffer);
    s->buffer = nullptr;
}

// Integer items of 2 and 4 bytes are stored least significant byte first.
int ByteOrderWidth(int type) {
    if (type == kTypeS || type == kTypeUS) return 2;
    if (type == kTypeL || type == kTypeUL) return 4;
    return 0;
}

long vvSTREAMwrite(vOBJECT* obj, int type, void* items, long count) {
    auto* s = static_cast<vSTREAM*>(obj);
    long size = vClassGetTypeSize(type);
    if (count <= 0 || size == 0 || !items || count > kMaxCapacity / size) return 0;
    long bytes = count * size;
    if (s->used + bytes > kMaxCapacity) return 0;
    if (s->used + bytes >= s->capacity) {
        long capacity = ((s->used + bytes) / 512) * 512 + 512;
        auto* grown = static_cast<unsigned char*>(sysMalloc(static_cast<unsigned long>(capacity)));
        if (!grown) return 0;
        if (s->used > 0) std::memcpy(grown, s->buffer, static_cast<size_t>(s->used));
        sysFree(s->buffer);
        s->buffer = grown;
        s->capacity = static_cast<std::int32_t>(capacity);
    }
    unsigned char* out = s->buffer + s->used;
    if (int width = ByteOrderWidth(type)) {
        const auto* in = static_cast<const unsigned char*>(items);
        for (long i = 0; i < count; ++i, in += width) {
            std::uint32_t v = 0;
            if (width == 2) {
                std::uint16_t v16 = 0;
                std::memcpy(&v16, in, 2);
                v = v16;
            } else {
                std::memcpy(&v, in, 4);
            }
            for (int b = 0; b < width; ++b)
                *out++ = static_cast<unsigned char>(v >> (8 * b));
        }
    } else {
        std::memcpy(out, items, static_cast<size_t>(bytes));
    }
    s->used += static_cast<std::int32_t>(bytes);
    return count;
}

long vvSTREAMread(vOBJECT* obj, int type, void* items, long count) {
    auto* s = static_cast<vSTREAM*>(obj);
    long size = vClassGetTypeSize(type);
    if (count <= 0 || size == 0 || !items) return 0;
    long available = (s->used - s->readPosition) / size;
    if (count > available) count = available;
    if (count <= 0) return 0;
    const unsigned char* in = s->buffer + s->readPosition;
    if (int width = ByteOrderWidth(type)) {
        auto* out = static_cast<unsigned char*>(items);
        for (long i = 0; i < count; ++i, in += width, out += width) {
            std::uint32_t v = 0;
            for (int b = 0; b < width; ++b)
                v |= static_cast<std::uint32_t>(in[b]) << (8 * b);
            if (width == 2) {
                auto v16 = static_cast<std::uint16_t>(v);
                std::memcpy(out, &v16, 2);
            } else {
                std::memcpy(out, &v, 4);
            }
        }
    } else {
        std::memcpy(items, in, static_cast<size_t>(count * size));
    }
    s->readPosition += static_cast<std::int32_t>(count * size);
    return count;
}

void* vvSTREAMgetdata(vOBJECT* obj) {
    return static_cast<vSTREAM*>(obj)->buffer;
}
long vvSTREAMgetsize(vOBJECT* obj) {
    return static_cast<vSTREAM*>(obj)->capacity;
}
int vvSTREAMgettype(vOBJECT*) {
    return kTypeStream;
}

} // namespace

int vStreamInitialize() {
    vStreamClass = vClassInitialize(vObjectClass, sizeof(vSTREAM), kClassStream, "Stream");
    if (!vStreamClass) return 0;
    vClassSetFunction(vStreamClass, kSlotInitData, &vvSTREAMinitdata);
    vClassSetFunction(vStreamClass, kSlotDestroy, &vvSTREAMdestroy);
    vClassSetFunction(vStreamClass, kSlotWrite, &vvSTREAMwrite);
    vClassSetFunction(vStreamClass, kSlotRead, &vvSTREAMread);
    vClassSetFunction(vStreamClass, kSlotGetData, &vvSTREAMgetdata);
    vClassSetFunction(vStreamClass, kSlotGetSize, &vvSTREAMgetsize);
    vClassSetFunction(vStreamClass, kSlotGetType, &vvSTREAMgettype);
    return 1;
}

vSTREAM* vStreamCreate(long capacity) {
    void* argv[] = {&capacity, nullptr};
    return static_cast<vSTREAM*>(vCreate(vStreamClass, 1, argv));
}

long vStreamUsed(const vSTREAM* stream) {
    return stream ? stream->used : 0;
}

vSTREAM* vStreamFromBytes(const void* bytes, long count) {
    vSTREAM* s = vStreamCreate(count > 0 ? count : 0);
    if (!s) return nullptr;
    if (count > 0 && vWrite(s, kTypeUC, bytes, count) != count) {
        vvDestroy(s);
        return nullptr;
    }
    return s;
}
