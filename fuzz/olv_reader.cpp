// Fuzz target: a program file (".olv") opened as olvide opens it (its drawing file and the
// functions it calls with it), printed as --dump prints it, then run as --run runs it, within
// a step limit. The programs of examples/olvide lie beside it, so function paths that name
// them open real functions. A damaged file is run as far as it was read, as the editor would.
#include "fuzz/fuzz_support.h"
#include "olvide/engine/command_line.h"
#include "olvide/engine/console_platform.h"
#include "olvide/engine/interpreter.h"
#include "olvide/engine/program_dump.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

namespace {

constexpr std::int64_t kStepLimit = 10'000;
// Every main commander can be started from the editor; a few of them are run.
constexpr int kRunsPerProgram = 3;

const fuzz::ScratchFolder& scratch() {
    static const fuzz::ScratchFolder folder("olv_reader");
    static const bool examplesCopied =
        (folder.copyFiles(OLVAN_EXAMPLES_DIR "/olvide", {".olv", ".peg"}), true);
    (void)examplesCopied;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = scratch().write("program.olv", fuzz::bytesOf(data, size));
    fuzz::NullStream messages;
    olvide::ConsolePlatform platform(messages);
    olvide::Workspace workspace(platform);
    olvide::installProgramOpener(workspace);
    std::string error;
    olvide::Tprogramspace* program = olvide::openProgramFile(workspace, file, &error);
    if (program == nullptr) return 0;
    for (const auto& open : workspace.programs())
        messages << olvide::dumpProgram(*open);

    const int mains = std::min(program->objects.mainCommanderTotal(), kRunsPerProgram);
    for (int i = 0; i < mains; ++i) {
        olvide::TMaincommander* main = program->objects.mainCommander(i);
        if (main == nullptr) continue;
        olvide::RunButtons buttons;
        buttons.commanderActivated();
        olvide::Interpreter interpreter(workspace, buttons);
        interpreter.setStepLimit(kStepLimit);
        olvide::runUnattended(interpreter, buttons, *main);
        interpreter.ProgramStop();
    }
    return 0;
}
