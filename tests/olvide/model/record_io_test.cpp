#include "olvide/model/record_io.h"

#include "hex_bytes.h"

#include <gtest/gtest.h>

namespace olvide {
namespace {

using testing::hex;

TEST(RecordIo, IntegersUseTheShortestForm) {
    RecordWriter w;
    w.writeInteger(100);
    w.writeInteger(200);
    w.writeInteger(70000);
    w.writeInteger(-1);
    w.writeInteger(-32768);
    EXPECT_EQ(hex(w.bytes()), "02 64 03 C8 00 04 70 11 01 00 02 FF 03 00 80");
    RecordReader r(w.bytes());
    EXPECT_EQ(r.readInteger(), 100);
    EXPECT_EQ(r.readInteger(), 200);
    EXPECT_EQ(r.readInteger(), 70000);
    EXPECT_EQ(r.readInteger(), -1);
    EXPECT_EQ(r.readInteger(), -32768);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordIo, ReaderAcceptsEveryIntegerForm) {
    const std::string rData = std::string("\x04\x05\x00\x00\x00\x03\x05\x00", 8);
    RecordReader r(rData);
    EXPECT_EQ(r.readInteger(), 5);
    EXPECT_EQ(r.readInteger(), 5);
    EXPECT_TRUE(r.ok());
}

TEST(RecordIo, StringsSwitchToTheLongFormAbove255Bytes) {
    RecordWriter w;
    w.writeString(std::string(255, 'a'));
    w.writeString(std::string(300, 'b'));
    EXPECT_EQ(hex(w.bytes().substr(0, 2)), "06 FF");
    EXPECT_EQ(hex(w.bytes().substr(257, 5)), "0C 2C 01 00 00");
    RecordReader r(w.bytes());
    EXPECT_EQ(r.readString(), std::string(255, 'a'));
    EXPECT_EQ(r.readString(), std::string(300, 'b'));
    EXPECT_TRUE(r.ok());
}

TEST(RecordIo, BooleanIsTrueOnlyForItsTag) {
    const std::string rData = std::string("\x09\x08\x02", 3);
    RecordReader r(rData);
    EXPECT_TRUE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_FALSE(r.readBoolean());
    EXPECT_TRUE(r.ok());
}

TEST(RecordIo, StringListRoundTrip) {
    RecordWriter w;
    w.writeStringList({"one", "", "three"});
    EXPECT_EQ(hex(w.bytes()), "01 06 03 6F 6E 65 06 00 06 05 74 68 72 65 65 00");
    RecordReader r(w.bytes());
    EXPECT_EQ(r.readStringList(), (std::vector<std::string>{"one", "", "three"}));
}

TEST(RecordIo, UnexpectedTagStopsReadingForGood) {
    const std::string rData = std::string("\x06\x01x\x02\x05", 5);
    RecordReader r(rData);
    EXPECT_EQ(r.readInteger(), 0);
    EXPECT_EQ(r.error(), RecordReader::kInvalidValue);
    const auto before = r.position();
    EXPECT_EQ(r.readInteger(), 0);
    EXPECT_EQ(r.readString(), "");
    EXPECT_EQ(r.position(), before);
}

TEST(RecordIo, TruncatedDataAndAbsurdLengthsFailWithoutAllocating) {
    const std::string shortIntData = std::string("\x04\x01\x02", 3);
    RecordReader shortInt(shortIntData);
    EXPECT_EQ(shortInt.readInteger(), 0);
    EXPECT_EQ(shortInt.error(), RecordReader::kReadError);

    const std::string hugeData = std::string("\x0C\xFF\xFF\xFF\x7F"
                                             "abc",
                                             8);
    RecordReader huge(hugeData);
    EXPECT_EQ(huge.readString(), "");
    EXPECT_EQ(huge.error(), RecordReader::kReadError);

    const std::string unterminatedData = std::string("\x01\x06\x01x", 4);
    RecordReader unterminated(unterminatedData);
    EXPECT_EQ(unterminated.readStringList(), std::vector<std::string>{"x"});
    EXPECT_FALSE(unterminated.ok());
}

} // namespace
} // namespace olvide
