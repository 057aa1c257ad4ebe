#include "olvide/controls/numeric_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace olvide::controls {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSign(char c) {
    return c == '+' || c == '-';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// What a format string asks for.
struct NumberFormat {
    bool placeholders = false;
    int minInt = 0; // digits shown before the point at least
    int intPlaceholders = 0;
    int minFrac = 0;
    int maxFrac = 0;
    bool scientific = false;
    bool exponentAlwaysSigned = false;
    int exponentDigits = 0;
};

NumberFormat parseFormat(std::string_view format) {
    format = format.substr(0, format.find(';'));
    NumberFormat f;
    bool afterPoint = false;
    bool zeroSeen = false; // a '0' among the integer placeholders: it and all after it show
    int fracPlaceholders = 0;
    char quote = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (quote != 0) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '0' || c == '#') {
            f.placeholders = true;
            if (afterPoint) {
                ++fracPlaceholders;
                if (c == '0') f.minFrac = fracPlaceholders;
            } else {
                ++f.intPlaceholders;
                zeroSeen = zeroSeen || c == '0';
                if (zeroSeen) ++f.minInt;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if ((c == 'E' || c == 'e') && i + 1 < format.size() && isSign(format[i + 1])) {
            f.scientific = true;
            f.exponentAlwaysSigned = format[i + 1] == '+';
            std::size_t end = i + 2;
            while (end < format.size() && format[end] == '0')
                ++end;
            f.exponentDigits = static_cast<int>(std::min<std::size_t>(end - i - 2, 4));
            break;
        }
    }
    f.maxFrac = fracPlaceholders;
    return f;
}

std::string stripTrailingZeros(std::string fraction, int keep) {
    while (static_cast<int>(fraction.size()) > keep && fraction.back() == '0')
        fraction.pop_back();
    return fraction;
}

bool hasNonZeroDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

std::string withSign(bool negative, std::string magnitude) {
    if (magnitude.empty()) magnitude.push_back('0');
    if (negative && hasNonZeroDigit(magnitude)) magnitude.insert(magnitude.begin(), '-');
    return magnitude;
}

std::string fixedText(double magnitude, const NumberFormat& f) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, f.maxFrac);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    std::string integer(text.substr(0, point));
    const std::string fraction =
        point == std::string_view::npos
            ? std::string()
            : stripTrailingZeros(std::string(text.substr(point + 1)), f.minFrac);
    if (integer == "0" && f.minInt == 0) integer.clear();
    if (static_cast<int>(integer.size()) < f.minInt)
        integer.insert(0, static_cast<std::size_t>(f.minInt) - integer.size(), '0');
    return fraction.empty() ? integer : integer + "." + fraction;
}

std::string scientificText(double magnitude, const NumberFormat& f) {
    const int intDigits = std::max(1, f.intPlaceholders);
    std::string digits(static_cast<std::size_t>(intDigits + f.maxFrac), '0');
    int exponent = 0;
    if (magnitude != 0) {
        std::array<char, 64> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::scientific, intDigits - 1 + f.maxFrac);
        const std::string_view text(buffer.data(),
                                    static_cast<std::size_t>(result.ptr - buffer.data()));
        const std::size_t e = text.find('e');
        digits.clear();
        for (char c : text.substr(0, e))
            if (isDigit(c)) digits += c;
        std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                        exponent);
        exponent -= intDigits - 1;
    }
    std::string out = digits.substr(0, static_cast<std::size_t>(intDigits));
    const std::string fraction =
        stripTrailingZeros(digits.substr(static_cast<std::size_t>(intDigits)), f.minFrac);
    if (!fraction.empty()) out += "." + fraction;
    out += 'E';
    if (exponent < 0)
        out += '-';
    else if (f.exponentAlwaysSigned)
        out += '+';
    std::string exponentText = std::to_string(std::abs(exponent));
    if (static_cast<int>(exponentText.size()) < f.exponentDigits)
        exponentText.insert(0, static_cast<std::size_t>(f.exponentDigits) - exponentText.size(),
                            '0');
    return out + exponentText;
}

} // namespace

std::optional<double> readReal(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && isSign(text[pos])) ++pos;
    const std::size_t mantissaStart = pos;
    pos = skipDigits(text, pos);
    std::size_t digitCount = pos - mantissaStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t afterPoint = pos + 1;
        pos = skipDigits(text, afterPoint);
        digitCount += pos - afterPoint;
    }
    if (digitCount == 0) return std::nullopt;
    const std::size_t mantissaEnd = pos;
    std::size_t exponentEnd = mantissaEnd;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && isSign(text[pos])) ++pos;
        const std::size_t exponentDigits = pos;
        pos = skipDigits(text, pos);
        // An exponent without digits is 0: the text reads as its mantissa.
        exponentEnd = pos > exponentDigits ? pos : mantissaEnd;
    }
    if (pos != text.size()) return std::nullopt;

    // from_chars takes no leading '+'.
    const std::size_t start = text[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + exponentEnd, value);
    if (error != std::errc() || end != text.data() + exponentEnd || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> readInteger(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && isSign(text[pos])) ++pos;
    if (pos == text.size() || skipDigits(text, pos) != text.size()) return std::nullopt;
    std::int32_t value = 0;
    const std::size_t start = text[0] == '+' ? 1 : 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int32_t> readCardinal(std::string_view text) {
    if (text.empty() || !isDigit(text[0])) return std::nullopt;
    return readInteger(text);
}

namespace {

// A number being typed before its first digit: a sign, and for reals a point after it.
bool isNumberStart(NumberKind kind, std::string_view text) {
    if (!text.empty() && isSign(text[0])) text.remove_prefix(1);
    return text.empty() || (kind == NumberKind::real && text == ".");
}

} // namespace

bool acceptsNumberText(NumberKind kind, std::string_view text) {
    if (text.empty()) return true;
    switch (kind) {
    case NumberKind::real:
        return isNumberStart(kind, text) || readReal(text).has_value();
    case NumberKind::integer:
        return isNumberStart(kind, text) || readInteger(text).has_value();
    case NumberKind::cardinal:
        return readCardinal(text).has_value();
    }
    return false;
}

std::string formatReal(double value, std::string_view format) {
    const NumberFormat f = parseFormat(format);
    if (!f.placeholders) {
        if (value == 0) return "0"; // no "-0"
        std::array<char, 64> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        return std::string(buffer.data(), result.ptr);
    }
    const double magnitude = std::fabs(value);
    return withSign(std::signbit(value),
                    f.scientific ? scientificText(magnitude, f) : fixedText(magnitude, f));
}

std::string formatInteger(std::int64_t value, std::string_view format) {
    const NumberFormat f = parseFormat(format);
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < f.minInt)
        digits.insert(0, static_cast<std::size_t>(f.minInt) - digits.size(), '0');
    return withSign(value < 0, digits);
}

} // namespace olvide::controls
