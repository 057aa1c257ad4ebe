#include "pendrel/builder/tie_tool.h"

#include "pendrel/builder/box.h"
#include "pendrel/builder/tie.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

GVPLTieTool::GVPLTieTool(long x, long y, long width, long height, short hold)
    : GTool(x, y, width, height), hold_(hold) {
    SetProperty(gprop::kNotStored);
}

GVPLTie* GVPLTieTool::PickedInput() const {
    return As<GVPLTie>(input_.First());
}
GVPLTie* GVPLTieTool::PickedOutput() const {
    return As<GVPLTie>(output_.First());
}

bool GVPLTieTool::Pick(GGraphic* graphic) {
    if (graphic == nullptr) return false;
    GVPLTie* tie = As<GVPLTie>(graphic);
    if (auto* box = As<GVPLBox>(graphic)) {
        // The kind of tie still missing, input first.
        const GClassID wanted = PickedInput() == nullptr ? vplid::kInputTie : vplid::kOutputTie;
        tie = box->GetBestTie(wanted);
    }
    if (tie == nullptr) return false;
    GList& slot = As<GVPLInputTie>(tie) != nullptr ? input_ : output_;
    slot.RemoveAll();
    slot.Insert(tie);
    GVPLTie* input = PickedInput();
    GVPLTie* output = PickedOutput();
    if (input == nullptr || output == nullptr) return false;
    input_.RemoveAll();
    output_.RemoveAll();
    if (input->View() == nullptr || input->View() != output->View()) return false;
    input->CompleteConnection(output);
    if (auto* held = As<GVPLInputTie>(input)) held->SetHoldFlag(hold_);
    return true;
}

void GVPLTieTool::MouseEvent(int type, long x, long y) {
    GGraphic* picked = GWindow::GetPickedObject();
    if (type == gmouse::kRelease && (picked == this || picked == nullptr)) {
        armed_ = true;
        return;
    }
    if (type == gmouse::kPress && armed_ && picked != nullptr && picked != this &&
        !picked->IsTool()) {
        Pick(picked);
        return;
    }
    GTool::MouseEvent(type, x, y);
}
