#pragma once
// Whether what a window shows is still part of an open program. The windows keep pointers to
// commanders and steps that the program may free behind their back (a deleted object takes its
// steps along); such a pointer is compared with the programs' own lists, never followed first.
namespace olvide {
class TCommander;
class Tprogramspace;
class Tstep;
class Workspace;
} // namespace olvide

namespace olvide::views {

// The open program that holds the commander; none when no open program does.
Tprogramspace* programHolding(const Workspace* workspace, const TCommander* commander);
// The commander as its program holds it (to change it where the model hands it out for
// reading only); none when no open program holds it.
TCommander* heldCommander(const Workspace* workspace, const TCommander* commander);
// Whether the commander, held by an open program, still has the step.
bool stillHolds(const Workspace* workspace, const TCommander* commander, const Tstep* step);

} // namespace olvide::views
