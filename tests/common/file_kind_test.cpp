#include "common/file_kind.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

TEST(FileKind, EachKindOfPathIsNamedForWhatItIs) {
    const olvan_test::TempFolder folder;
    ASSERT_TRUE(folder.IsOK());
    const std::string file = folder.File("program.zez");
    std::ofstream(file) << "x";
    EXPECT_EQ(olvan::fileKindOf(file), olvan::FileKind::Regular);
    EXPECT_EQ(olvan::notAProgramFile(file), "");
    EXPECT_EQ(olvan::fileKindOf(folder.Path()), olvan::FileKind::Folder);
    EXPECT_EQ(olvan::notAProgramFile(folder.Path()),
              "a folder, not a program file: " + folder.Path().string());
    EXPECT_EQ(olvan::fileKindOf("/dev/null"), olvan::FileKind::Special);
    EXPECT_EQ(olvan::notAProgramFile("/dev/null"), "not a regular file: /dev/null");
    const std::string missing = folder.File("missing.zez");
    EXPECT_EQ(olvan::fileKindOf(missing), olvan::FileKind::Missing);
    EXPECT_EQ(olvan::notAProgramFile(missing), "file not found: " + missing);
    // A path through a file is no folder: it names nothing.
    EXPECT_EQ(olvan::fileKindOf(file + "/inside"), olvan::FileKind::Missing);
}

} // namespace
