#pragma once
// Bytes the benchmark program holds through operator new, and the most it held since the last
// reset: the memory a run costs, read at its deepest point without sampling.
#include <cstddef>

namespace olvide::bench {

std::size_t liveBytes();
std::size_t peakBytes();
// The peak starts again from what is held now.
void resetPeak();

} // namespace olvide::bench
