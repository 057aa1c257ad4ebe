#pragma once
// The splash counts its time as a fraction of a day, like the time of day, and a span that
// passes midnight still counts forward.

namespace olvsplash {

class SplashClock {
public:
    virtual ~SplashClock() = default;
    // The time of day as a fraction of a day, in [0, 1).
    virtual double timeOfDay() const = 0;
};

// A clock that never jumps: monotonic time folded into days. It passes "midnight" too, so
// the same elapsed rule serves it, and a change of the wall clock cannot stop the splash.
class SteadyDayClock final : public SplashClock {
public:
    double timeOfDay() const override;
};

// Days from `start` to `now`, both times of day; when `now` is earlier the day has turned.
double elapsedDays(double start, double now);

} // namespace olvsplash
