#pragma once
// `pendrel --run FILE.zez [--ticks N] [--max-calls N]`: reads a program without windows, sets
// it up and runs it as "Run" does, then N times advances a simulated clock by one tick unit and
// runs the queue until it is empty. Every result that reaches an output box is printed, in
// arrival order, as "KIND PATH: TEXT".
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/tick_source.h"
#include "pendrel/engine/net_runner.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace vpl {

struct RunOptions {
    std::string file;
    long ticks = 10;
    long maxCalls = pendrel::kDefaultMaxCalls; // 0: no limit
};

// Parses the words after "--run"; false with a message for anything else.
bool ParseRunOptions(std::span<const std::string_view> words, RunOptions* options,
                     std::string* error);

// One result as the runner prints it.
std::string ResultLine(const GVPLOutput& output);

// How a headless run ended: all its ticks done, `maxCalls` calls made, or halted because the
// engine stopped it (the view has told why).
enum class RunEnd { Finished, CallLimit, Stopped };

// Runs a view that has been set up and started: `ticks` times one tick unit on the clock, each
// followed by every queued call, stopping after `maxCalls` calls when that is above 0.
RunEnd RunTicks(GVPLProgramView& view, SimulatedTickSource& clock, long ticks, long maxCalls);

// The whole command: the words after "--run". Returns the exit status of pendrel's command
// lines (pendrel::kExitDone ...); messages go to `err`, one line each.
int RunZezCommand(std::span<const std::string_view> words, std::ostream& out, std::ostream& err);

} // namespace vpl
