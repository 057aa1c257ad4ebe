#pragma once
// Inside the array operations: the C++ type of each element type code, the dispatch from a
// code to a typed kernel, and the conversion of one element between types.
#include "pendrel/engine/array.h"

#include <cstdint>
#include <limits>
#include <type_traits>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

template <class T> struct vTypeTag { using type = T; };

// Calls f(vTypeTag<T>{}) with the element type of the code; Boolean is handled as UC.
// Returns false for an unknown code.
template <class F> bool vDispatchType(int code, F&& f) {
    switch (code) {
    case kTypeC:
        f(vTypeTag<std::int8_t>{});
        return true;
    case kTypeUC:
    case kTypeBoolean:
        f(vTypeTag<std::uint8_t>{});
        return true;
    case kTypeS:
        f(vTypeTag<std::int16_t>{});
        return true;
    case kTypeUS:
        f(vTypeTag<std::uint16_t>{});
        return true;
    case kTypeL:
        f(vTypeTag<std::int32_t>{});
        return true;
    case kTypeUL:
        f(vTypeTag<std::uint32_t>{});
        return true;
    case kTypeF:
        f(vTypeTag<float>{});
        return true;
    case kTypeD:
        f(vTypeTag<double>{});
        return true;
    case kTypeX:
        f(vTypeTag<vCOMPLEX>{});
        return true;
    default:
        return false;
    }
}

template <class T> inline constexpr bool vIsComplex = std::is_same_v<T, vCOMPLEX>;

// Arithmetic on integers is done in an unsigned type at least as wide as int, so that it wraps
// around instead of overflowing.
template <class T, bool = std::is_integral_v<T>> struct vWrap { using type = T; };
template <class T> struct vWrap<T, true> {
    using type = std::conditional_t<(sizeof(T) < 4), std::uint32_t, std::make_unsigned_t<T>>;
};
template <class T> using vWrapType = typename vWrap<T>::type;

// Truncates toward zero to 64 bits; a value outside that range (or NaN) gives the lowest
// 64-bit value, as the processor's own conversion does.
inline std::int64_t vTruncate64(double v) {
#if defined(__x86_64__)
    return _mm_cvttsd_si64(_mm_set_sd(v));
#else
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(v);
#endif
}

inline std::int64_t vTruncate64(float v) {
#if defined(__x86_64__)
    return _mm_cvttss_si64(_mm_set_ss(v));
#else
    return vTruncate64(static_cast<double>(v));
#endif
}

// One element converted: integers keep their low-order bits (sign-extending signed sources),
// floating values truncate through 64-bit integers, complex values convert their real part as
// a float, and anything becomes complex through a float real part.
template <class To, class From> inline To vConvertElement(From v) {
    if constexpr (std::is_same_v<To, From>) {
        return v;
    } else if constexpr (vIsComplex<From>) {
        return vConvertElement<To, float>(v.re);
    } else if constexpr (vIsComplex<To>) {
        return vCOMPLEX{vConvertElement<float, From>(v), 0.0f};
    } else if constexpr (std::is_integral_v<To> && std::is_floating_point_v<From>) {
        return static_cast<To>(static_cast<std::uint64_t>(vTruncate64(v)));
    } else {
        return static_cast<To>(v);
    }
}

// Element conversion over n elements.
template <class From, class To>
void vConvertRun(const From* __restrict src, To* __restrict dst, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        dst[i] = vConvertElement<To, From>(src[i]);
}
// Floats to bytes, many at a time (same results as the element conversion).
void vConvertRun(const float* __restrict src, std::uint8_t* __restrict dst, std::uint32_t n);
void vConvertRun(const float* __restrict src, std::int8_t* __restrict dst, std::uint32_t n);

// Whether two type codes store their elements alike (Boolean is stored as UC).
inline bool vSameStorage(int a, int b) {
    auto row = [](int code) { return code == kTypeBoolean ? kTypeUC : code; };
    return row(a) == row(b);
}

// Array internals shared by the operation files.
// A new array whose storage is not cleared: the caller writes every element, or clears what
// it leaves with vArrayClearFrom.
vARRAY* vArrayCreateUncleared(short type, short ndims, const std::uint32_t* dims);
vARRAY* vArrayCreateShaped(short type, const vARRAY* shape, bool clear);
void vArrayClearFrom(vARRAY* a, std::uint32_t first);
// Element i of the array converted to T (0 beyond count).
template <class T> T vElementAs(const vARRAY* a, std::uint32_t i) {
    T out{};
    if (i >= a->count) return out;
    vDispatchType(a->type, [&](auto tag) {
        using S = typename decltype(tag)::type;
        out = vConvertElement<T, S>(static_cast<const S*>(a->data)[i]);
    });
    return out;
}
// The i-th argument if it is an array, else none; never reads past the terminating none.
vARRAY* vArgArray(vOBJECT** argv, int i);
