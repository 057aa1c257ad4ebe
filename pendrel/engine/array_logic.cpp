// Comparisons and logic: IS>, IS=, IS<, NOT=, NOT, AND, OR, XOR. Results are Boolean arrays.
#include "pendrel/engine/array_types.h"

namespace {

// The relations a comparison can test. Less and NotEqual are the negations of "greater or
// equal" and "equal", so they hold for complex elements (which never compare) and for the
// elements beyond the second input.
enum class Relation { Greater, Equal, Less, NotEqual };

template <Relation R, class T> std::uint8_t Holds(T a, T b) {
    if constexpr (vIsComplex<T>) {
        return R == Relation::Less || R == Relation::NotEqual;
    } else if constexpr (R == Relation::Greater) {
        return a > b;
    } else if constexpr (R == Relation::Equal) {
        return a == b;
    } else if constexpr (R == Relation::Less) {
        return !(a > b) && !(a == b);
    } else {
        return !(a == b);
    }
}

// v0GreaterThan<T>, v0EqualTo<T> and their scalar forms are these loops per relation.
template <Relation R, class T>
void v0Compare(const T* __restrict a, const T* __restrict b, std::uint8_t* __restrict r,
               std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Holds<R>(a[i], b[i]);
}
template <Relation R, class T>
void v0ScalarCompare(const T* __restrict a, T b, std::uint8_t* __restrict r, std::uint32_t n) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = Holds<R>(a[i], b);
}

template <Relation R> vARRAY* Compare(const vARRAY* a, const vARRAY* b) {
    if (!a || !b) return nullptr;
    vARRAY* r = vArrayCreateUncleared(kTypeBoolean, a->ndims, a->dims);
    if (!r) return nullptr;
    std::uint32_t n = a->count;
    auto* out = static_cast<std::uint8_t*>(r->data);
    vDispatchType(a->type, [&](auto tag) {
        using T = typename decltype(tag)::type;
        const T* pa = static_cast<const T*>(a->data);
        if (b->count == 1) {
            v0ScalarCompare<R>(pa, vElementAs<T>(b, 0), out, n);
            return;
        }
        n = a->count < b->count ? a->count : b->count;
        if (vSameStorage(a->type, b->type)) {
            v0Compare<R>(pa, static_cast<const T*>(b->data), out, n);
            return;
        }
        // The second input converted to the first's type needs a home of its own here.
        vARRAY* converted = vConvertTo(b, nullptr, a->type);
        if (!converted) {
            n = 0;
            return;
        }
        v0Compare<R>(pa, static_cast<const T*>(converted->data), out, n);
        vvDestroy(converted);
    });
    constexpr std::uint8_t beyond = (R == Relation::Less || R == Relation::NotEqual) ? 1 : 0;
    for (std::uint32_t i = n; i < a->count; ++i)
        out[i] = beyond;
    return r;
}

template <Relation R> vOBJECT* CompareOperation(vOBJECT** argv) {
    return Compare<R>(vArgArray(argv, 0), vArgArray(argv, 1));
}

vARRAY* IsZero(const vARRAY* a) {
    if (!a) return nullptr;
    vARRAY* zero = vArrayCreate1(kTypeL, 1);
    if (!zero) return nullptr;
    vARRAY* r = Compare<Relation::Equal>(a, zero);
    vvDestroy(zero);
    return r;
}

// AND and OR combine the NOTs of both inputs over the shorter of the two.
template <bool Both> vOBJECT* Combine(vOBJECT** argv) {
    vARRAY* a = IsZero(vArgArray(argv, 0));
    vARRAY* b = IsZero(vArgArray(argv, 1));
    vARRAY* r = nullptr;
    if (a && b) {
        const vARRAY* shorter = a->count <= b->count ? a : b;
        r = vArrayCreateShaped(kTypeBoolean, shorter, false);
        if (r) {
            auto* pa = static_cast<const std::uint8_t*>(a->data);
            auto* pb = static_cast<const std::uint8_t*>(b->data);
            auto* out = static_cast<std::uint8_t*>(r->data);
            for (std::uint32_t i = 0; i < r->count; ++i)
                out[i] = Both ? (!pa[i] && !pb[i]) : (!pa[i] || !pb[i]);
        }
    }
    vvDestroy(a);
    vvDestroy(b);
    return r;
}

} // namespace

vOBJECT* vvARRAYgreaterthan(vOBJECT** argv) {
    return CompareOperation<Relation::Greater>(argv);
}
vOBJECT* vvARRAYequalto(vOBJECT** argv) {
    return CompareOperation<Relation::Equal>(argv);
}
vOBJECT* vvARRAYlessthan(vOBJECT** argv) {
    return CompareOperation<Relation::Less>(argv);
}
vOBJECT* vvARRAYnotequalto(vOBJECT** argv) {
    return CompareOperation<Relation::NotEqual>(argv);
}
vOBJECT* vvARRAYnot(vOBJECT** argv) {
    return IsZero(vArgArray(argv, 0));
}
vOBJECT* vvARRAYand(vOBJECT** argv) {
    return Combine<true>(argv);
}
vOBJECT* vvARRAYor(vOBJECT** argv) {
    return Combine<false>(argv);
}

vOBJECT* vvARRAYxor(vOBJECT** argv) {
    vARRAY* a = IsZero(vArgArray(argv, 0));
    vARRAY* b = IsZero(vArgArray(argv, 1));
    vARRAY* r = Compare<Relation::NotEqual>(a, b);
    vvDestroy(a);
    vvDestroy(b);
    return r;
}

vARRAY* vNot(vARRAY* a) {
    return IsZero(a);
}
vARRAY* vEqualTo(vARRAY* a, vARRAY* b) {
    return Compare<Relation::Equal>(a, b);
}

int vArrayLogicInitialize() {
    vClassSetFunction(vArrayClass, kFnGreaterThan, &vvARRAYgreaterthan);
    vClassSetFunction(vArrayClass, kFnLessThan, &vvARRAYlessthan);
    vClassSetFunction(vArrayClass, kFnEqualTo, &vvARRAYequalto);
    vClassSetFunction(vArrayClass, kFnNotEqualTo, &vvARRAYnotequalto);
    vClassSetFunction(vArrayClass, kFnNot, &vvARRAYnot);
    vClassSetFunction(vArrayClass, kFnAnd, &vvARRAYand);
    vClassSetFunction(vArrayClass, kFnOr, &vvARRAYor);
    vClassSetFunction(vArrayClass, kFnXor, &vvARRAYxor);
    return 1;
}
