#pragma once
// A platform for the model's tests: it records every request and answers questions and
// entry windows from a queue filled beforehand. With the queue empty a question is answered
// with its cancelling choice and counted as unanswered.
#include "olvide/model/platform.h"

#include <cstddef>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace olvide::testing {

class ScriptedPlatform : public Platform {
public:
    // What was asked, in order: kind is "warning", "confirm", "yesNo", "yesNoCancel",
    // "askNumber", "askString", "askIndex", "beep" or "status"; text is the message, the
    // caption of an entry window, or the status text.
    struct Request {
        std::string kind;
        std::string text;
        ConstantRequest constant; // askNumber / askString
        int low = 0;              // askIndex
        int high = 0;
    };

    // Answers, taken in order by the next question or entry window of any kind.
    void ok();                    // confirm: OK; yesNo and yesNoCancel: Yes
    void no();                    // yesNo and yesNoCancel: No
    void cancel();                // every kind: its cancelling choice
    void enter(std::string text); // askNumber / askString: OK with this text
    void enterIndex(int index);   // askIndex: OK with this value

    std::vector<Request> requests;
    int unanswered = 0;
    int beeps = 0;
    std::string statusHint;
    std::vector<const TCommander*> stepsChangedFor;
    std::vector<const TCommander*> activated;
    std::set<const TVisualor*> destroyed;

    std::size_t count(std::string_view kind) const;
    // The last request of a kind; none when there was none.
    const Request* last(std::string_view kind) const;
    void clear() { requests.clear(); }

    // Timers: the enabled ones, and one tick for each.
    std::set<Timer*> runningTimers;
    void tickTimers();

    void warning(std::string_view text) override;
    bool confirm(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    YesNoCancel askYesNoCancel(std::string_view text) override;
    std::optional<std::string> askNumber(const ConstantRequest& request) override;
    std::optional<std::string> askString(const ConstantRequest& request) override;
    std::optional<int> askIndex(std::string_view caption, int low, int high) override;
    void beep() override;
    void setStatusHint(std::string_view text) override;
    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override;
    void pictureChanged(const TVisualor&) override {}
    void labelChanged(const TVisualor&) override {}
    void objectDestroyed(const TVisualor& object) override { destroyed.insert(&object); }
    Size iconSize(std::string_view) override { return {32, 32}; }
    int textWidth(std::string_view text, int) override { return 6 * static_cast<int>(text.size()); }
    int screenWidth() override { return 1024; }
    void stepsChanged(const TCommander& commander) override {
        stepsChangedFor.push_back(&commander);
    }
    void commanderActivated(const TCommander& commander) override {
        activated.push_back(&commander);
    }

private:
    enum class Choice { Ok, No, Cancel, Text, Index };
    struct Reply {
        Choice choice;
        std::string text;
        int index = 0;
    };
    // The next reply; a cancel (counted as unanswered) when the queue is empty.
    Reply next();
    void record(std::string kind, std::string text);
    std::deque<Reply> replies_;
};

} // namespace olvide::testing
