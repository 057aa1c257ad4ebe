// Conversion between the element types: one kernel per pair of numeric types, the
// conversion entry points and the conversion operations.
#include "pendrel/engine/array_types.h"

#include <cstring>

// A float of magnitude 2^31 or more is a multiple of 256 (its 24-bit mantissa reaches no lower
// bit), so its low byte through a 64-bit integer is 0, and so is the low byte of the value the
// processor's 32-bit conversion gives for it (0x80000000, also for NaN). Below 2^31 both
// truncate alike. So the 32-bit conversion, four floats at a time, gives every byte exactly.
void vConvertRun(const float* __restrict src, std::uint8_t* __restrict dst, std::uint32_t n) {
    std::uint32_t i = 0;
#if defined(__x86_64__)
    const __m128i lowByte = _mm_set1_epi32(0xFF);
    auto bytes = [&](std::uint32_t at) {
        return _mm_and_si128(_mm_cvttps_epi32(_mm_loadu_ps(src + at)), lowByte);
    };
    for (; i + 16 <= n; i += 16) {
        // Every lane holds 0..255, so the saturating packs keep it unchanged.
        const __m128i low = _mm_packs_epi32(bytes(i), bytes(i + 4));
        const __m128i high = _mm_packs_epi32(bytes(i + 8), bytes(i + 12));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < n; ++i)
        dst[i] = vConvertElement<std::uint8_t, float>(src[i]);
}

void vConvertRun(const float* __restrict src, std::int8_t* __restrict dst, std::uint32_t n) {
    // The same bits as the unsigned bytes.
    vConvertRun(src, reinterpret_cast<std::uint8_t*>(dst), n);
}

// ivConvert<From>2<To>: n elements of one type into another. Boolean converts as UC.
#define V_NUMERIC_TYPES(M, A, B)                                                                   \
    M(A, B, C, std::int8_t)                                                                        \
    M(A, B, UC, std::uint8_t)                                                                      \
    M(A, B, S, std::int16_t)                                                                       \
    M(A, B, US, std::uint16_t)                                                                     \
    M(A, B, L, std::int32_t)                                                                       \
    M(A, B, UL, std::uint32_t)                                                                     \
    M(A, B, F, float)                                                                              \
    M(A, B, D, double)                                                                             \
    M(A, B, X, vCOMPLEX)
#define V_DEFINE_CONVERT(From, FromType, To, ToType)                                               \
    void ivConvert##From##2##To(const void* src, void* dst, std::uint32_t n) {                     \
        vConvertRun(static_cast<const FromType*>(src), static_cast<ToType*>(dst), n);              \
    }
// The outer walk over the source types needs a list macro of its own: a macro cannot expand
// itself inside its own expansion.
#define V_SOURCE_TYPES(M)                                                                          \
    M(C, std::int8_t)                                                                              \
    M(UC, std::uint8_t)                                                                            \
    M(S, std::int16_t)                                                                             \
    M(US, std::uint16_t)                                                                           \
    M(L, std::int32_t)                                                                             \
    M(UL, std::uint32_t)                                                                           \
    M(F, float)                                                                                    \
    M(D, double)                                                                                   \
    M(X, vCOMPLEX)
#define V_DEFINE_CONVERT_ROW(From, FromType) V_NUMERIC_TYPES(V_DEFINE_CONVERT, From, FromType)
V_SOURCE_TYPES(V_DEFINE_CONVERT_ROW)

namespace {

using ConvertFunc = void (*)(const void*, void*, std::uint32_t);

#define V_TABLE_CELL(From, FromType, To, ToType) &ivConvert##From##2##To,
#define V_TABLE_ROW(From, FromType) {V_NUMERIC_TYPES(V_TABLE_CELL, From, FromType)},
constexpr ConvertFunc kConverters[9][9] = {V_SOURCE_TYPES(V_TABLE_ROW)};

// Row of the table for a type code; Boolean shares the row of UC.
int RowOf(int code) {
    return code == kTypeBoolean ? kTypeUC - kTypeC : code - kTypeC;
}

vARRAY* ConvertTo(const vARRAY* src, vARRAY* dst, short type) {
    if (!vAsArray(src) || vClassGetTypeSize(type) == 0) return nullptr;
    bool fresh = dst == nullptr;
    if (dst && (!vAsArray(dst) || dst->type != type)) return nullptr;
    if (fresh) dst = vArrayCreateShaped(type, src, false);
    if (!dst) return nullptr;
    std::uint32_t n = src->count < dst->count ? src->count : dst->count;
    if (RowOf(src->type) == RowOf(type))
        std::memcpy(dst->data, src->data, static_cast<size_t>(n) * vClassGetTypeSize(type));
    else
        kConverters[RowOf(src->type)][RowOf(type)](src->data, dst->data, n);
    if (fresh) vArrayClearFrom(dst, n);
    return dst;
}

vOBJECT* ConvertOperation(vOBJECT** argv, short type) {
    return ConvertTo(vArgArray(argv, 0), nullptr, type);
}

} // namespace

vARRAY* vConvertTo(const vARRAY* src, vARRAY* dst, short type) {
    return ConvertTo(src, dst, type);
}

vARRAY* vConvert(const vARRAY* src, vARRAY* dst, const vARRAY* like) {
    if (!vAsArray(like)) return nullptr;
    return ConvertTo(src, dst, like->type);
}

vARRAY* vUChar(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeUC);
}
vARRAY* vChar(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeC);
}
vARRAY* vUShort(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeUS);
}
vARRAY* vShort(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeS);
}
vARRAY* vULong(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeUL);
}
vARRAY* vLong(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeL);
}
vARRAY* vFloat(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeF);
}
vARRAY* vDouble(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeD);
}
vARRAY* vComplex(const vARRAY* src, vARRAY* dst) {
    return ConvertTo(src, dst, kTypeX);
}

vOBJECT* vvARRAYfloat(vOBJECT** argv) {
    return ConvertOperation(argv, kTypeF);
}
vOBJECT* vvARRAYlong(vOBJECT** argv) {
    return ConvertOperation(argv, kTypeL);
}
vOBJECT* vvARRAYchar(vOBJECT** argv) {
    return ConvertOperation(argv, kTypeC);
}
vOBJECT* vvARRAYuchar(vOBJECT** argv) {
    return ConvertOperation(argv, kTypeUC);
}

vOBJECT* vvARRAYconvert(vOBJECT** argv) {
    vARRAY* code = vArgArray(argv, 1);
    if (!code || code->count == 0) return nullptr;
    std::int32_t type = vLongValue(code, 0);
    if (type < kTypeC || type > kTypeBoolean) return nullptr;
    return ConvertOperation(argv, static_cast<short>(type));
}

int vArrayConvertInitialize() {
    vClassSetFunction(vArrayClass, kFnFloat, &vvARRAYfloat);
    vClassSetFunction(vArrayClass, kFnLong, &vvARRAYlong);
    vClassSetFunction(vArrayClass, kFnChar, &vvARRAYchar);
    vClassSetFunction(vArrayClass, kFnUChar, &vvARRAYuchar);
    vClassSetFunction(vArrayClass, kFnConvert, &vvARRAYconvert);
    return 1;
}
