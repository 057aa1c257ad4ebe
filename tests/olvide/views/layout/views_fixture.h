#pragma once
// Programs for the tests of the views: a main commander being edited, elements with chosen
// names, steps added to any commander, and conditions and iterations whose commanders hold a
// chosen number of steps.
#include "tests/olvide/model/model_fixture.h"

#include <optional>
#include <string>

namespace olvide::testing {

// A second open program whose main commander takes the arguments given to it.
struct Callee {
    Callee(Workspace& workspace, const char* programName, const char* commanderAlias)
        : program(workspace.newProgram()) {
        program.caption = programName;
        commander = program.placeMainCommander(100, 100);
        commander->SetAlias(commanderAlias);
    }
    TValueVaribler* argument(std::uint8_t k, const char* alias, bool in, bool out) {
        auto* e = dynamic_cast<TValueVaribler*>(program.placeElement(k, 40, 40));
        e->SetAlias(alias);
        const auto store = static_cast<std::size_t>(program.services().storeIndexOf(commander));
        e->Stores[store].StoreInput = in;
        e->Stores[store].StoreOutput = out;
        commander->addArgument(e);
        return e;
    }
    Tprogramspace& program;
    TMaincommander* commander = nullptr;
};

class ViewsTest : public ModelTest {
protected:
    TMaincommander& main = placeMain();

    template <class T = TprogramNumber> T& named(std::uint8_t k, const char* alias) {
        T& element = place<T>(k);
        element.SetAlias(fromUtf8(alias));
        return element;
    }

    // A step after the cursor of the commander (which becomes the one being edited).
    Tstep* add(TCommander& commander, std::uint8_t k, const char* code,
               TprogramVaribler* x = nullptr, TprogramVaribler* y = nullptr,
               TprogramVaribler* z = nullptr, std::optional<std::string> constant = {}) {
        space.activateCommander(&commander);
        Tprogramconstant* c =
            constant ? space.services().MakeConstant(fromUtf8(*constant)) : nullptr;
        return space.services().AddStep(k, code, x, y, z, c);
    }
    Tstep* add(std::uint8_t k, const char* code, TprogramVaribler* x = nullptr,
               TprogramVaribler* y = nullptr, TprogramVaribler* z = nullptr,
               std::optional<std::string> constant = {}) {
        return add(main, k, code, x, y, z, std::move(constant));
    }

    // Comment steps at the end until the commander has `count` steps (its head step counts).
    void fillTo(TCommander& commander, int count) {
        commander.last();
        while (commander.stepCount() < count)
            add(commander, stepkind::Comment, "Comment");
    }

    // A condition whose true and false commanders (when the count is not 0) have that many
    // steps; the commander edited before stays the edited one.
    Tprogramcondition& condition(int trueSteps, int falseSteps = 0) {
        auto& made = place<Tprogramcondition>(kind::Condition);
        TCommander* edited = space.edit.activeCommander;
        if (trueSteps > 0) fillTo(*space.services().MakeTrueCommander(made), trueSteps);
        if (falseSteps > 0) fillTo(*space.services().MakeFalseCommander(made), falseSteps);
        space.activateCommander(edited);
        return made;
    }
    TprogramIteration& iteration(int bodySteps) {
        auto& made = place<TprogramIteration>(kind::Iteration);
        TCommander* edited = space.edit.activeCommander;
        fillTo(*space.services().MakeForCommander(made), bodySteps);
        space.activateCommander(edited);
        return made;
    }
};

} // namespace olvide::testing
