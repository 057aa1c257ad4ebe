#include "olvide/engine/value_ops.h"
#include "olvide/model/codepage.h"

#include <gtest/gtest.h>

namespace olvide {
namespace {

struct Result {
    Fault fault;
    std::string text;
};

Result calc(char op, std::string_view a, std::string_view b) {
    std::string out = "untouched";
    Faulted f = arithmetic(op, a, b, out);
    return {f.fault, out};
}

TEST(Arithmetic, RealOperationsWriteNumberText) {
    EXPECT_EQ(calc('+', "0.1", "0.2").text, "0.3");
    EXPECT_EQ(calc('/', "1", "3").text, "0.33333333");
    EXPECT_EQ(calc('*', "2.5", "2").text, "5");
    EXPECT_EQ(calc('-', "3", "10").text, "-7");
    EXPECT_EQ(calc('+', "2.5 ", "1").text, "26"); // the operand reads as 25
    EXPECT_EQ(calc('+', "abc", "1").text, "1");
}

TEST(Arithmetic, NumericFailuresWriteTheirStatedResult) {
    Result r = calc('/', "5", "0");
    EXPECT_EQ(r.fault, Fault::DivideByZero);
    EXPECT_EQ(r.text, "9999999999999999");
    r = calc('*', "1e200", "1e200");
    EXPECT_EQ(r.fault, Fault::Overflow);
    EXPECT_EQ(r.text, "9999999999999999");
    r = calc('*', "1e-200", "1e-200");
    EXPECT_EQ(r.fault, Fault::Underflow);
    EXPECT_EQ(r.text, "0");
    r = calc('+', "1e400", "1");
    EXPECT_EQ(r.fault, Fault::Overflow);
    EXPECT_EQ(calc('*', "0", "5").fault, Fault::None); // an exact zero is no underflow
}

TEST(Arithmetic, IntegerQuotientAndRemainder) {
    EXPECT_EQ(calc('|', "7", "2").text, "3");
    EXPECT_EQ(calc('|', "-7", "2").text, "-3");
    EXPECT_EQ(calc('%', "-7", "2").text, "-1");
    EXPECT_EQ(calc('%', "7", "-2").text, "1");
    EXPECT_EQ(calc('|', "7.9", "2").text, "3");
    Result r = calc('|', "7", "0");
    EXPECT_EQ(r.fault, Fault::DivideByZero);
    EXPECT_EQ(r.text, "9999999999999999");
    EXPECT_EQ(calc('%', "7", "0.5").fault, Fault::DivideByZero);
}

TEST(Arithmetic, IntegerOperandsMustBeNumbersWithin32Bits) {
    std::string out = "old";
    Faulted f = arithmetic('|', "12x", "2", out);
    EXPECT_EQ(f.fault, Fault::NotANumber);
    EXPECT_EQ(f.operand, "12x");
    EXPECT_EQ(out, "old");
    f = arithmetic('%', "5", "3000000000", out);
    EXPECT_EQ(f.fault, Fault::OutOfRange);
    EXPECT_EQ(f.operand, "3000000000");
    EXPECT_EQ(out, "old");
    f = arithmetic('|', "-2147483648", "-1", out);
    EXPECT_EQ(f.fault, Fault::OutOfRange);
    EXPECT_EQ(out, "old");
    EXPECT_FALSE(writesResult(Fault::OutOfRange));
    EXPECT_FALSE(stopsRun(Fault::NotANumber));
}

TEST(Comparisons, NumbersAreExactAndTextsByteWise) {
    EXPECT_TRUE(compareNumbers(Comparison::Equal, "2", "2.0"));
    EXPECT_FALSE(compareNumbers(Comparison::Equal, "0.3", "0.30000001"));
    EXPECT_TRUE(compareNumbers(Comparison::Less, "9", "10"));
    EXPECT_TRUE(compareNumbers(Comparison::GreaterEqual, "x", "0"));
    EXPECT_FALSE(compareTexts(Comparison::Greater, "abc", "abd"));
    EXPECT_TRUE(compareTexts(Comparison::Less, "abc", "abd"));
    EXPECT_TRUE(compareTexts(Comparison::Greater, "a", "B"));
    EXPECT_TRUE(compareTexts(Comparison::Less, "9", "10") == false);
    EXPECT_TRUE(compareTexts(Comparison::Less, "ab", "abc"));
    // Chinese bytes (0x80 and up) sort after every ASCII byte.
    EXPECT_TRUE(compareTexts(Comparison::Greater, "\xD6\xD0", "z"));
    EXPECT_TRUE(compareTexts(Comparison::NotEqual, "A", "a"));
}

TEST(Booleans, OnlyExactUpperCaseTextsCount) {
    EXPECT_EQ(booleanAnd("TRUE", "TRUE"), "TRUE");
    EXPECT_EQ(booleanAnd("TRUE", "true"), "FALSE");
    EXPECT_EQ(booleanOr("FALSE", "FALSE"), "FALSE");
    EXPECT_EQ(booleanOr("FALSE", "maybe"), "TRUE");
    EXPECT_EQ(booleanNot("FALSE"), "TRUE");
    EXPECT_EQ(booleanNot("false"), "FALSE");
}

TEST(NumberFunctions, ComputeOnLenientNumbers) {
    std::string out;
    EXPECT_EQ(numberFunction(NumberFunction::Int, "-2.7", out), Fault::None);
    EXPECT_EQ(out, "-2");
    numberFunction(NumberFunction::Abs, "-4.5", out);
    EXPECT_EQ(out, "4.5");
    numberFunction(NumberFunction::Sqrt, "2", out);
    EXPECT_EQ(out, "1.41421356");
    numberFunction(NumberFunction::Log, "1", out);
    EXPECT_EQ(out, "0");
    numberFunction(NumberFunction::Exp, "1", out);
    EXPECT_EQ(out, "2.71828183");
    numberFunction(NumberFunction::Tg, "1", out);
    EXPECT_EQ(out, "1.55740772");
    numberFunction(NumberFunction::Arctg, "1", out);
    EXPECT_EQ(out, "0.78539816");
}

TEST(NumberFunctions, DomainErrorsStopTheRunWithoutAResult) {
    std::string out = "old";
    EXPECT_EQ(numberFunction(NumberFunction::Sqrt, "-1", out), Fault::SqrtOfNegative);
    EXPECT_EQ(numberFunction(NumberFunction::Log, "0", out), Fault::LogOfNonPositive);
    EXPECT_EQ(numberFunction(NumberFunction::Log, "-3", out), Fault::LogOfNonPositive);
    EXPECT_EQ(numberFunction(NumberFunction::Exp, "1000", out), Fault::FunctionOverflow);
    EXPECT_EQ(numberFunction(NumberFunction::Tg, "1e400", out), Fault::FunctionOverflow);
    EXPECT_EQ(out, "old");
    EXPECT_TRUE(stopsRun(Fault::SqrtOfNegative));
    EXPECT_TRUE(stopsRun(Fault::FunctionOverflow));
    EXPECT_EQ(numberFunction(NumberFunction::Sqrt, "0", out), Fault::None);
}

const std::string kChinese = "\xD6\xD0\xCE\xC4"; // two characters, four bytes

TEST(Strings, LengthsAndPositionsCountBytes) {
    std::string out;
    textLength(kChinese, out);
    EXPECT_EQ(out, "4");
    substring(kChinese, "3", "2", out);
    EXPECT_EQ(out, "\xCE\xC4");
}

TEST(Strings, SubstringRules) {
    std::string out;
    substring("abcdef", "0", "2", out);
    EXPECT_EQ(out, "ab");
    substring("abcdef", "5", "10", out);
    EXPECT_EQ(out, "ef");
    substring("abcdef", "7", "1", out);
    EXPECT_EQ(out, "");
    substring("abcdef", "2", "0", out);
    EXPECT_EQ(out, "");
    substring("abcdef", "2", "-3", out);
    EXPECT_EQ(out, "");
    out = "old";
    EXPECT_EQ(substring("abcdef", "two", "1", out).fault, Fault::NotANumber);
    EXPECT_EQ(out, "old");
}

TEST(Strings, ReplaceRules) {
    std::string out;
    replaceClip("abcdef", "2", "3", "XY", out);
    EXPECT_EQ(out, "aXYef");
    replaceClip("abcdef", "5", "10", "X", out);
    EXPECT_EQ(out, "abcdX");
    replaceClip("abcdef", "0", "3", "X", out); // nothing removed, inserted at the front
    EXPECT_EQ(out, "Xabcdef");
    replaceClip("abcdef", "9", "3", "X", out); // nothing removed, appended
    EXPECT_EQ(out, "abcdefX");
    replaceClip("abcdef", "3", "0", "X", out);
    EXPECT_EQ(out, "abXcdef");
    EXPECT_EQ(replaceClip("abc", "1", "9999999999", "X", out).fault, Fault::OutOfRange);
}

TEST(Strings, ReplicateRules) {
    std::string out;
    replicate("ab", "3", out);
    EXPECT_EQ(out, "ababab");
    replicate("ab", "0", out);
    EXPECT_EQ(out, "");
    replicate("ab", "-2", out);
    EXPECT_EQ(out, "");
    out = "old";
    EXPECT_EQ(replicate("ab", "3x", out).fault, Fault::NotANumber);
    EXPECT_EQ(replicate("ab", "2000000000", out).fault, Fault::TooLong);
    EXPECT_EQ(out, "old");
}

TEST(Strings, JoiningMayReuseTheFirstOperand) {
    std::string value = "ab";
    joinTexts(value, "cd", value);
    EXPECT_EQ(value, "abcd");
    std::string other;
    joinTexts("x", value, other);
    EXPECT_EQ(other, "xabcd");
}

TEST(Faults, MessagesNameTheOperand) {
    EXPECT_EQ(toUtf8(faultMessage(Fault::DivideByZero)), "除零错!");
    EXPECT_EQ(toUtf8(faultMessage(Fault::Overflow)), "数太大了!");
    EXPECT_EQ(toUtf8(faultMessage(Fault::Underflow)), "数太小了!");
    EXPECT_EQ(toUtf8(faultMessage(Fault::NotANumber, "12x")), "不是一个数:\"12x\",这一步没有结果!");
    EXPECT_NE(faultMessage(Fault::NotANumber, "12x").find("12x"), std::string::npos);
}

} // namespace
} // namespace olvide
