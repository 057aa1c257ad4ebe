// The fast kernels against their definitions: floats to bytes through a 64-bit truncation,
// and SMOOTH as the box mean that CONVOLVE with a kernel of ones gives, on random images of
// every number of dimensions.
#include "engine_fixture.h"

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

using Kernels = EngineTest;

// The conversion as written down: truncate toward zero to 64 bits (out of range and NaN give
// the lowest 64-bit value), keep the low byte.
std::uint8_t LowByteOf(float v) {
    if (!(v >= -9223372036854775808.0f && v < 9223372036854775808.0f)) return 0;
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(v));
}

TEST_F(Kernels, FloatsToBytesKeepTheLowByteOfTheTruncation) {
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 0.99f,
                                 -0.99f,
                                 255.9f,
                                 256.0f,
                                 300.7f,
                                 -1.5f,
                                 -128.5f,
                                 127.9f,
                                 2147483520.0f,
                                 2147483648.0f,
                                 -2147483648.0f,
                                 4294967296.0f,
                                 3e9f,
                                 -3e9f,
                                 1e20f,
                                 -1e20f,
                                 16777217.0f,
                                 std::numeric_limits<float>::infinity(),
                                 -std::numeric_limits<float>::infinity(),
                                 std::numeric_limits<float>::quiet_NaN(),
                                 std::numeric_limits<float>::denorm_min()};
    std::mt19937 random(11);
    std::uniform_real_distribution<float> small(-70000.0f, 70000.0f);
    std::uniform_real_distribution<float> exponent(0.0f, 80.0f);
    for (int i = 0; i < 4000; ++i) {
        values.push_back(small(random));
        const float big = std::exp2(exponent(random));
        values.push_back(random() % 2 ? big : -big);
    }
    values.push_back(1.5f); // an odd count: the last few go one by one
    Owned f(vArrayCreate1(kTypeF, values.size()));
    std::copy(values.begin(), values.end(), static_cast<float*>(f.Array()->data));
    for (auto op : {&vvARRAYuchar, &vvARRAYchar}) {
        Owned r(Apply(op, {f.obj}));
        ASSERT_NE(r.obj, nullptr);
        const auto* bytes = static_cast<const std::uint8_t*>(r.Array()->data);
        for (std::size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(bytes[i], LowByteOf(values[i])) << "value " << values[i];
    }
}

// The box mean from its definition: the sum over the box at every position where the box
// lies wholly inside, wrapping in 32 bits, divided by the box's size, at the box's centre.
std::vector<double> BoxMean(const vARRAY* image, std::uint32_t side) {
    std::uint32_t k[4], n[4];
    std::uint32_t w = 1;
    for (int d = 0; d < 4; ++d) {
        k[d] = d < image->ndims ? side : 1;
        n[d] = image->dims[d];
        w *= k[d];
    }
    std::vector<double> out(image->count, 0.0);
    for (int d = 0; d < 4; ++d)
        if (k[d] > n[d]) return out;
    const auto* p = static_cast<const std::uint8_t*>(image->data);
    auto at = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t e) {
        return a + n[0] * (b + n[1] * (c + n[2] * e));
    };
    for (std::uint32_t p3 = 0; p3 + k[3] <= n[3]; ++p3)
        for (std::uint32_t p2 = 0; p2 + k[2] <= n[2]; ++p2)
            for (std::uint32_t p1 = 0; p1 + k[1] <= n[1]; ++p1)
                for (std::uint32_t p0 = 0; p0 + k[0] <= n[0]; ++p0) {
                    std::uint32_t sum = 0;
                    for (std::uint32_t a = 0; a < k[3]; ++a)
                        for (std::uint32_t b = 0; b < k[2]; ++b)
                            for (std::uint32_t c = 0; c < k[1]; ++c)
                                for (std::uint32_t e = 0; e < k[0]; ++e)
                                    sum += p[at(p0 + e, p1 + c, p2 + b, p3 + a)];
                    out[at(p0 + k[0] / 2, p1 + k[1] / 2, p2 + k[2] / 2, p3 + k[3] / 2)] =
                        static_cast<std::uint8_t>(sum / w);
                }
    return out;
}

TEST_F(Kernels, SmoothIsTheBoxMeanOfConvolveOnRandomImages) {
    std::mt19937 random(5);
    struct Shape {
        std::vector<unsigned long> dims;
        std::vector<std::uint32_t> sides;
    };
    const std::vector<Shape> shapes = {
        {{9000}, {1, 2, 3, 4, 5, 9, 4097, 9000, 9001}}, // longer than one chunk of row sums
        {{37, 23}, {1, 2, 3, 5, 6, 23, 24}},
        {{1, 40}, {1, 2}},
        {{40, 1}, {1, 2}},
        {{11, 7, 6}, {1, 2, 3, 6}},
        {{5, 4, 6, 7}, {1, 2, 3, 4}},
        {{300}, {3}},
    };
    for (const Shape& shape : shapes) {
        Owned image(vArrayCreate(kTypeUC, static_cast<short>(shape.dims.size()),
                                 const_cast<unsigned long*>(shape.dims.data())));
        auto* p = static_cast<std::uint8_t*>(image.Array()->data);
        for (std::uint32_t i = 0; i < image.Array()->count; ++i)
            p[i] = static_cast<std::uint8_t>(random());
        for (std::uint32_t side : shape.sides) {
            Owned k(MakeArray(kTypeL, {static_cast<double>(side)}));
            Owned smooth(Apply(&vvARRAYsmooth, {image.obj, k.obj}));
            ASSERT_NE(smooth.obj, nullptr);
            const std::vector<double> expected = BoxMean(image.Array(), side);
            ASSERT_EQ(ValuesOf(smooth.obj), expected)
                << shape.dims.size() << " dimensions, side " << side;
            std::vector<unsigned long> kdims(shape.dims.size(), side);
            Owned ones(vArrayCreate(kTypeL, static_cast<short>(kdims.size()), kdims.data()));
            auto* w = static_cast<std::int32_t*>(ones.Array()->data);
            for (std::uint32_t i = 0; i < ones.Array()->count; ++i)
                w[i] = 1;
            Owned convolve(Apply(&vvARRAYconvolve, {image.obj, ones.obj}));
            EXPECT_EQ(ValuesOf(convolve.obj), expected) << "side " << side;
        }
    }
}

} // namespace
