#include "pendrel/framework/gstring.h"

#include "pendrel/framework/gstream.h"

#include <algorithm>
#include <cctype>

void GString::ToLower() {
    for (char& c : text_)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void GString::ToUpper() {
    for (char& c : text_)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int GString::PercentDigits() const {
    if (text_.empty()) return 0;
    const auto digits = std::count_if(text_.begin(), text_.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    return static_cast<int>(digits * 100 / static_cast<long>(text_.size()));
}

long GString::FindChar(int c) const {
    const auto at = text_.find(static_cast<char>(c));
    return at == std::string::npos ? -1 : static_cast<long>(at);
}

int GString::Convert(std::string_view from, std::string_view to) {
    if (from.empty()) return 0;
    std::string out;
    int count = 0;
    std::size_t at = 0;
    while (true) {
        const auto found = text_.find(from, at);
        if (found == std::string::npos) break;
        out.append(text_, at, found - at);
        out += to;
        at = found + from.size();
        ++count;
    }
    out.append(text_, at);
    text_ = std::move(out);
    return count;
}

void GString::ChangeAt(long pos, std::string_view text) {
    if (pos < 0 || pos >= Length()) return;
    const auto n = std::min(text.size(), text_.size() - static_cast<std::size_t>(pos));
    text_.replace(static_cast<std::size_t>(pos), n, text.substr(0, n));
}

void GString::Send(GStream& stream) const {
    G0::Send(stream);
    stream.SendString(text_);
}

bool GString::Receive(GStream& stream) {
    if (!G0::Receive(stream)) return false;
    text_ = stream.ReceiveString();
    return stream.IsOK();
}
