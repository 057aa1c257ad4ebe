#pragma once
// Programs built directly with the model for the interpreter's tests: a workspace with a
// platform that records its messages, and short helpers that place elements and add steps to
// the commander being edited.
#include "olvide/engine/interpreter.h"
#include "olvide/model/codepage.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <optional>
#include <string>
#include <vector>

namespace olvide::testing {

class RecordingPlatform : public NullPlatform {
public:
    std::vector<std::string> warnings; // UTF-8
    int eventPumps = 0;
    std::function<void()> onEvents;
    std::function<void()> onWarning; // the user acting while a message is shown
    void warning(std::string_view text) override {
        warnings.push_back(toUtf8(text));
        if (onWarning) onWarning();
    }
    bool confirm(std::string_view) override { return true; }
    int stepsBetweenPumps = 1;
    void processEvents() override {
        ++eventPumps;
        if (onEvents) onEvents();
    }
    int stepsPerEvents() const override { return stepsBetweenPumps; }
};

// Places elements and steps in one program space.
class Builder {
public:
    explicit Builder(Tprogramspace& space) : p(space) {}

    TMaincommander* main(std::string alias = {}) {
        TMaincommander* m = p.placeMainCommander(300, 40 + 60 * p.objects.mainCommanderTotal());
        if (!alias.empty()) m->SetAlias(fromUtf8(alias));
        p.activateCommander(m);
        return m;
    }
    template <class T = TprogramNumber>
    T* element(std::uint8_t k, std::string alias, std::string value = {}) {
        auto* e = dynamic_cast<T*>(p.placeElement(k, 60 + 10 * count_, 60 + 10 * count_));
        ++count_;
        e->SetAlias(fromUtf8(alias));
        if (auto* v = dynamic_cast<TValueVaribler*>(e); v && !value.empty())
            v->setAllStores(fromUtf8(value));
        return e;
    }
    TprogramNumber* number(std::string alias, std::string value = "0") {
        return element<TprogramNumber>(kind::Number, std::move(alias), std::move(value));
    }
    TprogramString* string(std::string alias, std::string value = {}) {
        return element<TprogramString>(kind::String, std::move(alias), std::move(value));
    }
    TprogramBoolean* boolean(std::string alias, std::string value = "FALSE") {
        return element<TprogramBoolean>(kind::Boolean, std::move(alias), std::move(value));
    }
    Tprogramcondition* condition(std::string alias, std::string value = "TRUE") {
        return element<Tprogramcondition>(kind::Condition, std::move(alias), std::move(value));
    }
    TprogramIteration* iteration(std::string alias, std::string from, std::string to,
                                 std::string step = "1") {
        auto* it = element<TprogramIteration>(kind::Iteration, std::move(alias));
        it->FromPart->setAllStores(from);
        it->ToPart->setAllStores(to);
        it->StepPart->setAllStores(step);
        return it;
    }
    TprogramOutput* output(std::string alias) {
        return element<TprogramOutput>(kind::Output, std::move(alias));
    }

    // A step in the commander being edited; `constant` in UTF-8.
    Tstep* step(std::uint8_t k, std::string code, TprogramVaribler* x, TprogramVaribler* y,
                TprogramVaribler* z, std::optional<std::string> constant = {}) {
        Tprogramconstant* c = constant ? p.services().MakeConstant(fromUtf8(*constant)) : nullptr;
        return p.services().AddStep(k, std::move(code), x, y, z, c);
    }
    void edit(TCommander* commander) { p.activateCommander(commander); }
    // Makes e an argument of the main commander, passed in, out or both ways.
    static void argument(TMaincommander* commander, TValueVaribler* e, bool in, bool out) {
        const auto store = static_cast<std::size_t>(e->services().storeIndexOf(commander));
        e->Stores[store].StoreInput = in;
        e->Stores[store].StoreOutput = out;
        commander->addArgument(e);
    }
    TTruecommander* trueBranch(Tprogramcondition* c) {
        if (!c->TrueCommander) p.services().MakeTrueCommander(*c);
        edit(c->TrueCommander);
        return c->TrueCommander;
    }
    TFalsecommander* falseBranch(Tprogramcondition* c) {
        if (!c->FalseCommander) p.services().MakeFalseCommander(*c);
        edit(c->FalseCommander);
        return c->FalseCommander;
    }
    TForcommander* body(TprogramIteration* it) {
        if (!it->ForCommander) p.services().MakeForCommander(*it);
        edit(it->ForCommander);
        return it->ForCommander;
    }

    Tprogramspace& p;

private:
    int count_ = 0;
};

} // namespace olvide::testing
