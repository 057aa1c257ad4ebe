#include "pendrel/builder/tie.h"

#include "pendrel/builder/box.h"
#include "pendrel/builder/engine_values.h"
#include "pendrel/builder/net_text.h"
#include "pendrel/builder/zez_binding.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/gtextbox.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

namespace {

long gNextLineNo = 1;

// The tie remembered by "Copy" and "Cut" for a later "Paste"; the list forgets a tie that goes.
GList& RememberedTie() {
    static GList remembered;
    return remembered;
}

bool SameClass(const GVPLTie* a, const GVPLTie* b) {
    return a->GetClassID() == b->GetClassID();
}

} // namespace

long TakeLineNumber() {
    return gNextLineNo++;
}
void SetNextLineNumber(long next) {
    gNextLineNo = next;
}

// ---- GVPLTie ----

GVPLTie::GVPLTie(long x, long y)
    : GRectangle(x | ganchor::kCentre, y | ganchor::kCentre, kSize | gsize::kPixels,
                 kSize | gsize::kPixels) {
    SetGroup(vplgroup::kEditable);
}

GVPLTie::~GVPLTie() {
    DropOwnedConnections();
    BreakAllConnections();
}

GVPLBox* GVPLTie::Box() const {
    return As<GVPLBox>(Owner());
}

GList* GVPLTie::View() const {
    return FindOwnershipFrom(vplid::kProView);
}

std::vector<GVPLTie*> GVPLTie::Connections() const {
    std::vector<GVPLTie*> out;
    // A damaged file may make a reference point at something else: only ties count.
    for (G0* object : connections_.Objects())
        if (auto* tie = As<GVPLTie>(object)) out.push_back(tie);
    return out;
}

GVPLTie* GVPLTie::FirstConnection() const {
    const std::vector<GVPLTie*> ties = Connections();
    return ties.empty() ? nullptr : ties.front();
}

bool GVPLTie::IsLinked() const {
    for (GVPLTie* other : Connections())
        if (SameClass(this, other)) return true;
    return false;
}

bool GVPLTie::IsLinkedTo(int depth, const GVPLTie* other) const {
    if (depth > kMaxLinkDepth) return false;
    for (GVPLTie* linked : Connections()) {
        if (!SameClass(this, linked)) continue;
        if (linked == other) return true;
        if (IsInwardLink(linked) && linked->IsLinkedTo(depth + 1, other)) return true;
    }
    return false;
}

bool GVPLTie::IsInwardLink(const GVPLTie* other) const {
    GVPLBox* box = Box();
    return other != nullptr && SameClass(this, other) && box != nullptr &&
           box->IsFrom(vplid::kUserFunction) && box->HoldsDeep(other);
}

void GVPLTie::AddConnection(GVPLTie* other) {
    if (other == nullptr || other == this || connections_.Holds(other)) return;
    if (SameClass(this, other))
        connections_.InsertFirst(other);
    else
        connections_.Insert(other);
}

void GVPLTie::RemoveConnection(GVPLTie* other) {
    connections_.Remove(other);
}

bool GVPLTie::CompleteConnection(GVPLTie* other) {
    if (other == nullptr || other == this || connections_.Holds(other)) return false;
    AddConnection(other);
    other->AddConnection(this);
    // The line between an input and an output tie belongs to the input tie.
    if (!SameClass(this, other))
        for (GVPLTie* end : {this, other})
            if (auto* input = As<GVPLInputTie>(end)) input->EnsureTieLines();
    return true;
}

void GVPLTie::BreakConnection(GVPLTie* other) {
    if (other == nullptr) return;
    RemoveConnection(other);
    other->RemoveConnection(this);
    // The line between them belongs to the input tie of the two.
    for (GVPLTie* tie : {this, other}) {
        for (G0* object : tie->Objects()) {
            if (auto* line = As<GVPLTieLine>(object); line != nullptr && line->Joins(this, other))
                DeleteObject(line);
        }
    }
}

void GVPLTie::BreakAllConnections() {
    for (GVPLTie* other : Connections())
        BreakConnection(other);
}

void GVPLTie::BreakAllLinks() {
    for (GVPLTie* other : Connections())
        if (SameClass(this, other)) BreakConnection(other);
}

void GVPLTie::CleanupInvalidTies() {
    GList* view = View();
    for (GVPLTie* other : Connections())
        if (!SameClass(this, other) && other->View() != view) BreakConnection(other);
}

void GVPLTie::MenuEvent(int command) {
    switch (command) {
    case vplcmd::kCopy:
    case vplcmd::kCut:
        RememberedTie().RemoveAll();
        RememberedTie().Insert(FirstConnection());
        if (command == vplcmd::kCut) BreakAllConnections();
        return;
    case vplcmd::kClear:
        BreakAllConnections();
        return;
    case vplcmd::kPaste: {
        auto* other = As<GVPLTie>(RememberedTie().First());
        if (other != nullptr && other->View() == View() && View() != nullptr)
            CompleteConnection(other);
        return;
    }
    default:
        GRectangle::MenuEvent(command);
    }
}

void GVPLTie::DoSetupMenus(GEventHandler* focus) {
    GRectangle::DoSetupMenus(focus);
    EventEnable(vplcmd::kClear, true);
    EventEnable(vplcmd::kCut, true);
    EventEnable(vplcmd::kCopy, true);
    EventEnable(vplcmd::kPaste, RememberedTie().First() != nullptr);
}

void GVPLTie::Send(GStream& stream) const {
    GRectangle::Send(stream);
    connections_.SendContents(stream);
}

bool GVPLTie::DropOwnedConnections() {
    // Deleting one object may take others of the list with it (a tie forgets its connections),
    // so the owned ones are looked up afresh after each deletion.
    bool dropped = false;
    for (auto owned = connections_.OwnedObjects(); !owned.empty();
         owned = connections_.OwnedObjects()) {
        DeleteObject(owned.front());
        dropped = true;
    }
    return dropped;
}

bool GVPLTie::Receive(GStream& stream) {
    const bool read = GRectangle::Receive(stream) && connections_.ReceiveContents(stream);
    // Connections are references to ties of other boxes; a whole object in their place is
    // damage, and the list must not keep it.
    return !DropOwnedConnections() && read;
}

void GVPLTie::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.SetDrawingColor(IsLinked() ? 0x808080 : 0x000000);
    surface.DrawRectangle(r.left, r.top, r.right, r.bottom);
}

// ---- GVPLInputTie ----

GVPLInputTie::GVPLInputTie() : lineNo_(TakeLineNumber()) {}

GVPLInputTie::GVPLInputTie(long x, long y) : GVPLTie(x, y), lineNo_(TakeLineNumber()) {}

GVPLInputTie::~GVPLInputTie() = default;

long GVPLInputTie::LineNo(int depth) const {
    if (depth > kMaxLinkDepth) return 0;
    // A tie nothing feeds but that holds a deposited value is fed on its own path, so that
    // the constants of different boxes never share one.
    if (ConnectionCount() == 0) return hold_ > 0 ? lineNo_ : 0;
    bool delivered = false;
    for (GVPLTie* other : Connections()) {
        if (IsInwardLink(other)) return As<GVPLInputTie>(other)->LineNo(depth + 1);
        // An output tie, or a link from the user function this tie sits inside.
        if (!SameClass(this, other) || other->IsInwardLink(this)) delivered = true;
    }
    return delivered ? lineNo_ : 0;
}

void GVPLInputTie::SaveHeldData() {
    vpl::RunContext* run = GetRunContext();
    if (hold_ <= 0 || run == nullptr) return;
    const std::string path = vplnet::PathName(GetLineNo());
    vOBJECT* waiting = run->Binding().zez_getheldobject(path);
    if (waiting == nullptr) return;
    // A copy of its own that the net cannot change; one too large to make is dropped, and the
    // tie keeps what it held before.
    if (std::unique_ptr<GData> copy = CopyOfValue(waiting))
        held_ = std::move(copy);
    else
        run->ReportProblem("the value held on " + path + " is too large to keep; it was dropped");
}

void GVPLInputTie::RestoreHeldData() {
    vpl::RunContext* run = GetRunContext();
    if (hold_ <= 0 || held_ == nullptr || held_->IsEmpty() || run == nullptr) return;
    run->Binding().zez_sendobject(vplnet::PathName(GetLineNo()), held_->Object());
}

bool GVPLInputTie::DepositInputValue(std::string_view text) {
    auto value = std::make_unique<GData>(text);
    if (value->IsEmpty()) return false;
    hold_ = 1;
    held_ = std::move(value);
    if (GetRunContext() != nullptr && GetRunContext()->IsRunning()) RestoreHeldData();
    return true;
}

std::string GVPLInputTie::HeldValueText() const {
    return held_ != nullptr ? vpl::EngineObjectText(held_->Object()) : std::string();
}

namespace {

// The typing field of the deposit pop-up: Enter deposits its line into the tie that opened it.
class gvpltieInsertPopup : public GInputBox {
public:
    gvpltieInsertPopup(long x, long y, long width, long height) : GInputBox(x, y, width, height) {
        SetProperty(gprop::kNotStored);
    }

    // Enter deposits the line and closes the pop-up, which destroys this field: nothing of
    // the field may be touched after that.
    void KeyEvent(int key) override {
        if (key != gkey::kEnter && key != gkey::kLineFeed) {
            GInputBox::KeyEvent(key);
            return;
        }
        auto* tie = FindOwnershipFrom<GVPLInputTie>();
        auto* popup = FindOwnershipFrom<GPopupView>();
        if (tie != nullptr) tie->DepositInputValue(CurrentLine());
        if (popup != nullptr) popup->Close();
    }
};

} // namespace

GGraphic* GVPLInputTie::ShowInsertPopup() {
    ClosePopupsIn(*this);
    auto* popup = MakeOwned<GPopupView>(*this, kSize | ganchor::kPixels, kSize | ganchor::kPixels,
                                        160 | gsize::kPixels, 30 | gsize::kPixels);
    auto field =
        std::make_unique<gvpltieInsertPopup>(10, 5, 140 | gsize::kPixels, 18 | gsize::kPixels);
    field->AddWord(HeldValueText());
    GInputBox* typing = field.get();
    popup->AddAnotherChoice(std::move(field));
    popup->Show();
    // What is typed next goes into the field.
    SetFocusedObject(typing);
    return popup;
}

void GVPLInputTie::MenuEvent(int command) {
    if (command == vplcmd::kDepositInputValue) {
        GVPLBox* box = Box();
        if (box != nullptr && !box->IsFrom(vplid::kOutput)) ShowInsertPopup();
        return;
    }
    GVPLTie::MenuEvent(command);
}

void GVPLInputTie::DoSetupMenus(GEventHandler* focus) {
    GVPLTie::DoSetupMenus(focus);
    GVPLBox* box = Box();
    EventEnable(vplcmd::kDepositInputValue, box != nullptr && !box->IsFrom(vplid::kOutput));
}

void GVPLInputTie::Send(GStream& stream) const {
    GVPLTie::Send(stream);
    stream.SendShort(hold_);
    stream.SendObject(held_.get());
}

bool GVPLInputTie::Receive(GStream& stream) {
    if (!GVPLTie::Receive(stream)) return false;
    hold_ = stream.ReceiveShort();
    std::unique_ptr<G0> held = stream.ReceiveOwnObject();
    held_.reset();
    if (held != nullptr) {
        held_ = As<GData>(std::move(held));
        if (held_ == nullptr) return false;
    }
    return stream.IsOK();
}

void GVPLInputTie::EnsureTieLines() {
    for (GVPLTie* other : Connections()) {
        if (As<GVPLOutputTie>(other) == nullptr) continue;
        bool drawn = false;
        for (G0* object : Objects())
            if (auto* line = As<GVPLTieLine>(object); line != nullptr && line->Joins(this, other))
                drawn = true;
        if (!drawn) {
            auto* line = MakeOwned<GVPLTieLine>(*this, this, other);
            AddDependent(line);
            other->AddDependent(line);
            if (IsDrawn()) line->Show();
        }
    }
}

// ---- GVPLOutputTie ----

std::vector<long> GVPLOutputTie::Deliveries(int depth) const {
    if (depth > kMaxLinkDepth) return {};
    for (GVPLTie* other : Connections())
        if (SameClass(this, other) && other->IsInwardLink(this))
            return As<GVPLOutputTie>(other)->Deliveries(depth + 1);
    std::vector<long> lines;
    for (GVPLTie* other : Connections())
        if (auto* input = As<GVPLInputTie>(other)) lines.push_back(input->GetLineNo());
    return lines;
}

long GVPLOutputTie::GetLineNoAt(long i) const {
    const std::vector<long> lines = Deliveries();
    return i >= 1 && i <= static_cast<long>(lines.size()) ? lines[i - 1] : 0;
}

// ---- GVPLTieLine ----

GVPLTieLine::GVPLTieLine(GVPLTie* a, GVPLTie* b) {
    SetProperty(gprop::kNotStored);
    SetProperty(gprop::kShown);
    ends_.Insert(a);
    ends_.Insert(b);
}

GGraphic* GVPLTieLine::End(int i) const {
    return As<GGraphic>(ends_.At(i));
}

bool GVPLTieLine::Joins(const GVPLTie* a, const GVPLTie* b) const {
    return ends_.Holds(a) && ends_.Holds(b);
}

void GVPLTieLine::CalculatePickArea() {
    GGraphic* a = End(1);
    GGraphic* b = End(2);
    if (a == nullptr || b == nullptr) {
        SetDisplayRect(Grect::Empty());
        return;
    }
    const Gpoint p = a->Centre();
    const Gpoint q = b->Centre();
    SetDisplayRect(
        {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)});
}

void GVPLTieLine::Paint(GDrawingSurface& surface) {
    GGraphic* a = End(1);
    GGraphic* b = End(2);
    if (a == nullptr || b == nullptr) return;
    surface.SetDrawingColor(0x000000);
    surface.DrawLine(a->Centre().x, a->Centre().y, b->Centre().x, b->Centre().y);
}
