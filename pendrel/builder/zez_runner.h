#pragma once
// `pendrel --run FILE.zez [--ticks N] [--max-calls N]`: reads a program without windows, sets
// it up and runs it as "Run" does, then N times advances a simulated clock by one tick unit and
// runs the queue until it is empty. Every result that reaches an output box is printed, in
// arrival order, as "KIND PATH: TEXT".
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/tick_source.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace vpl {

inline constexpr int kRunOK = 0;
inline constexpr int kRunBadInput = 1;
inline constexpr int kRunMaxCalls = 3;

struct RunOptions {
    std::string file;
    long ticks = 10;
    long maxCalls = 0; // 0: no limit
};

// Parses the words after "--run"; false with a message for anything else.
bool ParseRunOptions(std::span<const std::string_view> words, RunOptions* options,
                     std::string* error);

// One result as the runner prints it.
std::string ResultLine(const GVPLOutput& output);

// Runs a view that has been set up and started: `ticks` times one tick unit on the clock, each
// followed by every queued call. False when `maxCalls` (above 0) calls have run.
bool RunTicks(GVPLProgramView& view, SimulatedTickSource& clock, long ticks, long maxCalls);

// The whole command: the words after "--run". Returns the exit status.
int RunZezCommand(std::span<const std::string_view> words, std::ostream& out, std::ostream& err);

} // namespace vpl
