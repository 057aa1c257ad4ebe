// The example programs read, dumped, written elsewhere and read back.
#include "olvide/engine/program_dump.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace olvide {
namespace {

namespace fs = std::filesystem;

class Loud : public NullPlatform {
public:
    int warnings = 0;
    void warning(std::string_view) override { ++warnings; }
};

TEST(Examples, WrittenAndReadBackGiveTheSameDump) {
    const fs::path copies =
        fs::temp_directory_path() / ("olvide_examples_copy_" + std::to_string(::getpid()));
    fs::remove_all(copies);
    fs::create_directories(copies);
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(OLVIDE_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".olv") continue;
        Loud platform;
        Workspace original(platform);
        installProgramOpener(original);
        std::string error;
        Tprogramspace* program = openProgramFile(original, entry.path().string(), &error);
        ASSERT_NE(program, nullptr) << entry.path() << ": " << error;
        ASSERT_EQ(error, "") << entry.path();
        const std::string dump = dumpProgram(*program);
        EXPECT_NE(dump.find("main "), std::string::npos);
        EXPECT_NE(dump.find("\n  2 "), std::string::npos) << entry.path() << " shows its steps";
        // Every open program (the functions too) goes to the other folder.
        for (const auto& p : original.programs()) {
            const fs::path target = copies / fs::path(p->fileName).filename();
            ASSERT_EQ(saveProgram(*p, target.string()), SaveOutcome::Saved);
        }
        Workspace again(platform);
        installProgramOpener(again);
        Tprogramspace* copy =
            openProgramFile(again, (copies / entry.path().filename()).string(), &error);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(dumpProgram(*copy), dump) << entry.path();
        EXPECT_EQ(platform.warnings, 0) << entry.path();
        ++examples;
    }
    EXPECT_GE(examples, 6);
    fs::remove_all(copies);
}

} // namespace
} // namespace olvide
