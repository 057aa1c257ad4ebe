// Fuzz target: a program file (".zez") run as `pendrel --run FILE --ticks 3` runs it: read,
// set up, run, three ticks of the clock with every queued call run after each, halted; all
// within a bound on queued calls.
#include "fuzz/fuzz_support.h"
#include "pendrel/builder/zez_runner.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch("zez_reader");
    const std::string file = scratch.write("program.zez", fuzz::bytesOf(data, size));
    const std::vector<std::string_view> words = {file, "--ticks", "3", "--max-calls", "20000"};
    fuzz::NullStream out;
    vpl::RunZezCommand(words, out, out);
    return 0;
}
