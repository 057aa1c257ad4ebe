#pragma once
// The parameter window's pictures as a function of a call step: one argument picture per
// argument of the called main commander, in its order, after the step's parameters have been
// brought into line with those arguments.
#include "olvide/model/commanders/argument.h"

#include <memory>
#include <vector>

namespace olvide {
class Tstep;
}

namespace olvide::views {

inline constexpr int kArgumentLeft = 25;
inline constexpr int kArgumentPitch = 48;
inline constexpr int kArgumentTop = 12;
inline constexpr int kArgumentSize = 32;

// Aligns the call step's parameters with the called commander's argument list (parameter i
// binds argument i) and makes the picture of every argument, of its kind, labelled with its
// alias, at left 25 + 48 i, top 12. None when the step calls no open commander.
std::vector<std::unique_ptr<TArgumentVaribler>> argumentPictures(Tstep& callStep);

} // namespace olvide::views
