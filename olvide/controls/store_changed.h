#pragma once
// Property setters store a value and react only when it changed.
#include <utility>

namespace olvide::controls {

// Stores value in member; true when that changed the member.
template <class T, class U> bool storeChanged(T& member, U&& value) {
    if (member == value) return false;
    member = std::forward<U>(value);
    return true;
}

} // namespace olvide::controls
