#include "olvide/model/space/edit_state.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/objects/yin.h"

#include <algorithm>

namespace olvide {

bool EditState::operationWaits() const {
    return operated && operated->OperationState == opstate::Operating;
}

void EditState::operate(std::string_view code) {
    if (!selected) return;
    operated = selected;
    operated->beginOperation(code);
}

void EditState::endOperation() {
    if (TVaribler* pending = operated) {
        operated = nullptr;
        pending->endOperation();
    }
}

void EditState::deselect() {
    TVaribler* was = selected;
    if (!was) return;
    selected = nullptr;
    was->MakeIdle();
    auto* element = dynamic_cast<TprogramVaribler*>(was);
    if (!element || !element->IsTemp) return;
    element->ShowObject(false);
    if (activeCommander && element->TempCommanderId == activeCommander->VisualorId)
        element->TempLastStep = std::max(element->TempLastStep, activeCommander->Position());
}

void EditState::Select(TVaribler* object) {
    if (selected || !object) return;
    selected = object;
    object->MakeReady();
}

void EditState::selectInstead(TVaribler& object) {
    if (selected == &object) return;
    deselect();
    selected = &object;
    object.MakeReady();
}

void EditState::deselectYin() {
    if (!selectedYin) return;
    selectedYin->Highlighted = false;
    selectedYin->Redraw();
    selectedYin = nullptr;
}

void EditState::forget(const TVisualor* object) {
    if (selected == object) selected = nullptr;
    if (operated == object) operated = nullptr;
    if (activeCommander == object) activeCommander = nullptr;
    if (selectedYin == object) selectedYin = nullptr;
}

} // namespace olvide
