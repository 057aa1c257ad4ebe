#pragma once
// A breakpoint flag of a step or an element. The flags set anywhere in the process are
// counted, so that a run while none is set skips asking every next step whether it has one;
// setting one mid-run is seen before the next step, since the count changes with the flag.
#include <atomic>
#include <cstdint>

namespace olvide {

class BreakFlag {
public:
    BreakFlag() = default;
    BreakFlag(bool on) { set(on); } // NOLINT: used as a plain bool field
    BreakFlag(const BreakFlag& other) : BreakFlag(static_cast<bool>(other)) {}
    BreakFlag& operator=(const BreakFlag& other) {
        set(other.on_);
        return *this;
    }
    BreakFlag& operator=(bool on) {
        set(on);
        return *this;
    }
    ~BreakFlag() { set(false); }

    operator bool() const { return on_; } // NOLINT: read as a plain bool field

    // Whether any flag is set; false means no step can stop at a breakpoint.
    static bool anySet() { return setCount_.load(std::memory_order_relaxed) > 0; }
    static std::int64_t setCount() { return setCount_.load(std::memory_order_relaxed); }

private:
    void set(bool on) {
        if (on == on_) return;
        on_ = on;
        setCount_.fetch_add(on ? 1 : -1, std::memory_order_relaxed);
    }

    bool on_ = false;
    static inline std::atomic<std::int64_t> setCount_{0};
};

} // namespace olvide
