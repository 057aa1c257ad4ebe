#include "olvide/model/files/drawing_file.h"
#include "olvide/model/files/file_header.h"
#include "olvide/model/files/file_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <fstream>
#include <unistd.h>

namespace olvide {
namespace {

namespace fs = std::filesystem;

std::string headerBytes() {
    RecordWriter w;
    writeProgramHeader(w);
    return w.take();
}

TEST(ProgramHeader, IsTheSixStringsByteForByte) {
    const std::string expected = std::string("\x06\x06Olvane") + "\x06\x14" +
                                 "FLOW----CHRT----FILE" + "\x06\x06" + "      " + "\x06\x06" +
                                 "      " + "\x06\x0E" + "FILE.CHRT.FLOW" + "\x06\x0C" +
                                 "FLOWCHRTFILE";
    EXPECT_EQ(headerBytes(), expected);
    RecordReader r(expected);
    EXPECT_EQ(checkProgramHeader(r), "");
    EXPECT_TRUE(r.atEnd());
}

TEST(ProgramHeader, WrongStringsGiveTheirOwnMessage) {
    auto check = [](int which, std::string_view replacement) {
        RecordWriter w;
        const std::string_view texts[] = {kHeaderName,  kHeaderChart, kHeaderBlank,
                                          kHeaderBlank, kHeaderFile,  kHeaderTail};
        for (int i = 0; i < 6; ++i)
            w.writeString(i == which ? replacement : texts[i]);
        RecordReader r(w.bytes());
        return std::string(checkProgramHeader(r));
    };
    EXPECT_EQ(check(0, "olvane"), "Not Olvane format!");
    EXPECT_EQ(check(1, "FLOW----CHRT----FIL"), "Not Olvane format!");
    EXPECT_EQ(check(2, "anything"), ""); // strings 3, 4 and 6 are not checked
    EXPECT_EQ(check(5, ""), "");
    EXPECT_EQ(check(4, "FILE.CHRT.FLOX"), "Not olvane format!");
}

TEST(ProgramHeader, ATruncatedHeaderIsNotOlvane) {
    const std::string bytes = headerBytes();
    for (std::size_t cut : {0ul, 3ul, 20ul, bytes.size() - 1}) {
        const std::string part = bytes.substr(0, cut);
        RecordReader r(part);
        EXPECT_FALSE(checkProgramHeader(r).empty()) << cut;
    }
}

class FileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("olvide_store_" + std::to_string(::getpid()) + "_" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    static std::string contents(const fs::path& p) {
        std::string error;
        return readWholeFile(p, error).value_or("<missing>");
    }
    fs::path dir;
};

TEST_F(FileStoreTest, ReplacingKeepsTheOldContentsInTheBackup) {
    const fs::path program = dir / "Sum.olv";
    std::string error;
    ASSERT_TRUE(keepBackup(program, error)); // nothing to keep yet
    EXPECT_FALSE(fs::exists(dir / "Sum.BAK"));
    ASSERT_TRUE(replaceFile(program, "first", error)) << error;
    ASSERT_TRUE(keepBackup(program, error));
    ASSERT_TRUE(replaceFile(program, "second", error));
    EXPECT_EQ(contents(program), "second");
    EXPECT_EQ(contents(dir / "Sum.BAK"), "first");
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST_F(FileStoreTest, AFailedWriteLeavesTheOldFile) {
    const fs::path program = dir / "Sum.olv";
    std::string error;
    ASSERT_TRUE(replaceFile(program, "good", error));
    // The temporary cannot be made where a folder of its name stands.
    fs::create_directories(dir / "Sum.olv.saving~" / "x");
    EXPECT_FALSE(replaceFile(program, "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(contents(program), "good");
}

TEST_F(FileStoreTest, MissingFilesAreReported) {
    std::string error;
    EXPECT_FALSE(readWholeFile(dir / "none.olv", error).has_value());
    EXPECT_NE(error.find("none.olv"), std::string::npos);
}

TEST(FileStore, DrawingPathReplacesTheProgramExtensionWithoutRegardToCase) {
    EXPECT_EQ(drawingPathFor("/a/b/Sum.olv")->string(), "/a/b/Sum.peg");
    EXPECT_EQ(drawingPathFor("/a/b/Sum.OLV")->string(), "/a/b/Sum.peg");
    EXPECT_FALSE(drawingPathFor("/a/b/Sum.txt").has_value());
    EXPECT_EQ(backupPath("/a/Sum.olv").string(), "/a/Sum.BAK");
    // Only the file name's own extension counts: ".olv" elsewhere in the path is no
    // extension, and a drawing path there would be another program's or nobody's file.
    EXPECT_EQ(drawingPathFor("/a/lessons.olvide/fact.olv")->string(), "/a/lessons.olvide/fact.peg");
    EXPECT_EQ(drawingPathFor("/a/x.olv/Sum.Olv")->string(), "/a/x.olv/Sum.peg");
    EXPECT_EQ(drawingPathFor("Sum.olv.olv")->string(), "Sum.olv.peg");
    EXPECT_FALSE(drawingPathFor("/a/Sum.olv.txt").has_value());
    EXPECT_FALSE(drawingPathFor("/a/Sum.olvx").has_value());
    EXPECT_FALSE(drawingPathFor("/a/b.olv/Sum").has_value());
    EXPECT_FALSE(drawingPathFor("/a/.olv").has_value());
}

} // namespace
} // namespace olvide
