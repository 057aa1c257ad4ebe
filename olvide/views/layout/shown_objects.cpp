#include "olvide/views/layout/shown_objects.h"

#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>
#include <utility>

namespace olvide::views {

namespace {

// The program that holds the commander and the commander as it holds it.
std::pair<Tprogramspace*, TCommander*> holder(const Workspace* workspace,
                                              const TCommander* commander) {
    if (workspace && commander)
        for (const auto& program : workspace->programs())
            for (const auto& held : program->objects.commanders)
                if (held.get() == commander) return {program.get(), held.get()};
    return {nullptr, nullptr};
}

} // namespace

Tprogramspace* programHolding(const Workspace* workspace, const TCommander* commander) {
    return holder(workspace, commander).first;
}

TCommander* heldCommander(const Workspace* workspace, const TCommander* commander) {
    return holder(workspace, commander).second;
}

bool stillHolds(const Workspace* workspace, const TCommander* commander, const Tstep* step) {
    const TCommander* held = heldCommander(workspace, commander);
    return step && held &&
           std::any_of(held->Steps.begin(), held->Steps.end(),
                       [step](const auto& s) { return s.get() == step; });
}

} // namespace olvide::views
