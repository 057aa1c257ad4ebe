#include "pendrel/builder/box.h"

#include "pendrel/framework/gstream.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

GVPLBox::GVPLBox() {
    SetVirtualCoordinates(0, 0, 100, 100);
    SetGroup(vplgroup::kEditable);
    SetColor(kBoxColor);
    Add3DAdorners(kFrameColor, kFrameColor);
}

GVPLBox::GVPLBox(long x, long y, long width, long height) : GView(x, y, width, height) {
    SetVirtualCoordinates(0, 0, 100, 100);
    SetGroup(vplgroup::kEditable);
    SetColor(kBoxColor);
    Add3DAdorners(kFrameColor, kFrameColor);
}

std::vector<GVPLInputTie*> GVPLBox::InputTies() const {
    std::vector<GVPLInputTie*> out;
    for (int i = 1; i <= NumInputs(); ++i)
        out.push_back(InputTie(i));
    return out;
}

std::vector<GVPLOutputTie*> GVPLBox::OutputTies() const {
    std::vector<GVPLOutputTie*> out;
    for (int i = 1; i <= NumOutputs(); ++i)
        out.push_back(OutputTie(i));
    return out;
}

std::vector<long> GVPLBox::FirstOutputDeliveries() const {
    return NumOutputs() > 0 ? OutputTie(1)->Deliveries() : std::vector<long>{};
}

void GVPLBox::PlaceTies(GList& ties, long x) {
    const int n = ties.Length();
    for (int i = 1; i <= n; ++i) {
        auto* tie = As<GVPLTie>(ties.At(i));
        if (tie == nullptr) continue;
        const bool locked = tie->IsSet(gprop::kPositionLocked);
        tie->ResetProperty(gprop::kPositionLocked);
        tie->MoveAbs(x, 100 / (n + 1) * i);
        if (locked) tie->SetProperty(gprop::kPositionLocked);
    }
    // A box on the screen shows its new ties at once.
    Redraw();
}

void GVPLBox::InitializeInputs(int n) {
    n = std::max(n, 0);
    while (NumInputs() > n)
        DeleteObject(inputTies_.Last());
    while (NumInputs() < n) {
        auto* tie = MakeOwned<GVPLInputTie>(*this, 0, 0);
        tie->SetProperty(gprop::kShown);
        inputTies_.Insert(tie);
    }
    PlaceTies(inputTies_, 0);
}

void GVPLBox::InitializeOutputs(int n) {
    n = std::max(n, 0);
    while (NumOutputs() > n)
        DeleteObject(outputTies_.Last());
    while (NumOutputs() < n) {
        auto* tie = MakeOwned<GVPLOutputTie>(*this, 0, 0);
        tie->SetProperty(gprop::kShown);
        outputTies_.Insert(tie);
    }
    PlaceTies(outputTies_, 100);
}

GVPLTie* GVPLBox::GetBestTie(GClassID id) const {
    if (id == vplid::kInputTie && NumInputs() > 0) return InputTie(1);
    if (id == vplid::kOutputTie && NumOutputs() > 0) return OutputTie(1);
    if (NumInputs() > 0) return InputTie(1);
    if (NumOutputs() > 0) return OutputTie(1);
    return nullptr;
}

void GVPLBox::BuildCommand(GString&) {}

GText* GVPLBox::AddCentredText(std::string_view text, long x, long y) {
    auto* shown = MakeOwned<GText>(*this, x | ganchor::kCentre, y | ganchor::kCentre, 60, 30, text);
    shown->SetColor(0x000000);
    shown->SetGroup(vplgroup::kEditable);
    shown->SetProperty(gprop::kShown);
    return shown;
}

void GVPLBox::SendBox(GStream& stream) const {
    G0::Send(stream);
    stream.SendLong(X());
    stream.SendLong(Y());
    stream.SendLong(Width());
    stream.SendLong(Height());
    inputTies_.SendContentsNoRef(stream);
    outputTies_.SendContentsNoRef(stream);
}

bool GVPLBox::ReceiveTies(GStream& stream, GList& ties, GClassID id) {
    GList read;
    if (!read.ReceiveContents(stream)) return false;
    for (G0* object : read.Objects()) {
        if (object == nullptr) continue;
        if (object->GetClassID() != id) return false;
        InsertOwned(object); // leaves the reading list
        ties.Insert(object);
    }
    return true;
}

bool GVPLBox::ReceiveBox(GStream& stream) {
    if (!G0::Receive(stream)) return false;
    const long x = stream.ReceiveLong();
    const long y = stream.ReceiveLong();
    const long width = stream.ReceiveLong();
    const long height = stream.ReceiveLong();
    if (!stream.IsOK()) return false;
    const bool locked = IsSet(gprop::kPositionLocked);
    ResetProperty(gprop::kPositionLocked);
    MoveAbs(x, y);
    if (locked) SetProperty(gprop::kPositionLocked);
    SetSize(width, height);
    return ReceiveTies(stream, inputTies_, vplid::kInputTie) &&
           ReceiveTies(stream, outputTies_, vplid::kOutputTie) && stream.IsOK();
}

void GVPLBox::Send(GStream& stream) const {
    SendBox(stream);
}

bool GVPLBox::Receive(GStream& stream) {
    if (!ReceiveBox(stream)) return false;
    InitializeOwnedObjects();
    if (!IsSet(gprop::kShown)) ResetPropertyDeepForGroup(gprop::kShown, vplgroup::kEditable);
    return true;
}
