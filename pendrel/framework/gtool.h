#pragma once
// Tools: graphics that act on clicks. A creation tool holds a prototype graphic; once armed
// by a release on it, a press on a view drops a copy of the prototype there.
#include "pendrel/framework/ggraphic.h"

// A tool stays where the palette put it, keeps its colour and cannot be deleted; what is dropped
// on it goes to its palette. It is picked as a whole: its labels and pictures are part of it.
class GTool : public GGraphic {
public:
    static constexpr long kToolBits = 0x1003F;

    GTool();
    GTool(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GTool>(); }
    static constexpr GClassID kClassID = gid::kTool;
    GClassID GetClassID() const override { return kClassID; }
    bool IsTool() const override { return true; }
    GGraphic* PickAt(Gpoint point) override;
    // A press on another graphic gives it the focus and the press; a tool itself is never
    // dragged about.
    void MouseEvent(int type, long x, long y) override;
    // Tools keep their colour against the colour cells; the palette that makes them sets it.
    void SetToolColor(long color);
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
    // The graphic whose colour new graphics take (a pen or bucket sample); without one they
    // keep the prototype's colour.
    void SetColorModel(GGraphic* model);
    GGraphic* ColorModel() const;
    long NewGraphicColor() const;
    bool IsArmed() const { return clicks_ > 0; }
    // The graphic made by the last press, until the release gives it the focus.
    GGraphic* Created() const { return created_; }

    void MouseEvent(int type, long x, long y) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    // A shown copy of the prototype in the new colour, dropped into the view; none when the
    // view did not take it.
    GGraphic* DropCopyInto(GGraphic& view);
    // The graphic under the mouse in the window that received the event.
    GGraphic* PickedAt(long x, long y);
    void CountClick() { ++clicks_; }

private:
    std::unique_ptr<GGraphic> prototype_;
    GList colorModel_;
    long clicks_ = 0;
    GGraphic* created_ = nullptr;
    GList createdWatch_;
};
