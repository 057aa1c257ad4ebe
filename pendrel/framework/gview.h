#pragma once
// GView: a graphic with a virtual coordinate system of its own for its sub-graphics.
#include "pendrel/framework/ggraphic.h"

class GView : public GGraphic {
public:
    // Leaves a virtual coordinate unchanged in SetVirtualCoordinates.
    static constexpr long kUnchanged = 0xFFFFFFD;

    GView() = default;
    // A new view takes its own size as its virtual extent.
    GView(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GView>(); }
    static constexpr GClassID kClassID = gid::kView;
    GClassID GetClassID() const override { return kClassID; }
    bool IsView() const override { return true; }

    GFactors Factors() const override;
    // The virtual values that map onto the display rectangle; right below left (bottom above
    // top) flips the axis.
    void SetVirtualCoordinates(long left, long top, long right, long bottom);
    long VirtualLeft() const { return left_; }
    long VirtualTop() const { return top_; }
    long VirtualRight() const { return right_; }
    long VirtualBottom() const { return bottom_; }
    long FifthWord() const { return fifth_; }
    void SetFifthWord(long value) { fifth_ = value; }

    // A view fills its rectangle with its colour.
    void Paint(GDrawingSurface& surface) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long left_ = 0;
    long top_ = 0;
    long right_ = 100;
    long bottom_ = 100;
    long fifth_ = 0;
};
