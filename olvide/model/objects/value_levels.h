#pragma once
// The value levels of one program during a run: one level per call that entered one of its
// main commanders (an internal call shares its caller's). A level records only which value
// store it started from and which objects wrote a value at it; an object that was never
// written at a level reads that store's value. So a call costs what it touches, however many
// objects the program has, and leaving it drops exactly the values written in it.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace olvide {

class TValueVaribler;

class ValueLevels {
public:
    // Levels in use; 0 outside a run.
    int depth() const { return static_cast<int>(levels_.size()); }
    // The store whose values a level (1 = the oldest) starts from.
    int storeOf(int level) const { return levels_[static_cast<std::size_t>(level - 1)].store; }
    // Counts every start of a run of this program (depth going from 0 to 1), so that what an
    // object prepares once per run can tell a new run from the one it prepared for.
    std::uint64_t runSerial() const { return runSerial_; }
    // Changes whenever a level of any program comes or goes, a value is written at a level for
    // the first time, or a value store changes: what an object found for its newest level
    // stays right as long as this stays the same. One count for the process, so that reading
    // it costs a load (the model is used from one thread).
    static std::uint64_t epoch() { return epoch_; }
    static void changed() { ++epoch_; }

    void push(int store);
    // Drops the newest level: every object that wrote at it forgets that value.
    void pop();
    // Drops every level (the objects clear their own values).
    void clear() {
        levels_.clear();
        changed();
    }
    // The object wrote its first value at the level.
    void written(int level, const TValueVaribler& object);
    // The object goes away: no level may call it back.
    void forget(const TValueVaribler& object);
    // Values written at all levels together: what the levels cost beyond their own records.
    std::size_t writtenCount() const;

private:
    struct Level {
        int store = 0;
        std::vector<const TValueVaribler*> writers;
    };
    std::vector<Level> levels_;
    std::uint64_t runSerial_ = 0;
    static inline std::uint64_t epoch_ = 1;
};

} // namespace olvide
