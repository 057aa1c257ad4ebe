// The binary arithmetic family (ADD, SUB, MUL, DIV, GREATER, LESSER), the reductions MIN and
// MAX and ABS. Each operation is one type dispatch followed by one tight loop over raw
// storage; the result array is also the home of the second input when it has to be converted.
#include "pendrel/engine/array_types.h"

#include <cmath>
#include <cstring>

namespace {

template <class T> using W = vWrapType<T>;

template <class T> T WrapAdd(T a, T b) {
    return static_cast<T>(W<T>(a) + W<T>(b));
}
template <class T> T WrapSub(T a, T b) {
    return static_cast<T>(W<T>(a) - W<T>(b));
}
template <class T> T WrapMul(T a, T b) {
    return static_cast<T>(W<T>(a) * W<T>(b));
}

// Element rules of the family.
struct AddOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>)
            return {a.re + b.re, a.im + b.im};
        else
            return WrapAdd(a, b);
    }
};
struct SubtractOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>)
            return {a.re - b.re, a.im - b.im};
        else
            return WrapSub(a, b);
    }
};
struct MultiplyOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>)
            return {a.re * b.re - a.im * b.im, b.re * a.im + a.re * b.im};
        else
            return WrapMul(a, b);
    }
};
// Integer division by a zero element gives 0 and never traps; the lowest signed value divided
// by -1 wraps around; a complex zero divisor gives the dividend.
struct DivideOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>) {
            float d = b.re * b.re + b.im * b.im;
            if (b.re == 0.0f && b.im == 0.0f) return a;
            return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
        } else if constexpr (std::is_integral_v<T>) {
            if (b == 0) return 0;
            if constexpr (std::is_signed_v<T>) {
                if (b == static_cast<T>(-1)) return static_cast<T>(W<T>(0) - W<T>(a));
            }
            return static_cast<T>(a / b);
        } else {
            return a / b;
        }
    }
    // A single divisor of 0 (for complex: either part 0) leaves the dividend as it is.
    template <class T> static bool KeepsDividend(T b) {
        if constexpr (vIsComplex<T>)
            return b.re == 0.0f || b.im == 0.0f;
        else
            return b == 0;
    }
};
// GREATER and LESSER are element-wise maximum and minimum; complex elements are ranked by their
// real parts.
struct GreaterOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>)
            return a.re >= b.re ? a : b;
        else
            return a > b ? a : b;
    }
};
struct LesserOp {
    template <class T> static T Apply(T a, T b) {
        if constexpr (vIsComplex<T>)
            return a.re <= b.re ? a : b;
        else
            return a < b ? a : b;
    }
};

// The kernels v0<Op><T> and v0Scalar<Op><T> are these three loops instantiated per rule and
// element type: element i of a with element i of b, in place into the result, or with one value.
template <class Op, class T>
void v0Zip(const T* __restrict a, const T* __restrict b, T* __restrict r, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Op::Apply(a[i], b[i]);
}
template <class Op, class T>
void v0ZipInPlace(const T* __restrict a, T* __restrict r, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Op::Apply(a[i], r[i]);
}
template <class Op, class T>
void v0ZipScalar(const T* __restrict a, T b, T* __restrict r, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Op::Apply(a[i], b);
}

// Shared flow of the family: result of the first input's type and shape, the second input
// broadcast when it has one element, else combined element by element up to the shorter.
template <class Op> vOBJECT* Binary(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    vARRAY* b = vArgArray(argv, 1);
    if (!a || !b) return nullptr;
    vARRAY* r = vArrayCreateUncleared(a->type, a->ndims, a->dims);
    if (!r) return nullptr;
    std::uint32_t covered = a->count;
    vDispatchType(a->type, [&](auto tag) {
        using T = typename decltype(tag)::type;
        const T* pa = static_cast<const T*>(a->data);
        T* pr = static_cast<T*>(r->data);
        if (b->count == 1) {
            T value = vElementAs<T>(b, 0);
            if constexpr (std::is_same_v<Op, DivideOp>) {
                if (DivideOp::KeepsDividend(value)) {
                    std::memcpy(pr, pa, static_cast<size_t>(a->count) * sizeof(T));
                    return;
                }
            }
            v0ZipScalar<Op>(pa, value, pr, a->count);
            return;
        }
        covered = a->count < b->count ? a->count : b->count;
        if (vSameStorage(a->type, b->type)) {
            v0Zip<Op>(pa, static_cast<const T*>(b->data), pr, covered);
        } else {
            vConvertTo(b, r, r->type);
            v0ZipInPlace<Op>(pa, pr, covered);
        }
    });
    vArrayClearFrom(r, covered);
    return r;
}

template <class Pick> vOBJECT* Reduce(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    if (!a || a->type == kTypeX) return nullptr;
    vARRAY* r = vArrayCreate1(a->type, 1);
    if (!r || a->count == 0) return r;
    vDispatchType(a->type, [&](auto tag) {
        using T = typename decltype(tag)::type;
        if constexpr (!vIsComplex<T>) {
            const T* p = static_cast<const T*>(a->data);
            T best = p[0];
            for (std::uint32_t i = 1; i < a->count; ++i)
                best = Pick::Apply(best, p[i]);
            *static_cast<T*>(r->data) = best;
        }
    });
    return r;
}

template <class T> T Absolute(T v) {
    if constexpr (vIsComplex<T>)
        return {std::fabs(v.re), std::fabs(v.im)};
    else if constexpr (std::is_floating_point_v<T>)
        return std::fabs(v);
    else if constexpr (std::is_signed_v<T>)
        return v < 0 ? static_cast<T>(W<T>(0) - W<T>(v)) : v;
    else
        return v;
}

template <class T> void v0Absolute(const T* __restrict a, T* __restrict r, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Absolute(a[i]);
}

vOBJECT* Call2(vOBJECT* (*op)(vOBJECT**), vARRAY* a, vARRAY* b) {
    vOBJECT* argv[] = {a, b, nullptr};
    return op(argv);
}

} // namespace

vOBJECT* vvARRAYadd(vOBJECT** argv) {
    return Binary<AddOp>(argv);
}
vOBJECT* vvARRAYsubtract(vOBJECT** argv) {
    return Binary<SubtractOp>(argv);
}
vOBJECT* vvARRAYmultiply(vOBJECT** argv) {
    return Binary<MultiplyOp>(argv);
}
vOBJECT* vvARRAYdivide(vOBJECT** argv) {
    return Binary<DivideOp>(argv);
}
vOBJECT* vvARRAYgreater(vOBJECT** argv) {
    return Binary<GreaterOp>(argv);
}
vOBJECT* vvARRAYlesser(vOBJECT** argv) {
    return Binary<LesserOp>(argv);
}
vOBJECT* vvARRAYmin(vOBJECT** argv) {
    return Reduce<LesserOp>(argv);
}
vOBJECT* vvARRAYmax(vOBJECT** argv) {
    return Reduce<GreaterOp>(argv);
}

vOBJECT* vvARRAYabsolute(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    if (!a) return nullptr;
    vARRAY* r = vArrayCreateUncleared(a->type, a->ndims, a->dims);
    if (!r) return nullptr;
    vDispatchType(a->type, [&](auto tag) {
        using T = typename decltype(tag)::type;
        v0Absolute(static_cast<const T*>(a->data), static_cast<T*>(r->data), a->count);
    });
    return r;
}

vARRAY* vAdd(vARRAY* a, vARRAY* b) {
    return vAsArray(Call2(&vvARRAYadd, a, b));
}
vARRAY* vSubtract(vARRAY* a, vARRAY* b) {
    return vAsArray(Call2(&vvARRAYsubtract, a, b));
}
vARRAY* vMin(vARRAY* a) {
    return vAsArray(Call2(&vvARRAYmin, a, nullptr));
}
vARRAY* vMax(vARRAY* a) {
    return vAsArray(Call2(&vvARRAYmax, a, nullptr));
}

int vArrayMathInitialize() {
    vClassSetFunction(vArrayClass, kFnAdd, &vvARRAYadd);
    vClassSetFunction(vArrayClass, kFnSubtract, &vvARRAYsubtract);
    vClassSetFunction(vArrayClass, kFnMultiply, &vvARRAYmultiply);
    vClassSetFunction(vArrayClass, kFnDivide, &vvARRAYdivide);
    vClassSetFunction(vArrayClass, kFnGreater, &vvARRAYgreater);
    vClassSetFunction(vArrayClass, kFnLesser, &vvARRAYlesser);
    vClassSetFunction(vArrayClass, kFnMin, &vvARRAYmin);
    vClassSetFunction(vArrayClass, kFnMax, &vvARRAYmax);
    vClassSetFunction(vArrayClass, kFnAbsolute, &vvARRAYabsolute);
    return 1;
}
