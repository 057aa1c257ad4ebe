#pragma once
// A timer of the model (the blink of an operating object, the hint of a commander). The
// platform drives it: it is told when the timer starts or stops and calls tick() every interval
// while the timer is enabled.
#include <functional>

namespace olvide {

class Platform;

class Timer {
public:
    Timer(Platform& platform, int intervalMs, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    int interval() const { return intervalMs_; }
    // One interval has passed; does nothing while the timer is stopped.
    void tick();

private:
    Platform& platform_;
    int intervalMs_;
    bool enabled_ = false;
    std::function<void()> onTick_;
};

} // namespace olvide
