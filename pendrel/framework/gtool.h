#pragma once
// Tools: graphics that act on clicks. A creation tool holds a prototype graphic; once armed
// by a release on it, a press on a view drops a copy of the prototype there.
#include "pendrel/framework/ggraphic.h"

// The colour the drawing tools give to what they create.
long CurrentDrawingColor();
void SetCurrentDrawingColor(long color);

class GTool : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GTool>(); }
    static constexpr GClassID kClassID = gid::kTool;
    GClassID GetClassID() const override { return kClassID; }
    bool IsTool() const override { return true; }
};

class GCreateTool : public GTool {
public:
    // The size a prototype gets when it has none of its own.
    static constexpr long kDefaultSize = 20;

    GCreateTool() = default;
    GCreateTool(long x, long y, long width, long height, std::unique_ptr<GGraphic> prototype);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GCreateTool>();
    }
    static constexpr GClassID kClassID = gid::kCreateTool;
    GClassID GetClassID() const override { return kClassID; }

    GGraphic* Prototype() const { return prototype_.get(); }
    void SetPrototype(std::unique_ptr<GGraphic> prototype);
    bool IsArmed() const { return clicks_ > 0; }
    // The graphic made by the last press, until the release gives it the focus.
    GGraphic* Created() const { return created_; }

    void MouseEvent(int type, long x, long y) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    std::unique_ptr<GGraphic> prototype_;
    long clicks_ = 0;
    GGraphic* created_ = nullptr;
    GList createdWatch_;
};
