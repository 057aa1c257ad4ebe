// The net text templates, byte for byte.
#include "pendrel/builder/net_text.h"

#include <gtest/gtest.h>

#include <vector>

using vplnet::FunctionInput;

TEST(NetTextPaths, SixLowerCaseHexDigits) {
    EXPECT_EQ(vplnet::PathName(26), "X00001a");
    EXPECT_EQ(vplnet::PathName(0), "X000000");
    EXPECT_EQ(vplnet::PathName(0xABCDEF), "Xabcdef");
    // More than six digits are all written, never cut.
    EXPECT_EQ(vplnet::PathName(0x1234567), "X1234567");
    EXPECT_EQ(vplnet::PathName(3, "TimerOut"), "TimerOut000003");
}

TEST(FunctionNetText, OneConnectionIsOneLineWithoutLineFeed) {
    std::vector<FunctionInput> in{{1, false}, {2, false}};
    std::vector<long> out{3};
    EXPECT_EQ(vplnet::FunctionText(in, "ADD", out), "<X000001> <X000002> ADD <X000003>");
}

TEST(FunctionNetText, TwoConnectionsChainThroughTeeAndMove) {
    std::vector<FunctionInput> in{{1, false}, {2, false}};
    std::vector<long> out{3, 4};
    EXPECT_EQ(vplnet::FunctionText(in, "ADD", out), "<X000001> <X000002> ADD <FuncX000003>\n"
                                                    " <FuncX000003> <!X000003> xT <FuncX000004>\n"
                                                    " <FuncX000004> xM <X000004>\n");
}

TEST(FunctionNetText, ThreeConnectionsGiveHeadAndThreeChainLines) {
    std::vector<FunctionInput> in{{0x1a, false}};
    std::vector<long> out{0x1b, 0x1c, 0x2d};
    EXPECT_EQ(vplnet::FunctionText(in, "ABS", out), "<X00001a> ABS <FuncX00001b>\n"
                                                    " <FuncX00001b> <!X00001b> xT <FuncX00001c>\n"
                                                    " <FuncX00001c> <!X00001c> xT <FuncX00002d>\n"
                                                    " <FuncX00002d> xM <X00002d>\n");
}

TEST(FunctionNetText, NoConnectionWritesNoOutput) {
    std::vector<FunctionInput> in{{5, false}};
    EXPECT_EQ(vplnet::FunctionText(in, "RAMP", {}), "<X000005> RAMP");
}

TEST(FunctionNetText, HeldInputsInBraces) {
    std::vector<FunctionInput> in{{7, false}, {8, true}};
    std::vector<long> out{9};
    EXPECT_EQ(vplnet::FunctionText(in, "MUL", out), "<X000007> {X000008} MUL <X000009>");
}

TEST(TimerNetText, FirstTimerStartsTheChainFromTimer) {
    std::vector<long> out{4};
    EXPECT_EQ(vplnet::TimerText(1, "1.0", out), "<Timer> xM <TimerOut000001>\n"
                                                "<TimerOut000001> <!TimerIn000001> xT "
                                                "<TimerOut000002>\n"
                                                "<TimerIn000001> 6 xCOUNT <X000004>\n");
}

TEST(TimerNetText, SecondTimerHangsOnTheSameChain) {
    std::vector<long> out{5};
    EXPECT_EQ(vplnet::TimerText(2, "0.5", out),
              "<TimerOut000002> <!TimerIn000002> xT <TimerOut000003>\n"
              "<TimerIn000002> 3 xCOUNT <X000005>\n");
}

TEST(TimerNetText, SeveralConnectionsFanOutThroughTimerX) {
    std::vector<long> out{2, 3};
    EXPECT_EQ(vplnet::TimerText(2, "2", out),
              "<TimerOut000002> <!TimerIn000002> xT <TimerOut000003>\n"
              "<TimerIn000002> 12 xCOUNT <TimerX000002>\n"
              " <TimerX000002> <!X000002> xT <TimerX000003>\n"
              " <TimerX000003> xM <X000003>\n");
}

TEST(TimerNetText, UnconnectedTimerWritesNothing) {
    EXPECT_EQ(vplnet::TimerText(1, "1.0", {}), "");
}

TEST(TimerNetText, PeriodIsReadLikeADecimalNumber) {
    EXPECT_EQ(vplnet::TimerLimit("5"), 30);
    EXPECT_EQ(vplnet::TimerLimit("1.0"), 6);
    EXPECT_EQ(vplnet::TimerLimit(" 0.25"), 1);    // 1.5 truncated
    EXPECT_EQ(vplnet::TimerLimit("0.1"), 0);      // 0.6 truncated: every tick
    EXPECT_EQ(vplnet::TimerLimit("2.5 sec"), 15); // the number in front counts
    EXPECT_EQ(vplnet::TimerLimit(""), 0);
    EXPECT_EQ(vplnet::TimerLimit("fast"), 0);
    EXPECT_EQ(vplnet::TimerLimit("-3"), 0);
    // Absurd periods stay within what a Long constant can carry.
    EXPECT_EQ(vplnet::TimerLimit("1e300"), 2147483647);
    EXPECT_EQ(vplnet::TimerLimit("inf"), 0);
}

TEST(InputNetText, OneConnectionSendsStraightToItsPath) {
    std::vector<long> out{0x26};
    EXPECT_EQ(vplnet::InputPathName(out), "X000026");
    EXPECT_EQ(vplnet::InputText(out), "");
    EXPECT_EQ(vplnet::InputPathName({}), "X000000");
}

TEST(InputNetText, SeveralConnectionsSendThroughInputX) {
    std::vector<long> out{10, 11, 12};
    EXPECT_EQ(vplnet::InputPathName(out), "InputX00000a");
    EXPECT_EQ(vplnet::InputText(out), " <InputX00000a> <!X00000a> xT <InputX00000b>\n"
                                      " <InputX00000b> <!X00000b> xT <InputX00000c>\n"
                                      " <InputX00000c> xM <X00000c>\n");
}
