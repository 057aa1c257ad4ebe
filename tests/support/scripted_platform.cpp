#include "tests/support/scripted_platform.h"

#include "olvide/model/objects/timer.h"

namespace olvide::testing {

void ScriptedPlatform::record(std::string kind, std::string text) {
    Request request;
    request.kind = std::move(kind);
    request.text = std::move(text);
    requests.push_back(std::move(request));
}

void ScriptedPlatform::ok() {
    replies_.push_back({Choice::Ok, {}});
}
void ScriptedPlatform::no() {
    replies_.push_back({Choice::No, {}});
}
void ScriptedPlatform::cancel() {
    replies_.push_back({Choice::Cancel, {}});
}
void ScriptedPlatform::enter(std::string text) {
    replies_.push_back({Choice::Text, std::move(text)});
}
void ScriptedPlatform::enterIndex(int index) {
    replies_.push_back({Choice::Index, {}, index});
}

ScriptedPlatform::Reply ScriptedPlatform::next() {
    if (replies_.empty()) {
        ++unanswered;
        return {Choice::Cancel, {}};
    }
    Reply reply = std::move(replies_.front());
    replies_.pop_front();
    return reply;
}

std::size_t ScriptedPlatform::count(std::string_view kind) const {
    std::size_t n = 0;
    for (const Request& r : requests)
        if (r.kind == kind) ++n;
    return n;
}

const ScriptedPlatform::Request* ScriptedPlatform::last(std::string_view kind) const {
    for (auto it = requests.rbegin(); it != requests.rend(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}

void ScriptedPlatform::tickTimers() {
    const std::set<Timer*> timers = runningTimers;
    for (Timer* timer : timers)
        if (runningTimers.contains(timer)) timer->tick();
}

void ScriptedPlatform::warning(std::string_view text) {
    record("warning", std::string(text));
}

bool ScriptedPlatform::confirm(std::string_view text) {
    record("confirm", std::string(text));
    return next().choice == Choice::Ok;
}

bool ScriptedPlatform::askYesNo(std::string_view text) {
    record("yesNo", std::string(text));
    return next().choice == Choice::Ok;
}

YesNoCancel ScriptedPlatform::askYesNoCancel(std::string_view text) {
    record("yesNoCancel", std::string(text));
    switch (next().choice) {
    case Choice::Ok:
        return YesNoCancel::Yes;
    case Choice::No:
        return YesNoCancel::No;
    default:
        return YesNoCancel::Cancel;
    }
}

std::optional<std::string> ScriptedPlatform::askNumber(const ConstantRequest& request) {
    record("askNumber", request.caption);
    requests.back().constant = request;
    Reply reply = next();
    if (reply.choice != Choice::Text) return std::nullopt;
    return reply.text;
}

std::optional<std::string> ScriptedPlatform::askString(const ConstantRequest& request) {
    record("askString", request.caption);
    requests.back().constant = request;
    Reply reply = next();
    if (reply.choice != Choice::Text) return std::nullopt;
    return reply.text;
}

std::optional<int> ScriptedPlatform::askIndex(std::string_view caption, int low, int high) {
    record("askIndex", std::string(caption));
    requests.back().low = low;
    requests.back().high = high;
    Reply reply = next();
    if (reply.choice != Choice::Index) return std::nullopt;
    return reply.index;
}

void ScriptedPlatform::beep() {
    ++beeps;
    record("beep", {});
}

void ScriptedPlatform::setStatusHint(std::string_view text) {
    statusHint = std::string(text);
    record("status", statusHint);
}

void ScriptedPlatform::timerChanged(Timer& timer) {
    if (timer.enabled())
        runningTimers.insert(&timer);
    else
        runningTimers.erase(&timer);
}

void ScriptedPlatform::timerDestroyed(Timer& timer) {
    runningTimers.erase(&timer);
}

} // namespace olvide::testing
