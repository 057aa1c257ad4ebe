#include "codepage.h"

#include <cerrno>
#include <iconv.h>
#include <map>
#include <mutex>

namespace olvide {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// One conversion descriptor per direction and thread: iconv_t keeps shift state.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; each byte that cannot be converted is replaced by `replacement`
    // and skipped, so the loop always advances.
    std::string run(std::string_view in, std::string_view replacement) {
        std::string out;
        if (!valid()) return std::string(in);
        out.reserve(in.size() * 3 / 2 + 4);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL (a sequence cut off at the end): replace one byte, go on.
            out.append(replacement);
            ++src;
            --srcLeft;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        return out;
    }

private:
    iconv_t cd_;
};

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

bool asciiAt(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]) < 0x80;
}

// Long texts (a program's dump) are mostly ASCII, which reads the same in both encodings:
// ASCII runs are copied and only the stretches around other characters go through the
// converter. A stretch ends only where two ASCII bytes follow each other: no character of
// either encoding holds two ASCII bytes in a row, and the converter, even after skipping a
// byte it could not convert, takes the second of them as a character of its own. So it sees
// what it would see in the whole text and replaces exactly the same bytes.
std::string convertMixed(std::string_view in, Converter& converter, std::string_view replacement) {
    std::string out;
    out.reserve(in.size() + in.size() / 2);
    std::size_t i = 0;
    while (i < in.size()) {
        const std::size_t ascii = i;
        while (i < in.size() && asciiAt(in, i))
            ++i;
        out.append(in.substr(ascii, i - ascii));
        if (i == in.size()) break;
        const std::size_t other = i++;
        while (i < in.size() && !(asciiAt(in, i) && asciiAt(in, i - 1)))
            ++i;
        out.append(converter.run(in.substr(other, i - other), replacement));
    }
    return out;
}

} // namespace

std::string toUtf8(std::string_view codepage) {
    if (isAscii(codepage)) return std::string(codepage);
    thread_local Converter converter("UTF-8", "GB18030");
    if (!converter.valid()) return std::string(codepage);
    return convertMixed(codepage, converter, kReplacementUtf8);
}

std::string fromUtf8(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    thread_local Converter converter("GB18030", "UTF-8");
    if (!converter.valid()) return std::string(utf8);
    return convertMixed(utf8, converter, "?");
}

const std::string& cp(const char* utf8Literal) {
    static std::mutex mutex;
    static std::map<const char*, std::string> converted;
    std::lock_guard lock(mutex);
    auto it = converted.find(utf8Literal);
    if (it == converted.end()) it = converted.emplace(utf8Literal, fromUtf8(utf8Literal)).first;
    return it->second;
}

} // namespace olvide
