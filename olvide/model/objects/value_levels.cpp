#include "olvide/model/objects/value_levels.h"

#include "olvide/model/elements/program_varibler.h"

#include <algorithm>

namespace olvide {

void ValueLevels::push(int store) {
    if (levels_.empty()) ++runSerial_;
    levels_.push_back(Level{store, {}});
    changed();
}

void ValueLevels::pop() {
    if (levels_.empty()) return;
    const int level = depth();
    // Taken out first: an object dropping its value never reaches back into this list.
    std::vector<const TValueVaribler*> writers = std::move(levels_.back().writers);
    levels_.pop_back();
    for (const TValueVaribler* object : writers)
        object->dropLevel(level);
    changed();
}

void ValueLevels::written(int level, const TValueVaribler& object) {
    levels_[static_cast<std::size_t>(level - 1)].writers.push_back(&object);
    changed();
}

void ValueLevels::forget(const TValueVaribler& object) {
    for (Level& level : levels_)
        std::erase(level.writers, &object);
}

std::size_t ValueLevels::writtenCount() const {
    std::size_t n = 0;
    for (const Level& level : levels_)
        n += level.writers.size();
    return n;
}

} // namespace olvide
