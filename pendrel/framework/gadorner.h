#pragma once
// GAdorner: one edge of a frame drawn around a graphic.
#include "pendrel/framework/g0.h"

class GAdorner : public G0 {
public:
    // The light upper-left and the dark lower-right edge of a three-dimensional frame.
    static constexpr long kLightEdge = 0x10002;
    static constexpr long kDarkEdge = 0x10003;

    GAdorner() = default;
    GAdorner(long color, long kind) : color_(color), kind_(kind) {}

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GAdorner>();
    }
    static constexpr GClassID kClassID = gid::kAdorner;
    GClassID GetClassID() const override { return kClassID; }

    long Color() const { return color_; }
    long Kind() const { return kind_; }

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long color_ = 0;
    long kind_ = 0;
};
