#pragma once
// The texts the numeric edits accept and write. The decimal point is '.' whatever the locale.
//
// A real is [sign] mantissa [exponent]: the mantissa has digits with at most one '.', and at
// least one digit; the exponent is 'e' or 'E' with an optional sign and digits that may still
// be missing ("1e" reads as 1), so that "1e5" can be typed key by key. An integer is [sign]
// digits within 32 bits; a cardinal is digits only, no larger than the largest integer (the
// edits hold their values as 32-bit integers).
//
// Format strings follow the digit placeholders of Delphi's FormatFloat: '0' is a digit always
// shown, '#' a digit shown when needed, '.' the decimal point, "E+" / "E-" (or "e+" / "e-")
// followed by '0's a scientific exponent with that many digits at least ('+' shows the sign
// always, '-' only when negative). Only the first section (before ';') counts; thousands
// separators, quoted literals and every other character are left out, so that a formatted
// number always reads back. An empty format (or one without placeholders) writes the plain
// number: the shortest text that reads back to the same value.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace olvide::controls {

enum class NumberKind { real, integer, cardinal };

std::optional<double> readReal(std::string_view text);
std::optional<std::int32_t> readInteger(std::string_view text);
std::optional<std::int32_t> readCardinal(std::string_view text);

// What an edit of the kind may show: a number of the kind; the start of one before its first
// digit, a lone sign or, for reals, a point with or without a sign (never for cardinals,
// which have no sign); or nothing at all. Those starts and the empty text read as 0.
bool acceptsNumberText(NumberKind kind, std::string_view text);

std::string formatReal(double value, std::string_view format);
// Integers use only the integer placeholders of the format (how many digits at least).
std::string formatInteger(std::int64_t value, std::string_view format);

} // namespace olvide::controls
