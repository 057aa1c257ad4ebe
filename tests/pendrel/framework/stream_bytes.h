#pragma once
// Builds the bytes an object stream should hold, item by item, independently of GStream.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class StreamBytes {
public:
    StreamBytes& Char(char c) {
        bytes_.push_back(c);
        return *this;
    }
    StreamBytes& Short(int value) { return Integer(static_cast<std::uint32_t>(value), 2); }
    StreamBytes& Long(long value) { return Integer(static_cast<std::uint32_t>(value), 4); }
    StreamBytes& Double(double value) {
        char raw[8];
        std::memcpy(raw, &value, 8);
        bytes_.append(raw, 8);
        return *this;
    }
    StreamBytes& Text(std::string_view text) {
        Long(static_cast<long>(text.size()));
        bytes_ += text;
        return *this;
    }
    StreamBytes& Raw(std::string_view bytes) {
        bytes_ += bytes;
        return *this;
    }
    // The object header: 'Y', 1, properties A and B, group, serial.
    StreamBytes& Header(long serial, int a = 0, int b = 0, int group = 0) {
        return Char('Y').Char(1).Short(a).Short(b).Short(group).Long(serial);
    }
    StreamBytes& Reference(long serial) { return Short(-1).Long(serial); }

    const std::string& str() const { return bytes_; }

private:
    StreamBytes& Integer(std::uint32_t value, int n) {
        for (int i = 0; i < n; ++i)
            bytes_.push_back(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    std::string bytes_;
};
