#include "olvide/model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace olvide {
namespace {

TEST(NumberText, IntegralValuesHaveNoPoint) {
    EXPECT_EQ(numberText(3.0), "3");
    EXPECT_EQ(numberText(-12.0), "-12");
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(1e20), "100000000000000000000");
    EXPECT_EQ(numberText(2.5 * 2), "5");
}

TEST(NumberText, FractionsHaveAtMostEightDecimals) {
    EXPECT_EQ(numberText(2.5), "2.5");
    EXPECT_EQ(numberText(1.0 / 3.0), "0.33333333");
    EXPECT_EQ(numberText(2.0 / 3.0), "0.66666667");
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(-0.125), "-0.125");
    // Too small for 8 decimals: rounds to zero, never "-0" or "0."
    EXPECT_EQ(numberText(1e-10), "0");
    EXPECT_EQ(numberText(-1e-10), "0");
    EXPECT_EQ(numberText(0.999999999), "1");
}

TEST(NumberText, ReusesTheTargetString) {
    std::string out = "previous long text that must go";
    numberText(42, out);
    EXPECT_EQ(out, "42");
}

TEST(LenientNumber, WholeNumbersReadAsTheyStand) {
    EXPECT_DOUBLE_EQ(lenientNumber("12"), 12);
    EXPECT_DOUBLE_EQ(lenientNumber("-3.25"), -3.25);
    EXPECT_DOUBLE_EQ(lenientNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(lenientNumber("   8.5"), 8.5);
    EXPECT_DOUBLE_EQ(lenientNumber("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(lenientNumber("2E-2"), 0.02);
    EXPECT_DOUBLE_EQ(lenientNumber(".5"), 0.5);
    EXPECT_EQ(lenientNumber("0.1"), 0.1); // correctly rounded, not 1/10 computed loosely
    EXPECT_EQ(lenientNumber("123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(LenientNumber, TextThatDoesNotFitReadsItsDigitsAsOneWholeNumber) {
    EXPECT_EQ(lenientNumber("12x"), 12);
    EXPECT_EQ(lenientNumber("-3x"), 3);
    EXPECT_EQ(lenientNumber("1.5x"), 15);
    EXPECT_EQ(lenientNumber("2.5 "), 25);
    EXPECT_EQ(lenientNumber("-5."), 5);
    EXPECT_EQ(lenientNumber("1.2.3"), 12);
    EXPECT_EQ(lenientNumber("12 34"), 12);
    EXPECT_EQ(lenientNumber("1.5e"), 15);
    EXPECT_EQ(lenientNumber("1.5e3x"), 15); // the exponent is left out
    EXPECT_EQ(lenientNumber("+"), 0);
    EXPECT_EQ(lenientNumber("."), 0);
    EXPECT_EQ(lenientNumber("abc"), 0);
    EXPECT_EQ(lenientNumber(""), 0);
    EXPECT_EQ(lenientNumber("TRUE"), 0);
}

TEST(LenientNumber, HugeExponentsReadAsInfinityOrZero) {
    EXPECT_TRUE(std::isinf(lenientNumber("1e400")));
    EXPECT_EQ(lenientNumber("1e-400"), 0);
}

TEST(StrictInteger, TruncatesValidNumbersTowardZero) {
    EXPECT_EQ(strictInteger("7").value, 7);
    EXPECT_EQ(strictInteger("-2.7").value, -2);
    EXPECT_EQ(strictInteger("2.7").value, 2);
    EXPECT_EQ(strictInteger("1e3").value, 1000);
    EXPECT_EQ(strictInteger("2147483647").value, 2147483647);
    EXPECT_EQ(strictInteger("-2147483648").value, INT32_MIN);
    EXPECT_EQ(strictInteger("-2147483648.9").status, StrictStatus::Ok);
}

TEST(StrictInteger, RefusesTextThatIsNotANumberOrOutside32Bits) {
    for (const char* t : {"12x", "2.5 ", "", "abc", "5.", "-", "1e"})
        EXPECT_EQ(strictInteger(t).status, StrictStatus::NotANumber) << t;
    for (const char* t : {"2147483648", "-2147483649", "1e10", "1e400"})
        EXPECT_EQ(strictInteger(t).status, StrictStatus::OutOfRange) << t;
}

} // namespace
} // namespace olvide
