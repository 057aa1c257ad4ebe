#pragma once
// olvide's start as a desktop program: the splash in a process of its own, the pauses it is
// given (7.776 s from the start, then 0.864 s after each of the first two groups of forms),
// the forms in their order, the programs named on the command line, the event loop.
#include <chrono>
#include <string>
#include <vector>

namespace olvide::editor {

struct StartOptions {
    bool splash = true;
    std::vector<std::string> files;
    std::string error; // a bad option; empty when the arguments are good
};

// The desktop program's arguments: "--no-splash" and program files.
StartOptions parseStartOptions(const std::vector<std::string>& args);

// Waits in the event loop (the processor sleeps) until `until` has come.
void waitUntil(std::chrono::steady_clock::time_point until);

// Whether there is a display to show windows on (or a platform chosen for Qt).
bool displayAvailable();

// Runs the desktop program; the exit status (1 without a display).
int runDesktop(int& argc, char** argv, const StartOptions& options);

inline constexpr std::chrono::milliseconds kSplashPause{7776};
inline constexpr std::chrono::milliseconds kGroupPause{864};

} // namespace olvide::editor
