// Fuzz target: the user-function palette file "VRNOv_uf.dat" read as the builder reads it at
// start, then written as it writes it at the end and read once more: every user function read
// must come back, in the same order, with the same name.
#include "fuzz/fuzz_support.h"
#include "pendrel/builder/zez_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch("palette_file");
    const std::string file = scratch.write(vpl::kPaletteFile, fuzz::bytesOf(data, size));
    const auto functions = vpl::ReadUserFunctionPalette(file);
    if (functions.empty()) return 0;

    std::vector<const GVPLUserFunction*> prototypes;
    for (const auto& function : functions)
        prototypes.push_back(function.get());
    const std::string again = (scratch.path() / "again.dat").string();
    if (!vpl::WriteUserFunctionPalette(prototypes, again)) std::abort();
    const auto reread = vpl::ReadUserFunctionPalette(again);
    if (reread.size() != functions.size()) std::abort();
    for (std::size_t i = 0; i < functions.size(); ++i)
        if (reread[i]->Name() != functions[i]->Name()) std::abort();
    return 0;
}
