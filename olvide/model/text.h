#pragma once
// Small text helpers of the model. Text is code-page bytes: a byte of 0x81 or above starts a
// double-byte (or four-byte) character whose further bytes may look like ASCII letters, so
// case folding and trimming walk characters, not bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olvide {

// ASCII letters folded to lower case; the bytes of Chinese characters unchanged.
std::string lowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Without leading and trailing blanks (spaces, tabs, CR, LF).
std::string trimmed(std::string_view text);
// The text reads as a real number (optional sign, digits, point, exponent; "." decimal).
bool readsAsNumber(std::string_view text);
// A whole number in the 32-bit range; none for other text.
std::optional<std::int32_t> readInteger(std::string_view text);
// A number text truncated toward zero to a whole number (an index or a line number); none
// for text that is not a number or lies outside the 32-bit range.
std::optional<std::int32_t> readWhole(std::string_view text);
// Decimal text of an integer.
std::string decimal(std::int64_t value);

} // namespace olvide
