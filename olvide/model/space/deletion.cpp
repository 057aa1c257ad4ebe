// Deleting elements, commanders and visual objects of a program space.
#include "olvide/model/codepage.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>

namespace olvide {

std::string Tprogramspace::deleteQuestion(const TprogramVaribler& element) const {
    const char* consequence = "将去掉所有与之有关的步骤!";
    switch (element.VisualorStyle) {
    case kind::Number:
        consequence = "将去掉所有与之有关的步骤和索引!";
        break;
    case kind::Iteration:
        consequence = "将去掉所有与之有关的步骤、索引以及子流程Olvan!";
        break;
    case kind::Condition:
        consequence = "将去掉所有与之有关的步骤和子流程Olvan!";
        break;
    default:
        break;
    }
    return cp("删除") + element.VisualorAlias + cp(consequence) + "\r\n" + cp("你确实要删除它吗?");
}

bool Tprogramspace::deleteElement(TprogramVaribler& element) {
    if (element.IsDerived) return false; // the parts of other objects are never offered
    if (!platform().confirm(deleteQuestion(element))) return false;
    deleteElementNow(element);
    return true;
}

void Tprogramspace::eraseAll(const std::vector<TprogramVaribler*>& going) {
    for (TprogramVaribler* e : going) {
        e->MakeIdle();
        e->ShowObject(false);
        clearReferencesTo(e);
    }
    // Move rather than free: a caller up the stack may still hold the pointer; the pending
    // list is emptied once the deletion is complete.
    for (TprogramVaribler* e : going)
        if (auto taken = objects.takeElement(e))
            workspace_.pendingRelease.push_back(std::move(taken));
}

void Tprogramspace::clearReferencesTo(const TVisualor* object) {
    edit.forget(object);
    const auto* element = dynamic_cast<const TprogramVaribler*>(object);
    if (!element) return;
    for (int i = 0; i < objects.mainCommanderTotal(); ++i)
        objects.mainCommander(i)->removeArgument(element);
    workspace_.forgetElement(element);
    for (const auto& e : objects.elements)
        if (e.get() != element) {
            e->forget(element);
            if (e->ArrayObject == element) e->ArrayObject = nullptr;
            if (e->PartOf == element) e->PartOf = nullptr;
        }
    for (const auto& c : objects.commanders) {
        if (auto* t = dynamic_cast<TTruecommander*>(c.get()); t && t->Condition == element)
            t->Condition = nullptr;
        if (auto* f = dynamic_cast<TFalsecommander*>(c.get()); f && f->Condition == element)
            f->Condition = nullptr;
        if (auto* r = dynamic_cast<TForcommander*>(c.get()); r && r->Iteration == element)
            r->Iteration = nullptr;
    }
}

void Tprogramspace::RemoveStepsOf(const TprogramVaribler& element) {
    for (std::size_t i = 0; i < objects.commanders.size(); ++i) {
        if (const auto* array = dynamic_cast<const TprogramArray*>(&element))
            objects.commanders[i]->RemoveStepsUsingArray(array);
        else
            objects.commanders[i]->RemoveStepsUsing(&element);
    }
}

void Tprogramspace::deleteElementNow(TprogramVaribler& element) {
    // A temporary stops being one first, so that removing its steps does not release it.
    element.IsTemp = false;
    std::vector<TprogramVaribler*> going;
    objects.collectDependents(element, going);
    if (auto* array = dynamic_cast<TprogramArray*>(&element); array && array->Pattern)
        objects.collectDependents(*array->Pattern, going);
    for (TprogramVaribler* e : going)
        e->IsTemp = false;
    for (TprogramVaribler* e : going)
        RemoveStepsOf(*e);
    // Conditions and iterations take their flow commanders with them.
    for (TprogramVaribler* e : going) {
        if (auto* condition = dynamic_cast<Tprogramcondition*>(e)) {
            if (condition->TrueCommander) deleteCommanderNow(*condition->TrueCommander);
            if (condition->FalseCommander) deleteCommanderNow(*condition->FalseCommander);
        } else if (auto* iteration = dynamic_cast<TprogramIteration*>(e)) {
            if (iteration->ForCommander) deleteCommanderNow(*iteration->ForCommander);
        }
    }
    eraseAll(going);
    edit.selected = nullptr;
    modified = true;
    if (TCommander* active = edit.activeCommander) {
        activateCommander(active);
        platform().stepsChanged(*active);
    }
    workspace_.releasePending();
}

bool Tprogramspace::deleteCommander(TCommander& commander) {
    const std::string question = cp("你确实要删除") + oneLine(commander.VisualorAlias) + cp("吗?");
    if (!platform().confirm(question)) return false;
    deleteCommanderNow(commander);
    edit.activeCommander = nullptr;
    workspace_.releasePending();
    return true;
}

void Tprogramspace::deleteCommanderNow(TCommander& commander) {
    if (auto* t = dynamic_cast<TTruecommander*>(&commander); t && t->Condition)
        t->Condition->TrueCommander = nullptr;
    if (auto* f = dynamic_cast<TFalsecommander*>(&commander); f && f->Condition)
        f->Condition->FalseCommander = nullptr;
    if (auto* r = dynamic_cast<TForcommander*>(&commander); r && r->Iteration)
        r->Iteration->ForCommander = nullptr;
    for (int n = commander.stepCount(); n > 1; --n)
        commander.DeleteStep(n);

    const bool main = commander.VisualorStyle == kind::Main;
    const int storeIndex =
        main ? objects.storeIndexOf(static_cast<TMaincommander*>(&commander)) : -1;
    edit.forget(&commander);
    for (const auto& other : objects.commanders) {
        if (other->Outer == &commander) other->Outer = nullptr;
        if (other->Caller == &commander) other->Caller = nullptr;
        if (other->RootMain == &commander) other->RootMain = nullptr;
        if (other->FunctionMain == &commander) other->FunctionMain = nullptr;
        if (auto* m = dynamic_cast<TMaincommander*>(other.get());
            m && m->StaticCommander == &commander)
            m->StaticCommander = nullptr;
    }
    // The temporaries made inside the commander go with it, with their indexes.
    std::vector<TprogramVaribler*> going;
    for (const auto& e : objects.elements)
        if (e->IsTemp && e->TempCommanderId == commander.VisualorId &&
            !objects.usedByAnyStep(e.get()))
            objects.collectDependents(*e, going);
    std::erase_if(going, [this](TprogramVaribler* e) { return objects.usedByAnyStep(e); });

    std::unique_ptr<TCommander> owned = objects.takeCommander(&commander);
    eraseAll(going);
    if (storeIndex >= 0)
        for (const auto& e : objects.elements)
            e->forgetStore(storeIndex);
    modified = true;
    if (owned) workspace_.pendingRelease.push_back(std::move(owned));
}

void Tprogramspace::deleteYin(Tyin& yin) {
    edit.forget(&yin);
    std::erase_if(objects.yins, [&yin](const auto& p) { return p.get() == &yin; });
    modified = true;
}

} // namespace olvide
