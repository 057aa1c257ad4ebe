#include "olvide/model/text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace olvide {

namespace {

// Bytes of the character that starts at text[i].
std::size_t characterLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 >= text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second >= 0x30 && second <= 0x39) return i + 3 < text.size() ? 4 : text.size() - i;
    return 2;
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size();) {
        const std::size_t length = characterLength(out, i);
        if (length == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] + 32);
        i += length;
    }
    return out;
}

// As lowerAscii(a) == lowerAscii(b), without making either: a call step looks up its
// function and commander by name at every call.
bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::size_t nextA = 0, nextB = 0; // where the next character of each text starts
    for (std::size_t i = 0; i < a.size(); ++i) {
        char ca = a[i];
        char cb = b[i];
        if (i == nextA) {
            nextA += characterLength(a, i);
            if (nextA == i + 1 && ca >= 'A' && ca <= 'Z') ca = static_cast<char>(ca + 32);
        }
        if (i == nextB) {
            nextB += characterLength(b, i);
            if (nextB == i + 1 && cb >= 'A' && cb <= 'Z') cb = static_cast<char>(cb + 32);
        }
        if (ca != cb) return false;
    }
    return true;
}

std::string trimmed(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && blank(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && blank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

bool readsAsNumber(std::string_view text) {
    if (text.empty()) return false;
    std::string_view body = text;
    if (body.front() == '+') body.remove_prefix(1);
    if (body.empty() || body.front() == '+') return false;
    double value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    return error == std::errc() && end == body.data() + body.size() && std::isfinite(value);
}

std::optional<std::int32_t> readInteger(std::string_view text) {
    const std::string t = trimmed(text);
    std::string_view body = t;
    if (!body.empty() && body.front() == '+') body.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (body.empty() || error != std::errc() || end != body.data() + body.size()) return {};
    return value;
}

std::optional<std::int32_t> readWhole(std::string_view text) {
    const std::string t = trimmed(text);
    if (!readsAsNumber(t)) return {};
    std::string_view body = t;
    if (body.front() == '+') body.remove_prefix(1);
    double value = 0;
    std::from_chars(body.data(), body.data() + body.size(), value);
    value = std::trunc(value);
    if (value < -2147483648.0 || value > 2147483647.0) return {};
    return static_cast<std::int32_t>(value);
}

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

} // namespace olvide
