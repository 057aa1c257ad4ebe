#include "pendrel/engine/array.h"

#include "pendrel/engine/array_types.h"
#include "pendrel/engine/failure.h"
#include "pendrel/engine/stream.h"
#include "pendrel/engine/strings.h"
#include "pendrel/engine/sys.h"

#include <cstring>

CLASSdum* vArrayClass = nullptr;

namespace {

// Creation arguments: the type code, the number of dimensions, the sizes, whether to clear.
struct ArrayArgument {
    short type;
    short ndims;
    const std::uint32_t* dims;
    bool clear;
};

// Sets type and shape; false for an unknown type or a size beyond the limit.
bool SetShape(vARRAY* a, short type, short ndims, const std::uint32_t* dims) {
    int size = vClassGetTypeSize(type);
    if (size == 0) return false;
    if (ndims < 0) ndims = 0;
    if (ndims > 4) ndims = 4;
    unsigned long long count = 1;
    for (int d = 0; d < 4; ++d) {
        a->dims[d] = (d < ndims && dims) ? dims[d] : 1;
        count *= a->dims[d];
        if (count * static_cast<unsigned long long>(size) > kMaxArrayBytes) {
            vNoteFailure(vFailure::TooLarge);
            return false;
        }
    }
    a->type = type;
    a->ndims = ndims;
    a->count = static_cast<std::uint32_t>(count);
    a->bytes = static_cast<std::uint32_t>(count * static_cast<unsigned long long>(size));
    return true;
}

int vARRAYinitdata(vOBJECT* obj, int argc, void** argv) {
    auto* a = static_cast<vARRAY*>(obj);
    a->data = nullptr;
    if (argc < 1 || !argv[0]) return -1;
    const auto* arg = static_cast<const ArrayArgument*>(argv[0]);
    if (!SetShape(a, arg->type, arg->ndims, arg->dims)) return -1;
    // Every array has storage, even an empty one, so that data is never none.
    unsigned long bytes = a->bytes ? a->bytes : 1;
    a->data = arg->clear ? sysCalloc(bytes) : sysMalloc(bytes);
    return a->data ? 3 : -1;
}

void vARRAYdestroy(vOBJECT* obj) {
    auto* a = static_cast<vARRAY*>(obj);
    sysFree(a->data);
    a->data = nullptr;
}

int vARRAYsend(vOBJECT* stream, vOBJECT* obj) {
    auto* a = static_cast<vARRAY*>(obj);
    std::int16_t head[2] = {a->type, a->ndims};
    if (vWrite(stream, kTypeS, head, 2) != 2) return 0;
    if (a->ndims > 0 && vWrite(stream, kTypeL, a->dims, a->ndims) != a->ndims) return 0;
    std::int32_t count = static_cast<std::int32_t>(a->count);
    if (vWrite(stream, kTypeL, &count, 1) != 1) return 0;
    if (a->count == 0) return 1;
    // Items of the array's own type: 2- and 4-byte integers least significant byte first,
    // everything else (floats, complex pairs) byte for byte.
    return vWrite(stream, a->type, a->data, a->count) == static_cast<long>(a->count);
}

int vARRAYreceive(vOBJECT* stream, vOBJECT* obj) {
    auto* a = static_cast<vARRAY*>(obj);
    a->data = nullptr;
    std::int16_t head[2] = {0, 0};
    if (vRead(stream, kTypeS, head, 2) != 2) return 0;
    if (head[1] < 0 || head[1] >= 9) return 0;
    std::uint32_t dims[8] = {};
    if (head[1] > 0 && vRead(stream, kTypeL, dims, head[1]) != head[1]) return 0;
    std::int32_t stored = 0;
    if (vRead(stream, kTypeL, &stored, 1) != 1) return 0;
    if (!SetShape(a, head[0], head[1], dims)) return 0;
    // The stored count must match the shape and the bytes must be there before any memory is
    // taken for them.
    if (static_cast<std::uint32_t>(stored) != a->count) return 0;
    if (!vvFromClass(stream, vStreamClass)) return 0;
    const auto* s = static_cast<const vSTREAM*>(stream);
    if (static_cast<unsigned long>(s->used - s->readPosition) < a->bytes) return 0;
    a->data = sysCalloc(a->bytes ? a->bytes : 1);
    if (!a->data) return 0;
    if (a->count == 0) return 1;
    return vRead(stream, a->type, a->data, a->count) == static_cast<long>(a->count);
}

// Appends element i in the engine's number formats.
void AddElement(const vARRAY* a, std::uint32_t i, char* buf, int* pos, int limit) {
    if (a->type == kTypeF || a->type == kTypeD || a->type == kTypeX)
        igAddWord(igDouble2Str(vDoubleVal(a, i)), buf, pos, limit);
    else
        igAddWord(igLong2Str(vLongValue(a, i)), buf, pos, limit);
}

void vARRAYdescribe(vOBJECT* obj, char* buf, int* pos, int limit) {
    auto* a = static_cast<vARRAY*>(obj);
    if (a->ndims > 0) {
        igAddWord("\nDIMS : ", buf, pos, limit);
        igAddWord(igLong2Str(a->ndims), buf, pos, limit);
        igAddWord(" (", buf, pos, limit);
        for (int d = 0; d < a->ndims; ++d) {
            if (d > 0) igAddWord(",", buf, pos, limit);
            igAddWord(igLong2Str(static_cast<long>(a->dims[d])), buf, pos, limit);
        }
        igAddWord(")", buf, pos, limit);
    }
    igAddWord(vClassGetTypeName(a->type), buf, pos, limit);
    igAddWord("\n", buf, pos, limit);
    for (std::uint32_t i = 0; i < a->count && i < 10 && *pos < limit; ++i) {
        igAddWord("  ", buf, pos, limit);
        AddElement(a, i, buf, pos, limit);
    }
}

void vARRAYtoascii(vOBJECT* obj, char* buf, int* pos, int limit) {
    auto* a = static_cast<vARRAY*>(obj);
    for (std::uint32_t i = 0; i < a->count && i < 10 && *pos < limit; ++i) {
        if (i > 0) igAddWord(",", buf, pos, limit);
        AddElement(a, i, buf, pos, limit);
    }
}

void* vARRAYgetdata(vOBJECT* obj) {
    return static_cast<vARRAY*>(obj)->data;
}
long vARRAYgetsize(vOBJECT* obj) {
    return static_cast<vARRAY*>(obj)->count;
}
int vARRAYgettype(vOBJECT* obj) {
    return static_cast<vARRAY*>(obj)->type;
}

vARRAY* Create(short type, short ndims, const std::uint32_t* dims, bool clear) {
    ArrayArgument arg{type, ndims, dims, clear};
    void* argv[] = {&arg, nullptr, nullptr, nullptr};
    return static_cast<vARRAY*>(vCreate(vArrayClass, 3, argv));
}

} // namespace

int vArrayInitialize() {
    vArrayClass = vClassInitialize(vObjectClass, sizeof(vARRAY), kClassArray, "Array");
    if (!vArrayClass) return 0;
    vClassSetFunction(vArrayClass, kSlotInitData, &vARRAYinitdata);
    vClassSetFunction(vArrayClass, kSlotDestroy, &vARRAYdestroy);
    vClassSetFunction(vArrayClass, kSlotSend, &vARRAYsend);
    vClassSetFunction(vArrayClass, kSlotReceive, &vARRAYreceive);
    vClassSetFunction(vArrayClass, kSlotDescribe, &vARRAYdescribe);
    vClassSetFunction(vArrayClass, kSlotToAscii, &vARRAYtoascii);
    vClassSetFunction(vArrayClass, kSlotGetData, &vARRAYgetdata);
    vClassSetFunction(vArrayClass, kSlotGetSize, &vARRAYgetsize);
    vClassSetFunction(vArrayClass, kSlotGetType, &vARRAYgettype);
    return 1;
}

vARRAY* vArrayCreateUncleared(short type, short ndims, const std::uint32_t* dims) {
    return Create(type, ndims, dims, false);
}

vARRAY* vArrayCreateShaped(short type, const vARRAY* shape, bool clear) {
    return Create(type, shape->ndims, shape->dims, clear);
}

void vArrayClearFrom(vARRAY* a, std::uint32_t first) {
    if (first >= a->count) return;
    auto size = static_cast<std::uint32_t>(vClassGetTypeSize(a->type));
    std::memset(static_cast<char*>(a->data) + first * size, 0, (a->count - first) * size);
}

vARRAY* vArrayCreate(short type, short ndims, const unsigned long* dims) {
    std::uint32_t sizes[4] = {1, 1, 1, 1};
    for (int d = 0; d < ndims && d < 4 && dims; ++d) {
        if (dims[d] > 0xFFFFFFFFul) return nullptr;
        sizes[d] = static_cast<std::uint32_t>(dims[d]);
    }
    return Create(type, ndims, sizes, true);
}

vARRAY* vArrayCreate1(short type, unsigned long n) {
    return vArrayCreate(type, 1, &n);
}

vARRAY* vArrayCreateLike(const vOBJECT* like) {
    const vARRAY* a = vAsArray(like);
    return a ? Create(a->type, a->ndims, a->dims, true) : nullptr;
}

vARRAY* vAsArray(vOBJECT* obj) {
    return vvFromClass(obj, vArrayClass) ? static_cast<vARRAY*>(obj) : nullptr;
}

const vARRAY* vAsArray(const vOBJECT* obj) {
    return vvFromClass(obj, vArrayClass) ? static_cast<const vARRAY*>(obj) : nullptr;
}

vARRAY* vArgArray(vOBJECT** argv, int i) {
    if (!argv) return nullptr;
    for (int k = 0; k < i; ++k)
        if (!argv[k]) return nullptr;
    return vAsArray(argv[i]);
}

std::int32_t vLongValue(const vARRAY* a, long i) {
    if (!a || i < 0 || i >= static_cast<long>(a->count)) return 0;
    return vElementAs<std::int32_t>(a, static_cast<std::uint32_t>(i));
}

int vIsTrue(const vARRAY* a, long i) {
    return vLongValue(a, i) != 0;
}

double vDoubleVal(const vARRAY* a, long i) {
    if (!a || i < 0 || i >= static_cast<long>(a->count)) return 0;
    return vElementAs<double>(a, static_cast<std::uint32_t>(i));
}

unsigned long vDimSizeArray(const vARRAY* a, int d) {
    return (a && d >= 0 && d < 4) ? a->dims[d] : 0;
}

long vFillArray(vARRAY* a, long n, long start, const void* items) {
    if (!vAsArray(a) || !items || a->type == kTypeX || start < 0) return 0;
    long room = static_cast<long>(a->count) - start;
    if (n > room) n = room;
    if (n <= 0) return 0;
    int size = vClassGetTypeSize(a->type);
    std::memcpy(static_cast<char*>(a->data) + start * size, items, static_cast<size_t>(n * size));
    return n;
}
