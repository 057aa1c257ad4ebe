#pragma once
// GVPLProgramHolder: the view of a document window that frames its program view, either in a
// plain object view (the program is stretched over the frame) or in a scroll view with both
// bars (the program keeps its size in pixels and is scrolled). Command 454 switches between
// the two.
#include "pendrel/app/app_ids.h"
#include "pendrel/framework/gview.h"

class GVPLProgramView;
class GScrollView;

class GVPLProgramHolder : public GView {
public:
    enum Frame : unsigned short { kPlainFrame = 0, kScrollingFrame = 1 };

    GVPLProgramHolder() = default;
    GVPLProgramHolder(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLProgramHolder>();
    }
    static constexpr GClassID kClassID = appid::kProgramHolder;
    GClassID GetClassID() const override { return kClassID; }

    // Takes the program into the holder's present frame.
    void AttachProgram(std::unique_ptr<GGraphic> program);
    GVPLProgramView* Program() const;
    // Puts the program into a new frame of the kind; the old frame goes.
    void CreateProgramFrame(unsigned short kind);
    unsigned short FrameKind() const { return kind_; }
    GView* FrameView() const { return As<GView>(frame_.First()); }
    GScrollView* ScrollFrame() const;

    void MenuEvent(int command) override;

private:
    unsigned short kind_ = kPlainFrame;
    GList frame_;
    GList program_;
};
