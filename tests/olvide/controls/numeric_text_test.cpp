#include "olvide/controls/numeric_text.h"

#include <cmath>
#include <gtest/gtest.h>

namespace olvide::controls {
namespace {

TEST(NumericText, RealsTakeSignPointAndAnExponentThatMayLackDigits) {
    EXPECT_EQ(readReal("1."), 1.0);
    EXPECT_EQ(readReal(".5"), 0.5);
    EXPECT_EQ(readReal("+1e+5"), 1e5);
    EXPECT_EQ(readReal("-2.5E-3"), -2.5e-3);
    EXPECT_EQ(readReal("1e"), 1.0);
    EXPECT_EQ(readReal("3e-"), 3.0);
    for (const char* bad :
         {"", ".", "-", "e5", "1e5e", "1.2.3", "1e999", " 1", "1 ", "1,5", "--1", "0x10"})
        EXPECT_FALSE(readReal(bad).has_value()) << bad;
}

TEST(NumericText, IntegersAndCardinalsStayWithin32Bits) {
    EXPECT_EQ(readInteger("+2147483647"), 2147483647);
    EXPECT_EQ(readInteger("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(readInteger("2147483648").has_value());
    EXPECT_FALSE(readInteger("+").has_value());
    EXPECT_FALSE(readInteger("1.0").has_value());
    EXPECT_EQ(readCardinal("0"), 0);
    EXPECT_FALSE(readCardinal("+5").has_value());
    EXPECT_FALSE(readCardinal("-0").has_value());
    EXPECT_FALSE(readCardinal("2147483648").has_value());
}

TEST(NumericText, StartsOfNumbersAreAcceptedOnlyWhereTheKindHasThem) {
    for (NumberKind kind : {NumberKind::real, NumberKind::integer, NumberKind::cardinal})
        EXPECT_TRUE(acceptsNumberText(kind, ""));
    EXPECT_TRUE(acceptsNumberText(NumberKind::integer, "-"));
    EXPECT_TRUE(acceptsNumberText(NumberKind::real, "+"));
    EXPECT_TRUE(acceptsNumberText(NumberKind::real, "-."));
    EXPECT_FALSE(acceptsNumberText(NumberKind::integer, "."));
    EXPECT_FALSE(acceptsNumberText(NumberKind::cardinal, "-"));
    EXPECT_FALSE(acceptsNumberText(NumberKind::cardinal, "+"));
    EXPECT_FALSE(acceptsNumberText(NumberKind::integer, "-a"));
    EXPECT_FALSE(acceptsNumberText(NumberKind::real, "+-"));
}

TEST(NumericText, FormatsFollowTheDigitPlaceholders) {
    EXPECT_EQ(formatReal(3.14159, "0.00"), "3.14");
    EXPECT_EQ(formatReal(7.2, "000"), "007");
    EXPECT_EQ(formatReal(0.5, "#.##"), ".5");
    EXPECT_EQ(formatReal(0, "#.##"), "0");
    EXPECT_EQ(formatReal(2, "0.0##"), "2.0");
    EXPECT_EQ(formatReal(2.5, "0.###"), "2.5");
    EXPECT_EQ(formatReal(-3.14159, "0.0"), "-3.1");
    EXPECT_EQ(formatReal(-0.04, "0.0"), "0.0");
    EXPECT_EQ(formatReal(1234567.891, "#,##0.00"), "1234567.89");
    EXPECT_EQ(formatReal(2, "0.0' m'"), "2.0");
    EXPECT_EQ(formatReal(-2, "0.0;(0.0)"), "-2.0");
}

TEST(NumericText, ScientificFormatsPlaceTheExponent) {
    EXPECT_EQ(formatReal(12345, "0.00E+00"), "1.23E+04");
    EXPECT_EQ(formatReal(0.00012345, "0.00E+00"), "1.23E-04");
    EXPECT_EQ(formatReal(12345, "0.0E-0"), "1.2E4");
    EXPECT_EQ(formatReal(12345, "00.0E+0"), "12.3E+3");
    EXPECT_EQ(formatReal(9.996, "0.00E+00"), "1.00E+01");
    EXPECT_EQ(formatReal(0, "0.00E+00"), "0.00E+00");
}

TEST(NumericText, WithoutAFormatTheShortestTextThatReadsBack) {
    EXPECT_EQ(formatReal(3, ""), "3");
    EXPECT_EQ(formatReal(0.1, ""), "0.1");
    EXPECT_EQ(formatReal(-0.0, ""), "0");
    EXPECT_EQ(formatReal(2.5, "abc"), "2.5");
    EXPECT_EQ(formatInteger(7, "000"), "007");
    EXPECT_EQ(formatInteger(-7, "000"), "-007");
    EXPECT_EQ(formatInteger(7, "0.00"), "7");
    EXPECT_EQ(formatInteger(-2147483648LL, ""), "-2147483648");
}

TEST(NumericText, EveryFormattedRealReadsBackAsAcceptableText) {
    for (const char* format : {"", "0", "0.00", "#.##", "0.00E+00", "##0.0E-0", "#,##0.###"}) {
        for (double value : {0.0, 1.0, -1.5, 3.14159, 1e20, -7.25e-9, 123456.789}) {
            const std::string text = formatReal(value, format);
            ASSERT_TRUE(acceptsNumberText(NumberKind::real, text)) << format << " " << text;
            const double back = readReal(text).value_or(NAN);
            const bool scientific = std::string_view(format).find('E') != std::string_view::npos;
            const double tolerance = std::string_view(format).empty() ? 0
                                     : scientific                     ? std::abs(value) * 0.06
                                                                      : 0.5;
            if (std::abs(value) < 1e15 || scientific || std::string_view(format).empty()) {
                EXPECT_NEAR(back, value, tolerance) << format << " " << text;
            }
        }
    }
}

} // namespace
} // namespace olvide::controls
