#include "pendrel/builder/net_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace vplnet {

namespace {

// Line numbers are written as six hexadecimal digits at least, lower case, like "%6.6lx".
std::string Hex6(long line) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%6.6lx", static_cast<unsigned long>(line) & 0xFFFFFFFFul);
    return buf;
}

std::string Label(std::string_view prefix, long line) {
    return "<" + PathName(line, prefix) + ">";
}

std::string Label(long line) {
    return Label("X", line);
}

// The largest count a Long array constant can carry.
constexpr double kLimitMax = 2147483647.0;

} // namespace

std::string PathName(long line, std::string_view prefix) {
    std::string out(prefix);
    out += Hex6(line);
    return out;
}

std::string FanOutChain(std::string_view prefix, std::span<const long> lines) {
    std::string out;
    if (lines.empty()) return out;
    std::string chain(prefix);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        out += " " + Label(chain, lines[i]) + " <!" + PathName(lines[i]) + "> xT " +
               Label(chain, lines[i + 1]) + "\n";
    }
    out += " " + Label(chain, lines.back()) + " xM " + Label(lines.back()) + "\n";
    return out;
}

std::string FunctionText(std::span<const FunctionInput> inputs, std::string_view keyword,
                         std::span<const long> outputs) {
    std::string out;
    for (const FunctionInput& input : inputs) {
        const std::string path = PathName(input.line);
        out += input.held ? "{" + path + "} " : "<" + path + "> ";
    }
    out += keyword;
    if (outputs.size() == 1) {
        out += " " + Label(outputs.front());
    } else if (outputs.size() > 1) {
        out += " " + Label("FuncX", outputs.front()) + "\n";
        out += FanOutChain("FuncX", outputs);
    }
    return out;
}

long TimerLimit(std::string_view period) {
    // Read like "%lf": leading blanks skipped, an optional sign, then as much number as there is.
    std::size_t i = 0;
    while (i < period.size() && (period[i] == ' ' || (period[i] >= '\t' && period[i] <= '\r')))
        ++i;
    if (i < period.size() && period[i] == '+') ++i;
    double value = 0;
    const char* begin = period.data() + i;
    const char* end = period.data() + period.size();
    auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || !std::isfinite(value) || value <= 0) return 0;
    const double limit = std::trunc(value * 6);
    return limit >= kLimitMax ? static_cast<long>(kLimitMax) : static_cast<long>(limit);
}

std::string TimerText(long timer, std::string_view period, std::span<const long> outputs) {
    std::string out;
    if (outputs.empty()) return out;
    if (timer == 1) out += "<Timer> xM " + Label("TimerOut", timer) + "\n";
    const std::string limit = std::to_string(TimerLimit(period));
    out += Label("TimerOut", timer) + " <!" + PathName(timer, "TimerIn") + "> xT " +
           Label("TimerOut", timer + 1) + "\n";
    if (outputs.size() == 1) {
        out += Label("TimerIn", timer) + " " + limit + " xCOUNT " + Label(outputs.front()) + "\n";
    } else {
        out += Label("TimerIn", timer) + " " + limit + " xCOUNT " +
               Label("TimerX", outputs.front()) + "\n";
        out += FanOutChain("TimerX", outputs);
    }
    return out;
}

std::string InputPathName(std::span<const long> outputs) {
    const long first = outputs.empty() ? 0 : outputs.front();
    return PathName(first, outputs.size() < 2 ? "X" : "InputX");
}

std::string InputText(std::span<const long> outputs) {
    if (outputs.size() < 2) return {};
    return FanOutChain("InputX", outputs);
}

} // namespace vplnet
