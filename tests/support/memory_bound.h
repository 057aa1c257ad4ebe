#pragma once

#include "common/sanitizer.h"

#include <cstdlib>
#include <string>

namespace olvan_test {

// Shell words, put before a command, that bound the memory of the program it starts.
// AddressSanitizer cannot start under bounded virtual memory (its shadow alone is larger), so
// under it the sanitizer itself bounds resident memory and stops the program beyond it.
inline std::string MemoryBoundWords(long kilobytes) {
    if (!olvan::kAddressSanitizer) return "ulimit -v " + std::to_string(kilobytes) + "; ";
    const char* options = std::getenv("ASAN_OPTIONS");
    std::string all = options != nullptr && *options != '\0' ? std::string(options) + ":" : "";
    all += "hard_rss_limit_mb=" + std::to_string(kilobytes / 1024);
    return "export ASAN_OPTIONS='" + all + "'; ";
}

} // namespace olvan_test
