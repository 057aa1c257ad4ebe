#include "olvide/model/objects/timer.h"

#include "olvide/model/platform.h"

namespace olvide {

Timer::Timer(Platform& platform, int intervalMs, std::function<void()> onTick)
    : platform_(platform), intervalMs_(intervalMs), onTick_(std::move(onTick)) {}

Timer::~Timer() {
    platform_.timerDestroyed(*this);
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    platform_.timerChanged(*this);
}

void Timer::tick() {
    if (enabled_ && onTick_) onTick_();
}

} // namespace olvide
