#pragma once
// Where a running program's ticks come from: the system's tick count in the windows, a clock
// that only moves when told in tests and headless runs. Ticks are tenths of seconds.
namespace vpl {

class TickSource {
public:
    virtual ~TickSource() = default;
    virtual unsigned long Ticks() const = 0;
};

// The engine's system tick count.
class SystemTickSource : public TickSource {
public:
    unsigned long Ticks() const override;
};

// A clock that stands still until advanced.
class SimulatedTickSource : public TickSource {
public:
    explicit SimulatedTickSource(unsigned long start = 0) : now_(start) {}
    unsigned long Ticks() const override { return now_; }
    void Advance(unsigned long ticks) { now_ += ticks; }

private:
    unsigned long now_;
};

} // namespace vpl
