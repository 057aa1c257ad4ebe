// Fuzz target: net description text run as `pendrel --net - ...` runs it: the net is built,
// values are sent to the paths a and b, the timer ticks a few times, and every result that
// reaches the path out is printed; all within a bound on queued calls.
#include "fuzz/fuzz_support.h"
#include "pendrel/engine/net_runner.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream text{std::string(fuzz::bytesOf(data, size))};
    fuzz::NullStream out;
    const char* const argv[] = {"pendrel", "--net",       "-",      "--out",        "out",
                                "--send",  "a=1",         "--send", "b=[1,2.5,-3]", "--ticks",
                                "3",       "--max-calls", "20000"};
    pendrel::RunCommandLine(static_cast<int>(std::size(argv)), argv, text, out, out);
    return 0;
}
