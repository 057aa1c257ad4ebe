// Steps per second of the interpreter on a counted loop whose body is a few arithmetic steps:
// values stay text, every step reads its operands as numbers and writes its result as text.
#include "olvide/engine/interpreter.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <benchmark/benchmark.h>

namespace {

using namespace olvide;

struct CountedLoop {
    explicit CountedLoop(int count) : program(workspace.newProgram()) {
        main = program.placeMainCommander(300, 40);
        program.activateCommander(main);
        auto* i = static_cast<TprogramIteration*>(program.placeElement(kind::Iteration, 60, 60));
        i->FromPart->setAllStores("1");
        i->ToPart->setAllStores(std::to_string(count));
        auto* sum = static_cast<TprogramNumber*>(program.placeElement(kind::Number, 80, 60));
        auto* half = static_cast<TprogramNumber*>(program.placeElement(kind::Number, 100, 60));
        auto* rest = static_cast<TprogramNumber*>(program.placeElement(kind::Number, 120, 60));
        program.services().AddStep(stepkind::Flow, "DOI", i, nullptr, nullptr, nullptr);
        program.services().MakeForCommander(*i);
        program.activateCommander(i->ForCommander);
        program.services().AddStep(stepkind::Binary, "x+y", sum, i, sum, nullptr);
        program.services().AddStep(stepkind::WithConstant, "x/A", i, nullptr, half,
                                   program.services().MakeConstant("2"));
        program.services().AddStep(stepkind::WithConstant, "x*A", half, nullptr, half,
                                   program.services().MakeConstant("3"));
        program.services().AddStep(stepkind::Binary, "x-y", sum, half, rest, nullptr);
    }

    NullPlatform platform;
    Workspace workspace{platform};
    Tprogramspace& program;
    TMaincommander* main = nullptr;
};

void CountedLoopSteps(benchmark::State& state) {
    CountedLoop loop(static_cast<int>(state.range(0)));
    std::int64_t steps = 0;
    for (auto _ : state) {
        RunButtons buttons;
        buttons.commanderActivated();
        Interpreter interpreter(loop.workspace, buttons);
        interpreter.ProgramRun(loop.main);
        steps += interpreter.stepsExecuted();
        interpreter.ProgramStop();
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(CountedLoopSteps)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
