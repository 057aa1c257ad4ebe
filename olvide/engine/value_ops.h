#pragma once
// What the operations of steps do to values. Every value is text; operands are read with the
// conversions of number_text.h and results are written as text into `out`, whose storage is
// reused so that a running loop does not allocate. Each operation answers a Fault that tells
// whether a result was written and what the interpreter has to say about it.
#include "common/hot_path.h"
#include "olvide/model/number_text.h"
#include "olvide/model/steps/opcode.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace olvide {

enum class Fault : std::uint8_t {
    None,
    // A result is written and the run goes on after the message.
    Overflow,     // "数太大了!", writes 9999999999999999
    Underflow,    // "数太小了!", writes 0
    DivideByZero, // "除零错!", writes 9999999999999999
    // No result is written; the run goes on after the message.
    NotANumber, // an operand of a strict reading is not a number
    OutOfRange, // an integer operand or result lies outside 32 bits
    TooLong,    // a text would grow past kMaxTextLength
    // No result is written and the run stops.
    SqrtOfNegative,
    LogOfNonPositive,
    FunctionOverflow, // a number function (e, tangent, ...) has no finite result
};

// The bound on the length of a text that a step may make (replicate, joining): a program
// repeating a text a billion times gets a message instead of exhausting memory.
inline constexpr std::size_t kMaxTextLength = 16u * 1024u * 1024u;

bool writesResult(Fault fault);
bool stopsRun(Fault fault);
// The message of a fault in the code page, with the offending operand (code-page text) where
// it helps.
std::string faultMessage(Fault fault, std::string_view operand = {});

// The operand behind a NotANumber or OutOfRange fault, for the message.
struct Faulted {
    Fault fault = Fault::None;
    std::string_view operand;
};

// "+", "-", "*", "/" on lenient numbers, "|" (integer quotient) and "%" (remainder, with the
// sign of the left operand) on strict 32-bit integers.
Faulted arithmetic(char op, std::string_view left, std::string_view right, std::string& out);
// The fault of a real result: infinite or not a number, or a result that fell below the least
// normal number (or to 0 when it could not be 0).
OLVAN_HOT_INLINE Fault realFault(double r, bool canUnderflow) {
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kMin = std::numeric_limits<double>::min(); // the least normal number
    if (!(r >= -kMax && r <= kMax)) return Fault::Overflow;     // infinite, or not a number
    if ((r != 0 && r < kMin && r > -kMin) || (r == 0 && canUnderflow)) return Fault::Underflow;
    return Fault::None;
}
// "+", "-", "*", "/" on numbers already read: None with the result in r, or the fault whose
// stated result (faultText) is written instead. Inline: the running loop's arithmetic.
OLVAN_HOT_INLINE Fault realArithmetic(char op, double a, double b, double& r) {
    switch (op) {
    case '+':
        r = a + b;
        return realFault(r, false);
    case '-':
        r = a - b;
        return realFault(r, false);
    case '*':
        r = a * b;
        return realFault(r, a != 0 && b != 0);
    case '/':
        if (b == 0) return Fault::DivideByZero;
        r = a / b;
        return realFault(r, a != 0);
    default:
        r = 0;
        return Fault::None;
    }
}
// Whether the operation is one of the four that realArithmetic does.
constexpr bool isRealOperation(char op) {
    return op == '+' || op == '-' || op == '*' || op == '/';
}
// The result a numeric fault writes ("9999999999999999" or "0").
std::string_view faultText(Fault fault);

// Numbers: lenient, exact comparison of the doubles.
bool compareNumbers(Comparison op, std::string_view left, std::string_view right);
// The comparison of two values of one kind; numbers inline, since a running loop compares at
// every turn.
template <typename T> bool compareValues(Comparison op, const T& a, const T& b) {
    switch (op) {
    case Comparison::Greater:
        return a > b;
    case Comparison::Less:
        return a < b;
    case Comparison::GreaterEqual:
        return a >= b;
    case Comparison::LessEqual:
        return a <= b;
    case Comparison::Equal:
        return a == b;
    case Comparison::NotEqual:
        return a != b;
    }
    return false;
}
OLVAN_HOT_INLINE bool compareNumbers(Comparison op, double left, double right) {
    return compareValues(op, left, right);
}
// Texts: byte values, case-sensitive, a prefix sorts first.
bool compareTexts(Comparison op, std::string_view left, std::string_view right);

inline constexpr std::string_view kTrue = "TRUE";
inline constexpr std::string_view kFalse = "FALSE";
inline std::string_view booleanText(bool value) {
    return value ? kTrue : kFalse;
}
// Only "TRUE" and "FALSE" as they stand count for "&&"; "||" treats anything but "FALSE" as true.
std::string_view booleanAnd(std::string_view x, std::string_view y);
std::string_view booleanOr(std::string_view x, std::string_view y);
std::string_view booleanNot(std::string_view x);

Fault numberFunction(NumberFunction f, std::string_view x, std::string& out);

// Texts count bytes of the code page: a Chinese character counts 2. Positions are 1-based.
void textLength(std::string_view text, std::string& out);
// The clip: `length` bytes from `start`; a start below 1 counts as 1, past the end or a
// length of 0 or less gives the empty text, a length past the end stops there.
Faulted substring(std::string_view text, std::string_view start, std::string_view length,
                  std::string& out);
// The text with its clip removed and `insert` put at the clip start.
Faulted replaceClip(std::string_view text, std::string_view start, std::string_view length,
                    std::string_view insert, std::string& out);
// The text repeated `count` times; 0 or fewer gives the empty text.
Faulted replicate(std::string_view text, std::string_view count, std::string& out);
// Two texts joined, within kMaxTextLength.
Fault joinTexts(std::string_view first, std::string_view second, std::string& out);

} // namespace olvide
