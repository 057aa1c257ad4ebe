// How the interpreter's costs grow with the program: recursion to the deepest nesting with
// and without many numbers the recursion never touches (time and the most memory held), a
// running sum as CPython's `for i in range(n): s += i` does it (bench/peers.sh times the
// peer), and reading, printing and freeing a program of 50,000 steps.
#include "live_bytes.h"

#include "olvide/engine/command_line.h"
#include "olvide/engine/interpreter.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

namespace {

using namespace olvide;

TprogramNumber* number(Tprogramspace& p, const char* value) {
    auto* n = static_cast<TprogramNumber*>(p.placeElement(kind::Number, 60, 60));
    n->setAllStores(value);
    return n;
}

Tstep* step(Tprogramspace& p, std::uint8_t k, const char* code, TprogramVaribler* x,
            TprogramVaribler* y, TprogramVaribler* z, const char* constant = nullptr) {
    Tprogramconstant* c = constant ? p.services().MakeConstant(constant) : nullptr;
    return p.services().AddStep(k, code, x, y, z, c);
}

// main calls "down" with n; down computes n - 1 and calls itself with it, without end: the
// run goes as deep as calls may nest and stops there with its message.
struct EndlessRecursion {
    explicit EndlessRecursion(int idleNumbers) : program(workspace.newProgram()) {
        program.caption = "Deep";
        main = program.placeMainCommander(300, 40);
        program.activateCommander(main);
        auto* self = program.placeElement(kind::Function, 40, 40);
        self->SetAlias("Deep");
        auto* start = number(program, "100000");
        Tstep* first = step(program, stepkind::Call, "down", self, nullptr, nullptr);
        TMaincommander* down = program.placeMainCommander(300, 100);
        down->SetAlias("down");
        program.activateCommander(down);
        auto* n = number(program, "0");
        auto* less = number(program, "0");
        const auto store = static_cast<std::size_t>(program.services().storeIndexOf(down));
        n->Stores[store].StoreInput = true;
        down->addArgument(n);
        step(program, stepkind::WithConstant, "x-A", n, nullptr, less, "1");
        Tstep* again = step(program, stepkind::Call, "down", self, nullptr, nullptr);
        first->Parameters.push_back({n, nullptr, start, nullptr});
        again->Parameters.push_back({n, nullptr, less, nullptr});
        for (int i = 0; i < idleNumbers; ++i)
            number(program, "7");
    }

    NullPlatform platform;
    Workspace workspace{platform};
    Tprogramspace& program;
    TMaincommander* main = nullptr;
};

// Each run on a program made afresh, so that the memory a run takes is measured from nothing.
void Recursion(benchmark::State& state) {
    std::size_t peak = 0;
    std::int64_t steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<EndlessRecursion>(static_cast<int>(state.range(0)));
        {
            RunButtons buttons;
            buttons.commanderActivated();
            Interpreter interpreter(program->workspace, buttons);
            bench::resetPeak();
            const std::size_t before = bench::liveBytes();
            state.ResumeTiming();
            interpreter.ProgramRun(program->main);
            interpreter.ProgramStop();
            state.PauseTiming();
            peak = bench::peakBytes() - before;
            steps += interpreter.stepsExecuted();
        }
        program.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["steps"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Recursion)->ArgName("idle_numbers")->Arg(0)->Arg(500)->Unit(benchmark::kMillisecond);

// s := s + i for i from 1 to n: the DOI step, one step in the loop and the loop's own test.
struct RunningSum {
    explicit RunningSum(int count) : program(workspace.newProgram()) {
        main = program.placeMainCommander(300, 40);
        program.activateCommander(main);
        auto* i = static_cast<TprogramIteration*>(program.placeElement(kind::Iteration, 60, 60));
        i->FromPart->setAllStores("1");
        i->ToPart->setAllStores(std::to_string(count));
        sum = number(program, "0");
        step(program, stepkind::Flow, "DOI", i, nullptr, nullptr);
        program.services().MakeForCommander(*i);
        program.activateCommander(i->ForCommander);
        step(program, stepkind::Binary, "x+y", sum, i, sum);
    }

    NullPlatform platform;
    Workspace workspace{platform};
    Tprogramspace& program;
    TMaincommander* main = nullptr;
    TprogramNumber* sum = nullptr;
};

void SumLoop(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    RunningSum loop(n);
    std::string result;
    for (auto _ : state) {
        RunButtons buttons;
        buttons.commanderActivated();
        Interpreter interpreter(loop.workspace, buttons);
        interpreter.ProgramRun(loop.main);
        result = loop.sum->GetValue();
        interpreter.ProgramStop();
    }
    if (result != std::to_string(std::int64_t{n} * (n + 1) / 2)) state.SkipWithError("wrong sum");
    state.counters["ns/iteration"] =
        benchmark::Counter(static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(SumLoop)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A program of `steps` steps in 50 commanders, nearly all with a constant, saved once.
std::string largeProgramFile(int steps) {
    const auto path =
        std::filesystem::temp_directory_path() / ("olvide_bench_" + std::to_string(steps) + ".olv");
    if (std::filesystem::exists(path)) return path.string();
    NullPlatform platform;
    Workspace workspace(platform);
    Tprogramspace& p = workspace.newProgram();
    auto* x = number(p, "1");
    auto* y = number(p, "2");
    int made = 0;
    for (int c = 0; c < 8 && made < steps; ++c) {
        TMaincommander* m = p.placeMainCommander(300, 40 + 40 * c);
        p.activateCommander(m);
        for (int i = 0; i < steps / 8 && made < steps; ++i, ++made) {
            if (i % 16 == 15)
                step(p, stepkind::Binary, "x+y", x, y, x);
            else
                step(p, stepkind::WithConstant, "x+A", x, nullptr, y, "3");
        }
    }
    saveProgram(p, path.string());
    return path.string();
}

void DumpLargeProgram(benchmark::State& state) {
    const std::string file = largeProgramFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out, err;
        const int status = runCommandLine({"--dump", file}, out, err);
        if (status != kExitEnded) state.SkipWithError("dump failed");
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(DumpLargeProgram)->Arg(50'000)->Unit(benchmark::kMillisecond);

} // namespace
