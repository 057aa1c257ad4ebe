#pragma once
// Numbers as the language keeps them: decimal text. Every numeric result is written with
// numberText, every operand read with one of the two conversions below. The decimal point is
// '.' whatever the locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace olvide {

// The text every overflow and division by zero writes.
inline constexpr std::string_view kTooLargeText = "9999999999999999";

// Integral values without a point ("3", "-12"); others with 8 decimals, trailing zeros and a
// trailing point removed ("2.5", "0.33333333"). Writes into out, reusing its storage.
void numberText(double value, std::string& out);
std::string numberText(double value);

// The lenient reading used by arithmetic, comparisons, number functions and iterations. It
// never fails: a text that is not a whole number reads as the digits met before the first
// character that does not fit, taken as one whole number ("12x" -> 12, "1.5x" -> 15,
// "2.5 " -> 25, "abc" -> 0).
double lenientNumber(std::string_view text);

// The strict reading used by integer quotient, remainder, substring, replace and replicate:
// the whole text must be a number; its value is truncated toward zero to 32 bits.
enum class StrictStatus { Ok, NotANumber, OutOfRange };
struct StrictInteger {
    StrictStatus status = StrictStatus::NotANumber;
    std::int32_t value = 0;
};
StrictInteger strictInteger(std::string_view text);

} // namespace olvide
