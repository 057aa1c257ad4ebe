// Image operations on unsigned-char arrays: CONVOLVE with any kernel and SMOOTH, the box mean.
#include "pendrel/engine/array_types.h"

#include <vector>

namespace {

// Unsigned 32-bit division by a divisor fixed for a whole image, as a multiplication and two
// shifts (exact for every dividend), so that the loop that divides can be vectorised.
struct Divider {
    std::uint32_t multiplier;
    int shift1;
    int shift2;

    explicit Divider(std::uint32_t d) {
        int l = 0;
        while (l < 32 && (std::uint64_t{1} << l) < d)
            ++l;
        multiplier = static_cast<std::uint32_t>(((((std::uint64_t{1} << l) - d) << 32) / d) + 1);
        shift1 = l < 1 ? l : 1;
        shift2 = l > 1 ? l - 1 : 0;
    }
    std::uint32_t divide(std::uint32_t n) const {
        auto t = static_cast<std::uint32_t>((std::uint64_t{multiplier} * n) >> 32);
        return (t + ((n - t) >> shift1)) >> shift2;
    }
};

struct Kernel {
    std::uint32_t dims[4];
    std::vector<std::int32_t> weights; // first dimension fastest
};

void v0AccumulateRow(const std::uint8_t* __restrict src, std::uint32_t* __restrict acc,
                     std::uint32_t n, std::uint32_t weight) {
    if (weight == 1) {
        for (std::uint32_t i = 0; i < n; ++i)
            acc[i] += src[i];
    } else {
        for (std::uint32_t i = 0; i < n; ++i)
            acc[i] += src[i] * weight;
    }
}

void v0StoreRow(const std::uint32_t* __restrict acc, std::uint8_t* __restrict out, std::uint32_t n,
                Divider div) {
    for (std::uint32_t i = 0; i < n; ++i)
        out[i] = static_cast<std::uint8_t>(div.divide(acc[i]));
}

// The weighted sum over the kernel at every position where the kernel lies wholly inside the
// image, divided by the sum of the positive weights, stored at the kernel's centre; the border
// stays 0. No result when the positive weights sum to 0.
vARRAY* v0ConvolveUC(const vARRAY* image, const Kernel& k) {
    std::uint32_t w = 0;
    for (std::int32_t v : k.weights)
        if (v > 0) w += static_cast<std::uint32_t>(v);
    if (w == 0) return nullptr;
    vARRAY* r = vArrayCreateShaped(kTypeUC, image, true);
    if (!r) return nullptr;
    const std::uint32_t* n = image->dims;
    for (int d = 0; d < 4; ++d)
        if (k.dims[d] > n[d]) return r;
    std::uint32_t out[4];
    for (int d = 0; d < 4; ++d)
        out[d] = n[d] - k.dims[d] + 1;
    const auto* src = static_cast<const std::uint8_t*>(image->data);
    auto* dst = static_cast<std::uint8_t*>(r->data);
    auto index = [n](std::uint64_t i0, std::uint64_t i1, std::uint64_t i2, std::uint64_t i3) {
        return i0 + n[0] * (i1 + n[1] * (i2 + n[2] * i3));
    };
    std::vector<std::uint32_t> acc(out[0]);
    Divider div(w);
    for (std::uint32_t p3 = 0; p3 < out[3]; ++p3)
        for (std::uint32_t p2 = 0; p2 < out[2]; ++p2)
            for (std::uint32_t p1 = 0; p1 < out[1]; ++p1) {
                std::fill(acc.begin(), acc.end(), 0u);
                const std::int32_t* weight = k.weights.data();
                for (std::uint32_t k3 = 0; k3 < k.dims[3]; ++k3)
                    for (std::uint32_t k2 = 0; k2 < k.dims[2]; ++k2)
                        for (std::uint32_t k1 = 0; k1 < k.dims[1]; ++k1)
                            for (std::uint32_t k0 = 0; k0 < k.dims[0]; ++k0, ++weight) {
                                if (*weight == 0) continue;
                                v0AccumulateRow(src + index(k0, p1 + k1, p2 + k2, p3 + k3),
                                                acc.data(), out[0],
                                                static_cast<std::uint32_t>(*weight));
                            }
                v0StoreRow(acc.data(),
                           dst + index(k.dims[0] / 2, p1 + k.dims[1] / 2, p2 + k.dims[2] / 2,
                                       p3 + k.dims[3] / 2),
                           out[0], div);
            }
    return r;
}

} // namespace

vOBJECT* vvARRAYconvolve(vOBJECT** argv) {
    vARRAY* image = vArgArray(argv, 0);
    vARRAY* kernel = vArgArray(argv, 1);
    if (!image || !kernel || image->type != kTypeUC) return nullptr;
    vARRAY* weights = vConvertTo(kernel, nullptr, kTypeL);
    if (!weights) return nullptr;
    Kernel k;
    for (int d = 0; d < 4; ++d)
        k.dims[d] = weights->dims[d];
    const auto* p = static_cast<const std::int32_t*>(weights->data);
    k.weights.assign(p, p + weights->count);
    vvDestroy(weights);
    return v0ConvolveUC(image, k);
}

vOBJECT* vvARRAYsmooth(vOBJECT** argv) {
    vARRAY* image = vArgArray(argv, 0);
    vARRAY* size = vArgArray(argv, 1);
    if (!image || !size || image->type != kTypeUC) return nullptr;
    std::int32_t side = vLongValue(size, 0);
    if (side <= 0) return nullptr;
    Kernel k;
    std::uint64_t count = 1;
    for (int d = 0; d < 4; ++d) {
        k.dims[d] = d < image->ndims ? static_cast<std::uint32_t>(side) : 1;
        count *= k.dims[d];
        // A kernel larger than the image gives an all-zero result without any weights.
        if (k.dims[d] > image->dims[d]) return vArrayCreateShaped(kTypeUC, image, true);
    }
    k.weights.assign(count, 1);
    return v0ConvolveUC(image, k);
}

int vArrayImageInitialize() {
    vClassSetFunction(vArrayClass, kFnConvolve, &vvARRAYconvolve);
    vClassSetFunction(vArrayClass, kFnSmooth, &vvARRAYsmooth);
    return 1;
}
