// Image operations on unsigned-char arrays: CONVOLVE with any kernel and SMOOTH, the box mean.
#include "pendrel/engine/array_types.h"
#include "pendrel/engine/sys.h"

#include <cstring>

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
    std::uint32_t Divide(std::uint32_t n) const {
        auto t = static_cast<std::uint32_t>((std::uint64_t{multiplier} * n) >> 32);
        return (t + ((n - t) >> shift1)) >> shift2;
    }
};

// Where the kernel lies wholly inside the image: out[d] positions in each dimension.
bool OutputExtent(const vARRAY* image, const std::uint32_t* k, std::uint32_t* out) {
    for (int d = 0; d < 4; ++d) {
        if (k[d] == 0 || k[d] > image->dims[d]) return false;
        out[d] = image->dims[d] - k[d] + 1;
    }
    return true;
}

std::uint64_t IndexOf(const std::uint32_t* n, std::uint64_t i0, std::uint64_t i1, std::uint64_t i2,
                      std::uint64_t i3) {
    return i0 + n[0] * (i1 + n[1] * (i2 + n[2] * i3));
}

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

void v0StoreRow(const std::uint32_t* __restrict sums, std::uint8_t* __restrict out, std::uint32_t n,
                Divider div) {
    for (std::uint32_t i = 0; i < n; ++i)
        out[i] = static_cast<std::uint8_t>(div.Divide(sums[i]));
}

// The weighted sum over the kernel at every position where the kernel lies wholly inside the
// image (in 32-bit arithmetic), divided by the sum of the positive weights as unsigned
// numbers, stored at the kernel's centre; the border stays 0. No result when the positive
// weights sum to 0.
vARRAY* v0ConvolveUC(const vARRAY* image, const vARRAY* kernel) {
    const auto* weights = static_cast<const std::int32_t*>(kernel->data);
    std::uint32_t w = 0;
    for (std::uint32_t i = 0; i < kernel->count; ++i)
        if (weights[i] > 0) w += static_cast<std::uint32_t>(weights[i]);
    if (w == 0) return nullptr;
    vARRAY* r = vArrayCreateShaped(kTypeUC, image, true);
    if (!r) return nullptr;
    const std::uint32_t* k = kernel->dims;
    std::uint32_t out[4];
    if (!OutputExtent(image, k, out)) return r;
    auto* acc = static_cast<std::uint32_t*>(sysMalloc(out[0] * sizeof(std::uint32_t)));
    if (!acc) {
        vvDestroy(r);
        return nullptr;
    }
    const std::uint32_t* n = image->dims;
    const auto* src = static_cast<const std::uint8_t*>(image->data);
    auto* dst = static_cast<std::uint8_t*>(r->data);
    Divider div(w);
    for (std::uint32_t p3 = 0; p3 < out[3]; ++p3)
        for (std::uint32_t p2 = 0; p2 < out[2]; ++p2)
            for (std::uint32_t p1 = 0; p1 < out[1]; ++p1) {
                std::memset(acc, 0, out[0] * sizeof(std::uint32_t));
                const std::int32_t* weight = weights;
                for (std::uint32_t k3 = 0; k3 < k[3]; ++k3)
                    for (std::uint32_t k2 = 0; k2 < k[2]; ++k2)
                        for (std::uint32_t k1 = 0; k1 < k[1]; ++k1)
                            for (std::uint32_t k0 = 0; k0 < k[0]; ++k0, ++weight) {
                                if (*weight == 0) continue;
                                v0AccumulateRow(src + IndexOf(n, k0, p1 + k1, p2 + k2, p3 + k3),
                                                acc, out[0], static_cast<std::uint32_t>(*weight));
                            }
                v0StoreRow(acc,
                           dst + IndexOf(n, k[0] / 2, p1 + k[1] / 2, p2 + k[2] / 2, p3 + k[3] / 2),
                           out[0], div);
            }
    sysFree(acc);
    return r;
}

// Sliding sums of `side` consecutive blocks along one dimension, in place: block p becomes
// the sum of blocks p .. p + side - 1. Blocks are `width` sums long, `count` of them.
void v0SlideBlocks(std::uint32_t* data, std::uint64_t width, std::uint32_t count,
                   std::uint32_t side, std::uint32_t* __restrict running) {
    std::memcpy(running, data, width * sizeof(std::uint32_t));
    for (std::uint32_t j = 1; j < side; ++j) {
        const std::uint32_t* block = data + j * width;
        for (std::uint64_t i = 0; i < width; ++i)
            running[i] += block[i];
    }
    for (std::uint32_t p = 0; p + side <= count; ++p) {
        std::uint32_t* __restrict first = data + p * width;
        const std::uint32_t* __restrict next =
            p + side < count ? data + (p + side) * width : nullptr;
        for (std::uint64_t i = 0; i < width; ++i) {
            std::uint32_t sum = running[i];
            if (next) running[i] += next[i] - first[i];
            first[i] = sum;
        }
    }
}

// The box mean of SMOOTH: the sum over a box of `side` in each of the image's dimensions,
// built one dimension at a time, so that its cost does not grow with the box. Sums wrap in
// 32 bits exactly as the weighted sum of CONVOLVE does.
vARRAY* v0BoxMeanUC(const vARRAY* image, std::uint32_t side) {
    std::uint32_t k[4];
    std::uint32_t w = 1;
    for (int d = 0; d < 4; ++d) {
        k[d] = d < image->ndims ? side : 1;
        w *= k[d];
    }
    if (w == 0) return nullptr;
    vARRAY* r = vArrayCreateShaped(kTypeUC, image, true);
    if (!r) return nullptr;
    std::uint32_t out[4];
    if (!OutputExtent(image, k, out)) return r;
    const std::uint32_t* n = image->dims;
    std::uint64_t total = image->count;
    auto* sums = static_cast<std::uint32_t*>(sysMalloc(total * sizeof(std::uint32_t)));
    std::uint64_t largestBlock = total / n[3] > n[0] ? total / n[3] : n[0];
    auto* running = static_cast<std::uint32_t*>(sysMalloc(largestBlock * sizeof(std::uint32_t)));
    if (!sums || !running) {
        sysFree(sums);
        sysFree(running);
        vvDestroy(r);
        return nullptr;
    }
    const auto* src = static_cast<const std::uint8_t*>(image->data);
    // Along the first dimension, row by row, straight from the image.
    std::uint64_t rows = total / n[0];
    for (std::uint64_t row = 0; row < rows; ++row) {
        const std::uint8_t* in = src + row * n[0];
        std::uint32_t* s = sums + row * n[0];
        std::uint32_t sum = 0;
        for (std::uint32_t i = 0; i < k[0]; ++i)
            sum += in[i];
        for (std::uint32_t p = 0; p < out[0]; ++p) {
            s[p] = sum;
            if (p + k[0] < n[0]) sum += in[p + k[0]] - static_cast<std::uint32_t>(in[p]);
        }
    }
    // Along each further dimension: whole blocks of the lower dimensions slide at once.
    std::uint64_t width = n[0];
    for (int d = 1; d < 4; ++d) {
        std::uint64_t outer = total / (width * n[d]);
        if (k[d] > 1)
            for (std::uint64_t o = 0; o < outer; ++o)
                v0SlideBlocks(sums + o * width * n[d], width, n[d], k[d], running);
        width *= n[d];
    }
    auto* dst = static_cast<std::uint8_t*>(r->data);
    Divider div(w);
    for (std::uint32_t p3 = 0; p3 < out[3]; ++p3)
        for (std::uint32_t p2 = 0; p2 < out[2]; ++p2)
            for (std::uint32_t p1 = 0; p1 < out[1]; ++p1)
                v0StoreRow(sums + IndexOf(n, 0, p1, p2, p3),
                           dst + IndexOf(n, k[0] / 2, p1 + k[1] / 2, p2 + k[2] / 2, p3 + k[3] / 2),
                           out[0], div);
    sysFree(sums);
    sysFree(running);
    return r;
}

} // namespace

vOBJECT* vvARRAYconvolve(vOBJECT** argv) {
    vARRAY* image = vArgArray(argv, 0);
    vARRAY* kernel = vArgArray(argv, 1);
    if (!image || !kernel || image->type != kTypeUC) return nullptr;
    vARRAY* weights = vConvertTo(kernel, nullptr, kTypeL);
    if (!weights) return nullptr;
    vARRAY* r = v0ConvolveUC(image, weights);
    vvDestroy(weights);
    return r;
}

vOBJECT* vvARRAYsmooth(vOBJECT** argv) {
    vARRAY* image = vArgArray(argv, 0);
    vARRAY* size = vArgArray(argv, 1);
    if (!image || !size || image->type != kTypeUC) return nullptr;
    std::int32_t side = vLongValue(size, 0);
    if (side <= 0) return nullptr;
    return v0BoxMeanUC(image, static_cast<std::uint32_t>(side));
}

int vArrayImageInitialize() {
    vClassSetFunction(vArrayClass, kFnConvolve, &vvARRAYconvolve);
    vClassSetFunction(vArrayClass, kFnSmooth, &vvARRAYsmooth);
    return 1;
}
