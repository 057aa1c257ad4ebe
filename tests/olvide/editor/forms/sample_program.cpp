#include "sample_program.h"

namespace olvide::forms::testing {

namespace {

template <class T> T* place(Tprogramspace& space, std::uint8_t kind, int x, int y) {
    return dynamic_cast<T*>(space.placeElement(kind, x, y));
}

} // namespace

SampleProgram::SampleProgram(Platform& platform)
    : workspace(platform), space(workspace.newProgram()) {
    main = space.placeMainCommander(60, 60);
    second = space.placeMainCommander(160, 60);
    space.activateCommander(main);
    number = place<TprogramNumber>(space, kind::Number, 60, 160);
    number->SetAlias(cp("总和"));
    number->VisualorComment = {cp("1 到 10 的和"), cp("从 0 开始")};
    count = place<TprogramNumber>(space, kind::Number, 120, 160);
    count->SetAlias("count");
    main->addArgument(number);
    main->addArgument(count);
    iteration = place<TprogramIteration>(space, kind::Iteration, 180, 160);
    boolean = place<TprogramBoolean>(space, kind::Boolean, 240, 160);
    condition = place<Tprogramcondition>(space, kind::Condition, 300, 160);
    string = place<TprogramString>(space, kind::String, 360, 160);
    output = place<TprogramOutput>(space, kind::Output, 420, 160);
    output->OutputLines = {cp("第一行"), "second line"};
    outputLine = space.services().OutputLineA(*output, 2);
    function = place<TprogramFunction>(space, kind::Function, 480, 160);
    trueCommander = space.services().MakeTrueCommander(*condition);
    falseCommander = space.services().MakeFalseCommander(*condition);
    forCommander = space.services().MakeForCommander(*iteration);
    yin = space.placeYin(540, 160);
}

} // namespace olvide::forms::testing
