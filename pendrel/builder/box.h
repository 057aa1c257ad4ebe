#pragma once
// GVPLBox: a small view with input ties down its left edge and output ties down its right
// edge, in virtual coordinates 0..100 both ways. The i-th of n ties sits at 100 / (n + 1) * i.
// Its sub-graphics (name texts, fields, icons) are rebuilt after reading; only the box part is
// stored: header, position, size and the two tie lists.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/builder/run_context.h"
#include "pendrel/builder/tie.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/gview.h"

#include <vector>

class GVPLBox : public GView, public vpl::RunParticipant {
public:
    GVPLBox();
    GVPLBox(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLBox>();
    }
    static constexpr GClassID kClassID = vplid::kBox;
    GClassID GetClassID() const override { return kClassID; }

    // Removes ties past n, creates missing ones and puts them all in place.
    void InitializeInputs(int n);
    void InitializeOutputs(int n);
    int NumInputs() const { return inputTies_.Length(); }
    int NumOutputs() const { return outputTies_.Length(); }
    GVPLInputTie* InputTie(int i) const { return As<GVPLInputTie>(inputTies_.At(i)); }
    GVPLOutputTie* OutputTie(int i) const { return As<GVPLOutputTie>(outputTies_.At(i)); }
    std::vector<GVPLInputTie*> InputTies() const;
    std::vector<GVPLOutputTie*> OutputTies() const;
    // The line numbers the first output tie delivers to; none without outputs.
    std::vector<long> FirstOutputDeliveries() const;
    // The first input tie for 135, the first output tie for 136, else whichever exists.
    GVPLTie* GetBestTie(GClassID id) const;

    // Appends the box's net text; plain boxes have none.
    virtual void BuildCommand(GString& text);
    // Rebuilds the sub-graphics that are not stored.
    virtual void InitializeOwnedObjects() {}

    // A box is a tinted card with a dark frame (adorners, drawn over its parts).
    static constexpr long kBoxColor = 0xFFF4E8;
    static constexpr long kFrameColor = 0x404040;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    // The box part shared by every box class.
    void SendBox(GStream& stream) const;
    bool ReceiveBox(GStream& stream);
    // A text centred in the box, one of its editable parts.
    GText* AddCentredText(std::string_view text, long x, long y);

private:
    void PlaceTies(GList& ties, long x);
    bool ReceiveTies(GStream& stream, GList& ties, GClassID id);

    GList inputTies_;
    GList outputTies_;
};

// Walks the graphics owned by a list depth-first in list order, descending into sub-graphics;
// with `intoUserFunctions` false the inside of user functions is skipped. Only what a list owns
// is followed: an entry that merely refers to a graphic (even one that holds the list) is
// walked where it is owned, once.
template <class F> void ForEachGraphic(GList& list, bool intoUserFunctions, F&& visit) {
    for (G0* object : list.OwnedObjects()) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr) continue;
        visit(object);
        if (!intoUserFunctions && graphic->IsFrom(vplid::kUserFunction)) continue;
        ForEachGraphic(*graphic, intoUserFunctions, visit);
    }
}
