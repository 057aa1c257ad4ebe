#include "olvide/model/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace olvide {

namespace {

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exact powers of ten for the fast paths below.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The shape of a text read from the left as: blanks, sign, digits, '.' digits, 'E' sign digits.
struct Scan {
    bool negative = false;
    bool complete = false;     // the whole text fits and denotes a number
    std::size_t numberBegin{}; // first character after the sign
    std::string_view intDigits;
    std::string_view fracDigits;
    bool hasExponent = false;
};

Scan scan(std::string_view t) {
    Scan s;
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n && t[i] == ' ')
        ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) s.negative = t[i++] == '-';
    s.numberBegin = i;
    const std::size_t intBegin = i;
    while (i < n && isDigit(t[i]))
        ++i;
    s.intDigits = t.substr(intBegin, i - intBegin);
    bool fits = true;
    if (i < n && t[i] == '.') {
        const std::size_t fracBegin = ++i;
        while (i < n && isDigit(t[i]))
            ++i;
        s.fracDigits = t.substr(fracBegin, i - fracBegin);
        if (s.fracDigits.empty()) fits = false; // a point with no digits after it
    }
    if (fits && i < n && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t expBegin = i;
        while (i < n && isDigit(t[i]))
            ++i;
        s.hasExponent = true;
        if (i == expBegin) fits = false;
    }
    const bool anyDigit = !s.intDigits.empty() || !s.fracDigits.empty();
    s.complete = fits && i == n && anyDigit;
    return s;
}

// Digits taken together as one whole number.
double wholeNumber(std::string_view first, std::string_view second) {
    if (first.size() + second.size() <= 18) {
        std::int64_t v = 0;
        for (char c : first)
            v = v * 10 + (c - '0');
        for (char c : second)
            v = v * 10 + (c - '0');
        return static_cast<double>(v);
    }
    std::string digits;
    digits.reserve(first.size() + second.size());
    digits.append(first).append(second);
    double v = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), v);
    return v;
}

double completeValue(std::string_view t, const Scan& s) {
    double magnitude = 0;
    const std::size_t digitCount = s.intDigits.size() + s.fracDigits.size();
    if (!s.hasExponent && digitCount <= 15) {
        // Both the digits and the power of ten are exact, so one division rounds correctly.
        magnitude = wholeNumber(s.intDigits, s.fracDigits) / kPowersOfTen[s.fracDigits.size()];
    } else {
        const char* begin = t.data() + s.numberBegin;
        auto [ptr, ec] = std::from_chars(begin, t.data() + t.size(), magnitude);
        if (ec == std::errc::result_out_of_range) {
            // Too large reads as infinity (and overflows in arithmetic); too small as zero.
            const bool tiny = s.hasExponent && t.find('-', s.numberBegin) != std::string_view::npos;
            magnitude = tiny ? 0.0 : HUGE_VAL;
        }
    }
    return s.negative ? -magnitude : magnitude;
}

} // namespace

void numberText(double value, std::string& out) {
    char buf[400];
    char* end = buf;
    if (!std::isfinite(value)) {
        out.assign(kTooLargeText);
        return;
    }
    if (value == std::trunc(value)) {
        if (std::fabs(value) < 9.0e15) {
            end = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(value)).ptr;
        } else {
            end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed).ptr;
        }
    } else {
        end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 8).ptr;
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.') --end;
    }
    std::string_view text(buf, static_cast<std::size_t>(end - buf));
    if (text == "-0") text = "0";
    out.assign(text);
}

std::string numberText(double value) {
    std::string out;
    numberText(value, out);
    return out;
}

namespace {

// The common case of a running program: a short whole number, perhaps negative.
bool shortWholeNumber(std::string_view text, double& value) {
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == i || text.size() > i + 15) return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (!isDigit(c)) return false;
        v = v * 10 + (c - '0');
    }
    value = text[0] == '-' ? -static_cast<double>(v) : static_cast<double>(v);
    return true;
}

} // namespace

double lenientNumber(std::string_view text) {
    if (double v = 0; shortWholeNumber(text, v)) return v;
    const Scan s = scan(text);
    if (s.complete) return completeValue(text, s);
    return wholeNumber(s.intDigits, s.fracDigits);
}

StrictInteger strictInteger(std::string_view text) {
    if (double v = 0; shortWholeNumber(text, v)) {
        if (v < -2147483648.0 || v > 2147483647.0) return {StrictStatus::OutOfRange, 0};
        return {StrictStatus::Ok, static_cast<std::int32_t>(v)};
    }
    const Scan s = scan(text);
    if (!s.complete) return {StrictStatus::NotANumber, 0};
    const double v = std::trunc(completeValue(text, s));
    if (!(v >= -2147483648.0 && v <= 2147483647.0)) return {StrictStatus::OutOfRange, 0};
    return {StrictStatus::Ok, static_cast<std::int32_t>(v)};
}

} // namespace olvide
