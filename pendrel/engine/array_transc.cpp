// The transcendental family: SIN, COS, TAN, SQRT, EXP, LN, LOG and POW, computed in double
// precision for double arrays and in single precision for every other type.
#include "pendrel/engine/array_types.h"

#include <cmath>

namespace {

template <class T, class F> void v0Apply(T* __restrict r, std::uint32_t n, F f) {
    for (std::uint32_t i = 0; i < n; ++i)
        r[i] = f(r[i]);
}

template <class F> vOBJECT* Transcendental(vOBJECT** argv, F f) {
    vARRAY* a = vArgArray(argv, 0);
    if (!a) return nullptr;
    vARRAY* r = vConvertTo(a, nullptr, a->type == kTypeD ? kTypeD : kTypeF);
    if (!r) return nullptr;
    if (r->type == kTypeD)
        v0Apply(static_cast<double*>(r->data), r->count, [&](double v) { return f(v); });
    else
        v0Apply(static_cast<float*>(r->data), r->count, [&](float v) { return f(v); });
    return r;
}

} // namespace

vOBJECT* vvARRAYsin(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::sin(v); });
}
vOBJECT* vvARRAYcos(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::cos(v); });
}
vOBJECT* vvARRAYtan(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::tan(v); });
}
vOBJECT* vvARRAYsqrt(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::sqrt(v); });
}
vOBJECT* vvARRAYexp(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::exp(v); });
}
vOBJECT* vvARRAYlog(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::log(v); });
}
vOBJECT* vvARRAYlog10(vOBJECT** argv) {
    return Transcendental(argv, [](auto v) { return std::log10(v); });
}

// x to the power e, e being the first element of the second input.
vOBJECT* vvARRAYpow(vOBJECT** argv) {
    vARRAY* a = vArgArray(argv, 0);
    vARRAY* e = vArgArray(argv, 1);
    if (!a || !e) return nullptr;
    double exponent = vDoubleVal(e, 0);
    auto fexponent = static_cast<float>(exponent);
    return Transcendental(argv, [&](auto v) {
        if constexpr (std::is_same_v<decltype(v), double>)
            return std::pow(v, exponent);
        else
            return std::pow(v, fexponent);
    });
}

int vArrayTranscInitialize() {
    vClassSetFunction(vArrayClass, kFnSin, &vvARRAYsin);
    vClassSetFunction(vArrayClass, kFnCos, &vvARRAYcos);
    vClassSetFunction(vArrayClass, kFnTan, &vvARRAYtan);
    vClassSetFunction(vArrayClass, kFnSqrt, &vvARRAYsqrt);
    vClassSetFunction(vArrayClass, kFnExp, &vvARRAYexp);
    vClassSetFunction(vArrayClass, kFnLn, &vvARRAYlog);
    vClassSetFunction(vArrayClass, kFnLog, &vvARRAYlog10);
    vClassSetFunction(vArrayClass, kFnPow, &vvARRAYpow);
    return 1;
}
