#pragma once
// pendrel as a desktop program: the application on the screen, with the programs named on the
// command line open.
#include <string>
#include <vector>

namespace vplapp {

// Whether a window system is there to show the windows on.
bool DisplayAvailable();
// Runs until the user quits; returns the exit status.
int RunDesktop(int& argc, char** argv, const std::vector<std::string>& files);

} // namespace vplapp
