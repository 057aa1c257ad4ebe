// Fuzz target: a drawing file (".peg") read as olvide reads it when it opens the program
// beside it (an empty program, as a new program is saved).
#include "fuzz/fuzz_support.h"
#include "olvide/engine/console_platform.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/files/program_file.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

namespace {

// An empty program, written once, beside which each input is laid as its drawing file.
struct Folder {
    Folder() {
        olvide::NullPlatform platform;
        olvide::Workspace workspace(platform);
        olvide::RecordWriter writer;
        olvide::writeProgramfile(workspace.newProgram(), writer);
        program = scratch.write("drawing.olv", writer.bytes());
    }
    fuzz::ScratchFolder scratch{"peg_reader"};
    std::string program;
};

const Folder& folder() {
    static const Folder f;
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder& f = folder();
    f.scratch.write("drawing.peg", fuzz::bytesOf(data, size));
    fuzz::NullStream messages;
    olvide::ConsolePlatform platform(messages);
    olvide::Workspace workspace(platform);
    olvide::openProgramFile(workspace, f.program);
    return 0;
}
