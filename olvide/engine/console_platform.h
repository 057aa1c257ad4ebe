#pragma once
// The platform of the command-line runner: no windows. Every message that would appear in a
// box becomes one UTF-8 line on the error stream, and the program goes on as after OK;
// questions get their cancelling answer, since nobody is there to answer them.
#include "olvide/model/platform.h"

#include <ostream>

namespace olvide {

// Everything without a message (pictures, timers, sizes) is as on the null platform.
class ConsolePlatform : public NullPlatform {
public:
    explicit ConsolePlatform(std::ostream& messages) : messages_(messages) {}

    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    YesNoCancel askYesNoCancel(std::string_view text) override;

    int messageCount() const { return messageCount_; }

private:
    void line(std::string_view codepageText);

    std::ostream& messages_;
    int messageCount_ = 0;
};

} // namespace olvide
