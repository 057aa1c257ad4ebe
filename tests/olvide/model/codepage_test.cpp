#include "olvide/model/codepage.h"

#include <gtest/gtest.h>

namespace olvide {
namespace {

TEST(Codepage, ChineseTakesTwoBytesPerCharacterAndRoundTrips) {
    const std::string head = fromUtf8("开始一个流程");
    EXPECT_EQ(head.size(), 12u);
    EXPECT_EQ(toUtf8(head), "开始一个流程");
    // GBK bytes of 开 are BF AA: existing GBK files read unchanged.
    EXPECT_EQ(static_cast<unsigned char>(head[0]), 0xBF);
    EXPECT_EQ(static_cast<unsigned char>(head[1]), 0xAA);
}

TEST(Codepage, MixedTextCountsBytes) {
    EXPECT_EQ(fromUtf8("Num1是").size(), 6u);
    EXPECT_EQ(fromUtf8("除零错!").size(), 7u);
    EXPECT_EQ(toUtf8(fromUtf8("a流b")), "a流b");
}

TEST(Codepage, InvalidBytesBecomeReplacementOnScreenAndStayInData) {
    // 0x81 alone at the end is an incomplete double-byte sequence; 0xFF is never valid.
    const std::string data = std::string("ab\xFF") + "c\x81";
    EXPECT_EQ(toUtf8(data), "ab\xEF\xBF\xBD"
                            "c\xEF\xBF\xBD");
    EXPECT_EQ(data.size(), 5u);
}

TEST(Codepage, InvalidUtf8BecomesQuestionMark) {
    EXPECT_EQ(fromUtf8("x\xC3"), "x?");
    EXPECT_EQ(fromUtf8(std::string_view("\xE4\xB8", 2)), "??");
}

TEST(Codepage, CharactersOutsideGbkStillRoundTripThroughGb18030) {
    const std::string emoji = "\xF0\x9F\x98\x80"; // U+1F600
    EXPECT_EQ(fromUtf8(emoji).size(), 4u);
    EXPECT_EQ(toUtf8(fromUtf8(emoji)), emoji);
}

TEST(Codepage, LiteralIsConvertedOnceAndKeptStable) {
    const std::string& first = cp("除零错!");
    const std::string& second = cp("除零错!");
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first, fromUtf8("除零错!"));
}

TEST(Codepage, EmptyAndAsciiPassThrough) {
    EXPECT_EQ(toUtf8(""), "");
    EXPECT_EQ(fromUtf8("TRUE"), "TRUE");
}

} // namespace
} // namespace olvide
