#include "console_platform.h"

#include "olvide/model/codepage.h"

namespace olvide {

void ConsolePlatform::line(std::string_view codepageText) {
    // A message of several lines (CR LF inside) stays one line on the console.
    std::string text = toUtf8(codepageText);
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    messages_ << text << '\n';
    messages_.flush();
    ++messageCount_;
}

void ConsolePlatform::warning(std::string_view text) {
    line(text);
}

bool ConsolePlatform::confirm(std::string_view text) {
    line(text);
    return false;
}

bool ConsolePlatform::askYesNo(std::string_view text) {
    line(text);
    return false;
}

YesNoCancel ConsolePlatform::askYesNoCancel(std::string_view text) {
    line(text);
    return YesNoCancel::Cancel;
}

} // namespace olvide
