#include "pendrel/framework/gstring.h"

#include <gtest/gtest.h>

TEST(GStringEditing, ConvertReplacesEveryOccurrenceAndCounts) {
    GString text("abcab");
    EXPECT_EQ(text.Convert("ab", "x"), 2);
    EXPECT_EQ(text, "xcx");
    GString growing("aaa");
    EXPECT_EQ(growing.Convert("a", "aa"), 3) << "replacements are not searched again";
    EXPECT_EQ(growing, "aaaaaa");
    EXPECT_EQ(growing.Convert("", "x"), 0);
    EXPECT_EQ(growing.Convert("b", "x"), 0);
}

TEST(GStringEditing, ChangeAtNeverWritesPastTheEnd) {
    GString text("abcdef");
    text.ChangeAt(4, "XYZ");
    EXPECT_EQ(text, "abcdXY");
    text.ChangeAt(0, "1");
    EXPECT_EQ(text, "1bcdXY");
    text.ChangeAt(6, "Q");
    text.ChangeAt(-1, "Q");
    EXPECT_EQ(text, "1bcdXY");
}

TEST(GStringEditing, TrimDropsOneCharacterAndStopsWhenEmpty) {
    GString text("ab");
    text.Trim();
    EXPECT_EQ(text, "a");
    EXPECT_EQ(text.LastChar(), 'a');
    text.Trim();
    text.Trim();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(text.LastChar(), '\0');
}

TEST(GStringInspection, PercentDigitsIsWholePercent) {
    EXPECT_EQ(GString("").PercentDigits(), 0);
    EXPECT_EQ(GString("12a").PercentDigits(), 66);
    EXPECT_EQ(GString("123").PercentDigits(), 100);
    EXPECT_EQ(GString("x").PercentDigits(), 0);
}

TEST(GStringInspection, ConstructorsAndCase) {
    EXPECT_EQ(GString(-12L), "-12");
    EXPECT_EQ(GString("abcdef", 3), "abc");
    EXPECT_EQ(GString(nullptr, 3), "");
    GString text("MiXed");
    text.ToLower();
    EXPECT_EQ(text, "mixed");
    text.ToUpper();
    EXPECT_EQ(text, "MIXED");
    EXPECT_EQ(text.FindChar('X'), 2);
    EXPECT_EQ(text.FindChar('q'), -1);
    GString appended("a");
    appended.Append(GString("b"));
    appended.Append("c");
    EXPECT_EQ(appended, "abc");
}
