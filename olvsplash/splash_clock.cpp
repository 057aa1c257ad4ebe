#include "splash_clock.h"

#include <chrono>
#include <cmath>

namespace olvsplash {

double SteadyDayClock::timeOfDay() const {
    using Days = std::chrono::duration<double, std::ratio<86400>>;
    const double days = Days(std::chrono::steady_clock::now().time_since_epoch()).count();
    return days - std::floor(days);
}

double elapsedDays(double start, double now) {
    return now >= start ? now - start : now + 1.0 - start;
}

} // namespace olvsplash
