#pragma once
// Ties: the connection points on the edges of boxes. An input tie receives values on the path
// named after its line number; an output tie delivers to the input ties it is connected to. A
// connection between two ties of the same class is a link across a user-function boundary:
// the outer tie sits on the user function, the inner one on a box inside it.
#include "pendrel/builder/builder_ids.h"
#include "pendrel/builder/gdata.h"
#include "pendrel/builder/run_context.h"
#include "pendrel/framework/primitives.h"

#include <memory>
#include <vector>

class GVPLBox;

// Links are followed at most this deep; a longer chain counts as a loop.
inline constexpr int kMaxLinkDepth = 100;

class GVPLTie : public GRectangle, public vpl::RunParticipant {
public:
    // Ties are drawn this many pixels square, centred on their point of the box's edge.
    static constexpr long kSize = 8;

    GVPLTie() = default;
    GVPLTie(long x, long y);
    ~GVPLTie() override;

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLTie>();
    }
    static constexpr GClassID kClassID = vplid::kTie;
    GClassID GetClassID() const override { return kClassID; }

    GVPLBox* Box() const;
    // The program view (or user-function inside) whose drawing the tie belongs to.
    GList* View() const;
    std::vector<GVPLTie*> Connections() const;
    int ConnectionCount() const { return connections_.Length(); }
    GVPLTie* FirstConnection() const;

    // A link is a connection to a tie of the same class.
    bool IsLinked() const;
    bool IsLinkedTo(int depth, const GVPLTie* other) const;
    // Whether `other` is linked to this tie from inside this tie's user function.
    bool IsInwardLink(const GVPLTie* other) const;

    // Connects both ways: a link first in each list, any other connection last; an input and
    // an output tie also get a tie line. False for itself or a tie already connected.
    bool CompleteConnection(GVPLTie* other);
    void BreakConnection(GVPLTie* other);
    void AddConnection(GVPLTie* other);
    void RemoveConnection(GVPLTie* other);
    void BreakAllConnections();
    void BreakAllLinks();
    // Breaks connections to ties of the other class that lie in another view.
    void CleanupInvalidTies();

    // Tie commands: 162 remembers the tie at the other end, 161 also breaks every connection,
    // 160 breaks them, 163 connects to the remembered tie when both lie in the same view.
    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    void Paint(GDrawingSurface& surface) override;

private:
    // Deletes what a damaged file put into the list as a whole object; true if there was any.
    bool DropOwnedConnections();

    GList connections_;
};

class GVPLInputTie : public GVPLTie {
public:
    // A new input tie takes the next line number.
    GVPLInputTie();
    GVPLInputTie(long x, long y);
    // The instance of the class table, which takes no number.
    struct Model {};
    explicit GVPLInputTie(Model) {}
    ~GVPLInputTie() override;

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLInputTie>();
    }
    static constexpr GClassID kClassID = vplid::kInputTie;
    GClassID GetClassID() const override { return kClassID; }

    long OwnLineNo() const { return lineNo_; }
    // The number of the tie that finally receives what arrives here: its own, or through a
    // link into a user function that of the tie inside; 0 for a loop, and 0 unconnected
    // unless the tie holds a value.
    long GetLineNo() const { return LineNo(0); }
    long LineNo(int depth) const;

    short HoldFlag() const { return hold_; }
    void SetHoldFlag(short hold) { hold_ = hold; }
    GData* GetHeldData() const { return held_.get(); }
    void SetHeldData(std::unique_ptr<GData> value) { held_ = std::move(value); }
    // Held values move between the tie and the net of the program it was last set up in, and
    // only for a tie that holds its value. Takes a copy of the object waiting on the tie's
    // path into the held value:
    void SaveHeldData();
    // Sends the held value to the tie's path.
    void RestoreHeldData();
    // "Deposit Input Value": the typed text's first quoted text or constant becomes the held
    // value; while the program runs it is sent at once. False when the text holds no value.
    bool DepositInputValue(std::string_view text);
    // The held value as the deposit field shows it.
    std::string HeldValueText() const;
    // "Deposit Input Value": a pop-up field beside the tie showing the held value; Enter
    // deposits the typed text. Returns the pop-up.
    GGraphic* ShowInsertPopup();

    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

    // Draws the lines of its connections to output ties once they are known (after reading).
    void EnsureTieLines();

private:
    long lineNo_ = 0;
    short hold_ = 0;
    std::unique_ptr<GData> held_;
};

class GVPLOutputTie : public GVPLTie {
public:
    using GVPLTie::GVPLTie;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLOutputTie>();
    }
    static constexpr GClassID kClassID = vplid::kOutputTie;
    GClassID GetClassID() const override { return kClassID; }

    // The line numbers the value of this tie goes to, in connection order; through a link out
    // of a user function those of the outer tie. Empty for a loop.
    std::vector<long> Deliveries(int depth = 0) const;
    // The i-th of them (1-based), 0 when there is none.
    long GetLineNoAt(long i) const;
};

// The line drawn between an input tie and an output tie; it follows both. Owned by the input
// tie and never stored: it is drawn again when the connection is made or read.
class GVPLTieLine : public GGraphic {
public:
    GVPLTieLine() { SetProperty(0x10040); }
    GVPLTieLine(GVPLTie* a, GVPLTie* b);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GVPLTieLine>();
    }
    static constexpr GClassID kClassID = vplid::kTieLine;
    GClassID GetClassID() const override { return kClassID; }
    bool Joins(const GVPLTie* a, const GVPLTie* b) const;
    void CalculatePickArea() override;
    bool ContainsPoint(Gpoint) const override { return false; }
    void Paint(GDrawingSurface& surface) override;

private:
    GGraphic* End(int i) const;
    GList ends_;
};

// Line numbers come from one counter for the whole program, counting up from 1.
long TakeLineNumber();
// Where the counter stands; a fresh program starts at 1.
void SetNextLineNumber(long next);
