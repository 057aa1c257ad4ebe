#pragma once
// The platform of the command-line runner: no windows. Every message that would appear in a
// box becomes one UTF-8 line on the error stream, and the program goes on as after OK;
// questions get their cancelling answer, since nobody is there to answer them.
#include "olvide/model/platform.h"

#include <ostream>

namespace olvide {

class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& messages) : messages_(messages) {}

    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    YesNoCancel askYesNoCancel(std::string_view text) override;
    std::optional<std::string> askNumber(const ConstantRequest&) override { return {}; }
    std::optional<std::string> askString(const ConstantRequest&) override { return {}; }
    std::optional<int> askIndex(std::string_view, int, int) override { return {}; }
    void beep() override {}
    void setStatusHint(std::string_view) override {}
    void timerChanged(Timer&) override {}
    void timerDestroyed(Timer&) override {}
    void pictureChanged(const TVisualor&) override {}
    void labelChanged(const TVisualor&) override {}
    void objectDestroyed(const TVisualor&) override {}
    Size iconSize(std::string_view) override { return {32, 32}; }
    int textWidth(std::string_view text, int) override { return 6 * static_cast<int>(text.size()); }
    int screenWidth() override { return 1024; }

    int messageCount() const { return messageCount_; }

private:
    void line(std::string_view codepageText);

    std::ostream& messages_;
    int messageCount_ = 0;
};

} // namespace olvide
