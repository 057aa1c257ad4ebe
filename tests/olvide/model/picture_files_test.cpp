#include "olvide/model/picture_files.h"

#include <fstream>
#include <gtest/gtest.h>

namespace olvide {
namespace {

namespace fs = std::filesystem;

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() /
            ("olvan-pictures-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }
    void touch(const fs::path& p) { std::ofstream(p) << "x"; }
    fs::path root_;
};

TEST_F(PictureFiles, NamesMatchWithoutRegardToCase) {
    touch(root_ / "bin" / "binFlow.bmp");
    auto lower = findPictureFileIn("binflow.bmp", {root_ / "work", root_ / "bin"});
    auto mixed = findPictureFileIn("BINFLOW.BMP", {root_ / "work", root_ / "bin"});
    ASSERT_TRUE(lower && mixed);
    EXPECT_EQ(*lower, root_ / "bin" / "binFlow.bmp");
    EXPECT_EQ(*lower, *mixed);
}

TEST_F(PictureFiles, WorkingDirectoryComesFirst) {
    touch(root_ / "work" / "numico.bmp");
    touch(root_ / "bin" / "numico.bmp");
    EXPECT_EQ(findPictureFileIn("numico.bmp", {root_ / "work", root_ / "bin"}),
              root_ / "work" / "numico.bmp");
}

TEST_F(PictureFiles, MissingNamesFoldersAndPathsFindNothing) {
    touch(root_ / "bin" / "numico.bmp");
    EXPECT_FALSE(findPictureFileIn("strico.bmp", {root_ / "work", root_ / "bin"}));
    EXPECT_FALSE(findPictureFileIn("numico.bmp", {root_ / "absent"}));
    EXPECT_FALSE(findPictureFileIn("../bin/numico.bmp", {root_ / "work"}));
    EXPECT_FALSE(findPictureFileIn("", {root_ / "bin"}));
    fs::create_directories(root_ / "bin" / "dir.bmp");
    EXPECT_FALSE(findPictureFileIn("DIR.bmp", {root_ / "bin"}));
}

TEST(ExecutableFolder, IsTheFolderOfThisTest) {
    EXPECT_TRUE(fs::exists(executableFolder() / "olvide_model_tests"));
}

} // namespace
} // namespace olvide
