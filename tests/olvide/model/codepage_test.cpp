#include "olvide/model/codepage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>
#include <random>
#include <vector>

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

// The whole text through iconv in one go, a byte replaced where it cannot be converted: what
// the conversions must give however they split a text.
std::string throughIconv(const char* to, const char* from, std::string_view in,
                         std::string_view replacement) {
    iconv_t cd = iconv_open(to, from);
    std::string out;
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char buffer[256];
        char* dst = buffer;
        size_t room = sizeof buffer;
        const size_t rc = iconv(cd, &src, &left, &dst, &room);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
        out.append(replacement);
        ++src;
        --left;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

TEST(Codepage, LongMixedTextsConvertAsAWhole) {
    std::mt19937 random(3);
    const std::vector<std::string> pieces = {"abc ",
                                             "\n",
                                             "x+A => z1\n",
                                             fromUtf8("开始一个流程"),
                                             fromUtf8("除零错!"),
                                             fromUtf8("\xF0\x9F\x98\x80"),
                                             "\x81",
                                             "\xFF",
                                             "\x81\x30",
                                             "\x81\x30\x81",
                                             "\xC1",
                                             "A",
                                             "0",
                                             "\x80",
                                             "\xE4\xB8",
                                             "\xC3"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += pieces[random() % pieces.size()];
        ASSERT_EQ(toUtf8(text), throughIconv("UTF-8", "GB18030", text, "\xEF\xBF\xBD")) << round;
        ASSERT_EQ(fromUtf8(text), throughIconv("GB18030", "UTF-8", text, "?")) << round;
    }
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
