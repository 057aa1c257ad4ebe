// Steps per second of a run started from the main window's Run button: the counted-loop
// example with a longer loop, run through the window's run path on the offscreen platform,
// where the interface processes its events and the canvas shows the values while it runs.
#include "olvide/editor/file_commands.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/run_driver.h"
#include "olvide/model/model.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>

namespace {

using namespace olvide;

QApplication& application() {
    static int argc = 1;
    static char name[] = "olvide_editor_bench";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(argc, argv);
    return app;
}

void CountedLoopThroughTheRunButton(benchmark::State& state) {
    application();
    editor::Tmainframe frame;
    frame.show();
    Tprogramspace* program =
        frame.files().open(std::string(OLVIDE_EXAMPLES_DIR) + "/counted_loop.olv");
    if (!program) {
        state.SkipWithError("the example did not open");
        return;
    }
    for (const auto& element : program->objects.elements)
        if (auto* i = dynamic_cast<TprogramIteration*>(element.get()))
            i->ToPart->setAllStores(std::to_string(state.range(0)));
    program->activateCommander(program->objects.mainCommander(0));
    editor::RunDriver& driver = frame.runDriver();
    std::int64_t steps = 0;
    for (auto _ : state) {
        driver.ProgramRunClick();
        steps += driver.interpreter().stepsExecuted();
        driver.ProgramStopClick();
    }
    state.counters["steps/s"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
    program->modified = false;
}
BENCHMARK(CountedLoopThroughTheRunButton)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
