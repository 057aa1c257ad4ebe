#include "pendrel/engine/strings.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

int igAddWord(const char* word, char* buf, int* pos, int limit) {
    int p = *pos;
    if (word) {
        while (*word && p < limit)
            buf[p++] = *word++;
    }
    if (p <= limit) buf[p] = 0;
    *pos = p;
    return p;
}

char* igStrCat(char* dst, const char* src) {
    char* end = dst + std::strlen(dst);
    while (*src)
        *end++ = *src++;
    *end = 0;
    return end;
}

namespace {

bool IsBlank(unsigned char c) {
    return c < 33;
}

// Collects one item from text at *pos; separator test and quote handling given by the caller.
template <class IsSep>
int Collect(const char* text, int* pos, char* out, IsSep isSep, bool quotes) {
    int p = *pos;
    while (text[p] && isSep(static_cast<unsigned char>(text[p])))
        ++p;
    int n = 0;
    bool quoted = false;
    while (text[p]) {
        unsigned char c = static_cast<unsigned char>(text[p]);
        if (quotes && c == '"') {
            quoted = !quoted;
            ++p;
            continue;
        }
        if (!quoted && isSep(c)) break;
        if (n < kItemBuffer - 1) out[n++] = static_cast<char>(c);
        ++p;
    }
    out[n] = 0;
    *pos = p;
    return n;
}

} // namespace

int igNextItem(const char* text, int* pos, int sep, char* out) {
    return Collect(
        text, pos, out, [sep](unsigned char c) { return c == sep; }, false);
}

int igNextWord(const char* text, int* pos, char* out) {
    return Collect(text, pos, out, IsBlank, true);
}

const char* igLong2Str(long value) {
    static char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%ld", value);
    return buffer;
}

const char* igDouble2Str(double value) {
    static char buffer[64];
    char* out = buffer;
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }
    // Infinities and NaN never reach a finite scale; they are written as they are.
    if (!std::isfinite(value)) {
        std::snprintf(out, sizeof buffer - 1, "%s", std::isnan(value) ? "NaN" : "Inf");
        return buffer;
    }
    int e = 0;
    while (value > 1000) {
        value *= 0.1;
        ++e;
    }
    while (value != 0 && value < 1) {
        value *= 10;
        --e;
    }
    auto c = static_cast<std::int64_t>(value);
    auto frac = static_cast<std::int64_t>((value - static_cast<double>(c)) * 1000 + 1000);
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(frac));
    int n = std::snprintf(out, 40, "%lld.%s", static_cast<long long>(c), digits + 1);
    if (e != 0) std::snprintf(out + n, 20, "E%d", e);
    return buffer;
}
