// Generators and shapes (RAMP, RANDOM, CREATE, AS, APPEND, INSERT, EXTRACT) and the control
// operations (xCOUNT, GATE, IF, to-text).
#include "pendrel/engine/array_types.h"
#include "pendrel/engine/sys.h"
#include "pendrel/engine/text.h"

#include <cstring>

namespace {

std::uint32_t randomState = 0;

// Up to four elements of an array as unsigned sizes; missing ones are `fill`.
int SizesOf(const vARRAY* a, unsigned long* out, unsigned long fill) {
    int n = 0;
    for (int d = 0; d < 4; ++d) {
        bool present = a && static_cast<std::uint32_t>(d) < a->count;
        out[d] = present ? vElementAs<std::uint32_t>(a, d) : fill;
        if (present) ++n;
    }
    return n;
}

// 1-based positions as 0-based origins; missing ones are 0.
void OriginsOf(const vARRAY* a, long* out) {
    for (int d = 0; d < 4; ++d) {
        bool present = a && static_cast<std::uint32_t>(d) < a->count;
        out[d] = present ? static_cast<long>(vLongValue(a, d)) - 1 : 0;
    }
}

vARRAY* CopyOf(const vARRAY* a) {
    vARRAY* r = vArrayCreateUncleared(a->type, a->ndims, a->dims);
    if (r) std::memcpy(r->data, a->data, a->bytes);
    return r;
}

} // namespace

std::uint32_t vRandomState() {
    return randomState;
}
void vRandomSetState(std::uint32_t state) {
    randomState = state;
}

vOBJECT* vvARRAYramp(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    if (!a) return nullptr;
    std::int32_t n = vLongValue(a, 0);
    vARRAY* r = vArrayCreate1(kTypeL, n > 0 ? static_cast<unsigned long>(n) : 0);
    if (!r) return nullptr;
    auto* p = static_cast<std::int32_t*>(r->data);
    for (std::uint32_t i = 0; i < r->count; ++i)
        p[i] = static_cast<std::int32_t>(i + 1);
    return r;
}

// Element i is the state modulo (limit + 1); the state then steps on as s * 12345 + 6789. A
// limit of 0xFFFFFFFF (limit + 1 wrapping to 0) gives the state itself.
vOBJECT* vvARRAYrandom(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    if (!a) return nullptr;
    vARRAY* limits = vConvertTo(a, nullptr, kTypeUL);
    if (!limits) return nullptr;
    if (randomState == 0) randomState = static_cast<std::uint32_t>(sysTicks());
    auto* p = static_cast<std::uint32_t*>(limits->data);
    for (std::uint32_t i = 0; i < limits->count; ++i) {
        std::uint32_t s = randomState;
        std::uint32_t range = p[i] + 1u;
        p[i] = range == 0 ? s : s % range;
        randomState = s * 12345u + 6789u;
    }
    vARRAY* r = vConvertTo(limits, nullptr, a->type);
    vvDestroy(limits);
    return r;
}

vOBJECT* vvARRAYcreate(vOBJECT** argv) {
    vARRAY* code = vArgArray(argv, 0);
    vARRAY* sizes = vArgArray(argv, 1);
    if (!code || !sizes || code->count == 0) return nullptr;
    std::int32_t type = vLongValue(code, 0);
    if (type < kTypeC || type > kTypeBoolean) return nullptr;
    unsigned long dims[4];
    int n = SizesOf(sizes, dims, 1);
    return vArrayCreate(static_cast<short>(type), static_cast<short>(n), dims);
}

vOBJECT* vvARRAYas(vOBJECT** argv) {
    vARRAY* data = vArgArray(argv, 0);
    vARRAY* like = vArgArray(argv, 1);
    if (!data || !like || data->bytes < like->bytes) return nullptr;
    vARRAY* r = vArrayCreateUncleared(like->type, like->ndims, like->dims);
    if (r) std::memcpy(r->data, data->data, r->bytes);
    return r;
}

vOBJECT* vvARRAYappend(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    vARRAY* b = vArgArray(argv, 1);
    if (!a || !b || a->ndims != b->ndims) return nullptr;
    int last = a->ndims > 0 ? a->ndims - 1 : 0;
    for (int d = 0; d < last; ++d)
        if (a->dims[d] != b->dims[d]) return nullptr;
    unsigned long dims[4];
    for (int d = 0; d < 4; ++d)
        dims[d] = a->dims[d];
    dims[last] = static_cast<unsigned long>(a->dims[last]) + b->dims[last];
    short ndims = a->ndims > 0 ? a->ndims : 1;
    vARRAY* r = vArrayCreate(a->type, ndims, dims);
    if (!r) return nullptr;
    long zero[4] = {0, 0, 0, 0};
    long at[4] = {0, 0, 0, 0};
    at[last] = static_cast<long>(a->dims[last]);
    unsigned long sizeA[4], sizeB[4];
    for (int d = 0; d < 4; ++d) {
        sizeA[d] = a->dims[d];
        sizeB[d] = b->dims[d];
    }
    vArrayMove(a, r, zero, zero, sizeA);
    vArrayMove(b, r, zero, at, sizeB); // a piece of another type stays 0
    return r;
}

vOBJECT* vvARRAYinsert(vOBJECT** argv) {
    vARRAY* target = vArgArray(argv, 0);
    vARRAY* piece = vArgArray(argv, 1);
    vARRAY* position = vArgArray(argv, 2);
    if (!target || !piece || !position) return nullptr;
    vARRAY* r = CopyOf(target);
    if (!r) return nullptr;
    long zero[4] = {0, 0, 0, 0};
    long at[4];
    OriginsOf(position, at);
    unsigned long size[4];
    for (int d = 0; d < 4; ++d)
        size[d] = piece->dims[d];
    if (piece->type == r->type) vArrayMove(piece, r, zero, at, size);
    return r;
}

vOBJECT* vvARRAYextract(vOBJECT** argv) {
    vARRAY* source = vArgArray(argv, 0);
    vARRAY* sizes = vArgArray(argv, 1);
    vARRAY* position = vArgArray(argv, 2);
    if (!source || !sizes || !position) return nullptr;
    unsigned long size[4];
    SizesOf(sizes, size, 1);
    vARRAY* r = vArrayCreate(source->type, source->ndims, size);
    if (!r) return nullptr;
    long zero[4] = {0, 0, 0, 0};
    long at[4];
    OriginsOf(position, at);
    vArrayMove(source, r, at, zero, size);
    return r;
}

// counter += first element of the trigger; at or above the limit the counter is the result,
// and it starts again at 0 when the limit is above 0.
vOBJECT* vvARRAYcount(vOBJECT** argv) {
    vARRAY* trigger = vArgArray(argv, 0);
    vARRAY* limit = vArgArray(argv, 1);
    vARRAY* counter = vArgArray(argv, 2);
    if (!trigger || !limit || !counter || counter->count == 0) return nullptr;
    std::int32_t count =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(vLongValue(counter, 0)) +
                                  static_cast<std::uint32_t>(vLongValue(trigger, 0)));
    std::int32_t top = vLongValue(limit, 0);
    vARRAY* result = nullptr;
    if (count >= top) {
        result = vArrayCreate1(kTypeL, 1);
        if (result) *static_cast<std::int32_t*>(result->data) = count;
        if (top > 0) count = 0;
    }
    vARRAY* stored = vArrayCreate1(kTypeL, 1);
    if (stored) {
        *static_cast<std::int32_t*>(stored->data) = count;
        vConvertTo(stored, counter, counter->type);
        vvDestroy(stored);
    }
    return result;
}

vOBJECT* vvARRAYgate(vOBJECT** argv) {
    if (!argv || !argv[0] || !argv[1]) return nullptr;
    return argv[0];
}

vOBJECT* vvARRAYif(vOBJECT** argv) {
    if (!argv || !argv[0]) return nullptr;
    vARRAY* condition = vArgArray(argv, 1);
    if (!condition) return nullptr;
    for (std::uint32_t i = 0; i < condition->count; ++i)
        if (vIsTrue(condition, i)) return argv[0];
    return nullptr;
}

vOBJECT* vvARRAYtotext(vOBJECT** argv) {
    if (!argv || !argv[0]) return nullptr;
    char buffer[2048];
    vToAscii(argv[0], buffer, sizeof buffer);
    return vTextCreateRaw(buffer, static_cast<long>(std::strlen(buffer)));
}

int vObjectMiscInitialize() {
    vClassSetFunction(vObjectClass, kFnGate, &vvARRAYgate);
    vClassSetFunction(vObjectClass, kFnIf, &vvARRAYif);
    vClassSetFunction(vObjectClass, kFnToText, &vvARRAYtotext);
    return 1;
}

int vArrayMiscInitialize() {
    vClassSetFunction(vArrayClass, kFnCount, &vvARRAYcount);
    vClassSetFunction(vArrayClass, kFnRamp, &vvARRAYramp);
    vClassSetFunction(vArrayClass, kFnRandom, &vvARRAYrandom);
    vClassSetFunction(vArrayClass, kFnCreate, &vvARRAYcreate);
    vClassSetFunction(vArrayClass, kFnAs, &vvARRAYas);
    vClassSetFunction(vArrayClass, kFnAppend, &vvARRAYappend);
    vClassSetFunction(vArrayClass, kFnInsert, &vvARRAYinsert);
    vClassSetFunction(vArrayClass, kFnExtract, &vvARRAYextract);
    return 1;
}
