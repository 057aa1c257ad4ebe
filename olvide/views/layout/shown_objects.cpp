#include "olvide/views/layout/shown_objects.h"

#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>

namespace olvide::views {

Tprogramspace* programHolding(const Workspace* workspace, const TCommander* commander) {
    if (!workspace || !commander) return nullptr;
    for (const auto& program : workspace->programs())
        for (const auto& held : program->objects.commanders)
            if (held.get() == commander) return program.get();
    return nullptr;
}

bool stillHolds(const Workspace* workspace, const TCommander* commander, const Tstep* step) {
    if (!step || !programHolding(workspace, commander)) return false;
    return std::any_of(commander->Steps.begin(), commander->Steps.end(),
                       [step](const auto& held) { return held.get() == step; });
}

} // namespace olvide::views
