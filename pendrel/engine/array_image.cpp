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

// Sums of `k` consecutive bytes of a row: out[p] = in[p] + ... + in[p + k - 1] for p below
// `count`. A short box adds its bytes straight (a loop the compiler vectorises); a long one
// slides a running sum.
void v0RowSums(const std::uint8_t* __restrict in, std::uint32_t k, std::uint32_t count,
               std::uint32_t* __restrict out) {
    if (k <= 4) {
        for (std::uint32_t p = 0; p < count; ++p)
            out[p] = in[p];
        for (std::uint32_t j = 1; j < k; ++j) {
            const std::uint8_t* shifted = in + j;
            for (std::uint32_t p = 0; p < count; ++p)
                out[p] += shifted[p];
        }
        return;
    }
    std::uint32_t sum = 0;
    for (std::uint32_t i = 0; i < k; ++i)
        sum += in[i];
    for (std::uint32_t p = 0; p < count; ++p) {
        out[p] = sum;
        if (p + 1 < count) sum += in[p + k] - static_cast<std::uint32_t>(in[p]);
    }
}

void v0AddSums(std::uint32_t* __restrict acc, const std::uint32_t* __restrict add,
               std::uint64_t n) {
    for (std::uint64_t i = 0; i < n; ++i)
        acc[i] += add[i];
}

void v0SlideSums(std::uint32_t* __restrict acc, const std::uint32_t* __restrict add,
                 const std::uint32_t* __restrict remove, std::uint64_t n) {
    for (std::uint64_t i = 0; i < n; ++i)
        acc[i] += add[i] - remove[i];
}

// The box mean of SMOOTH, streamed: the sums over the box are built one dimension at a time
// (the row sums of each row, then sums of `side` consecutive rows, of planes, ...), each level
// keeping only the last `side` results of the level below and a running total. Only a few
// rows of sums are alive at once, so the work stays in the cache and its cost does not grow
// with the box. The sums wrap in 32 bits exactly as the weighted sum of CONVOLVE does, so the
// means are those of CONVOLVE with a kernel of ones.
class BoxMean {
public:
    BoxMean(const vARRAY* image, const std::uint32_t* k, const std::uint32_t* out, vARRAY* r,
            std::uint32_t w)
        : src_(static_cast<const std::uint8_t*>(image->data)), n_(image->dims), k_(k), out_(out),
          dst_(static_cast<std::uint8_t*>(r->data)), div_(w) {
        top_ = image->ndims > 1 ? (image->ndims < 4 ? image->ndims - 1 : 3) : 0;
        std::uint64_t sums = out[0];
        std::uint64_t slice = n_[0];
        for (int d = 0; d < 4; ++d) {
            compact_[d] = sums;    // sums one level-d result holds
            sliceSize_[d] = slice; // image elements of one level-d slice
            if (d < 3) {
                sums *= out[d + 1];
                slice *= n_[d + 1];
            }
        }
    }
    ~BoxMean() {
        for (std::uint32_t* b : buffers_)
            sysFree(b);
    }
    BoxMean(const BoxMean&) = delete;
    BoxMean& operator=(const BoxMean&) = delete;

    bool Allocate() {
        // Level d > 0 keeps k[d] + 1 results of level d - 1 and their running total.
        for (int d = 1; d <= top_; ++d) {
            ring_[d] = Take((k_[d] + 1) * compact_[d - 1]);
            total_[d] = Take(compact_[d - 1]);
            if (!ring_[d] || !total_[d]) return false;
        }
        rowChunk_ = Take(top_ == 0 ? kChunk : out_[0]);
        return rowChunk_ != nullptr;
    }

    void Run() {
        if (top_ == 0) {
            StreamRow();
            return;
        }
        Level(top_, src_, nullptr);
    }

private:
    static constexpr std::uint32_t kChunk = 4096;

    std::uint32_t* Take(std::uint64_t count) {
        auto* b = static_cast<std::uint32_t*>(sysMalloc(count * sizeof(std::uint32_t)));
        if (b) buffers_[used_++] = b;
        return b;
    }

    // A one-dimensional image: row sums a chunk at a time, divided straight into place.
    void StreamRow() {
        std::uint8_t* to = dst_ + k_[0] / 2;
        for (std::uint32_t p = 0; p < out_[0]; p += kChunk) {
            const std::uint32_t count = out_[0] - p < kChunk ? out_[0] - p : kChunk;
            v0RowSums(src_ + p, k_[0], count, rowChunk_);
            v0StoreRow(rowChunk_, to + p, count, div_);
        }
    }

    // Box sums over dimensions 0..d of the level-d slice at `slice`, into `result`
    // (compact_[d] sums); at the top level the means go straight into the image instead.
    void Level(int d, const std::uint8_t* slice, std::uint32_t* result) {
        if (d == 0) {
            v0RowSums(slice, k_[0], out_[0], result);
            return;
        }
        const std::uint64_t size = compact_[d - 1];
        const std::uint32_t k = k_[d];
        std::uint32_t* ring = ring_[d];
        std::uint32_t* total = total_[d];
        for (std::uint32_t i = 0; i < n_[d]; ++i) {
            std::uint32_t* fresh = ring + (i % (k + 1)) * size;
            Level(d - 1, slice + i * sliceSize_[d - 1], fresh);
            if (i == 0)
                std::memcpy(total, fresh, size * sizeof(std::uint32_t));
            else if (i < k)
                v0AddSums(total, fresh, size);
            else
                v0SlideSums(total, fresh, ring + ((i - k) % (k + 1)) * size, size);
            if (i + 1 < k) continue;
            const std::uint32_t p = i + 1 - k; // the box now covers p .. i
            if (d < top_)
                std::memcpy(result + p * size, total, size * sizeof(std::uint32_t));
            else
                Store(p, total);
        }
    }

    // The means of the top level's position p: one row of out_[0] sums per position of the
    // dimensions between.
    void Store(std::uint32_t p, const std::uint32_t* sums) {
        std::uint32_t q[4] = {0, 0, 0, 0};
        q[top_] = p;
        const std::uint64_t rows = compact_[top_ - 1] / out_[0];
        for (std::uint64_t row = 0; row < rows; ++row) {
            std::uint64_t rest = row;
            for (int d = 1; d < top_; ++d) {
                q[d] = static_cast<std::uint32_t>(rest % out_[d]);
                rest /= out_[d];
            }
            v0StoreRow(
                sums + row * out_[0],
                dst_ + IndexOf(n_, k_[0] / 2, q[1] + k_[1] / 2, q[2] + k_[2] / 2, q[3] + k_[3] / 2),
                out_[0], div_);
        }
    }

    const std::uint8_t* src_;
    const std::uint32_t* n_;
    const std::uint32_t* k_;
    const std::uint32_t* out_;
    std::uint8_t* dst_;
    Divider div_;
    int top_ = 0; // the highest dimension the box spans
    std::uint64_t compact_[4] = {};
    std::uint64_t sliceSize_[4] = {};
    std::uint32_t* ring_[4] = {};
    std::uint32_t* total_[4] = {};
    std::uint32_t* rowChunk_ = nullptr;
    std::uint32_t* buffers_[8] = {};
    int used_ = 0;
};

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
    BoxMean box(image, k, out, r, w);
    if (!box.Allocate()) {
        vvDestroy(r);
        return nullptr;
    }
    box.Run();
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
