#pragma once
// GVPLProView: a view that holds a drawn program, either a whole program or the inside of a
// user function.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/framework/gobjectview.h"

class GVPLProView : public GObjectView {
public:
    using GObjectView::GObjectView;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLProView>();
    }
    static constexpr GClassID kClassID = vplid::kProView;
    GClassID GetClassID() const override { return kClassID; }
};
