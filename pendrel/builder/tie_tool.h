#pragma once
// The tie tools: each carries a hold value (0 or 1). With one the user picks an input tie and
// an output tie, in either order (picking a box takes its best tie); once both are picked and
// lie in the same program view they are connected and the input tie takes the hold value.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/framework/glist.h"
#include "pendrel/framework/gtool.h"

class GVPLTie;

class GVPLTieTool : public GTool {
public:
    static constexpr GClassID kClassID = vplid::kTieTool;

    GVPLTieTool() = default;
    GVPLTieTool(long x, long y, long width, long height, short hold);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLTieTool>();
    }
    GClassID GetClassID() const override { return kClassID; }

    short Hold() const { return hold_; }
    // Picks a tie, or the best tie of a box; true when this pick completed a connection.
    bool Pick(GGraphic* graphic);
    GVPLTie* PickedInput() const;
    GVPLTie* PickedOutput() const;

    // A release on the tool arms it; while armed, a press on another graphic picks it.
    void MouseEvent(int type, long x, long y) override;

private:
    short hold_ = 0;
    bool armed_ = false;
    // The ties picked so far; the lists forget a tie that goes away.
    GList input_;
    GList output_;
};
