#pragma once
// Bytes as spaced upper-case hex ("02 64"), so that expected file bytes read as in a dump.
#include <cstdio>
#include <string>
#include <string_view>

namespace olvide::testing {

inline std::string hex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

} // namespace olvide::testing
