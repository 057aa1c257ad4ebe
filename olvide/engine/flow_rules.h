#pragma once
// The loop test shared by "DOI" and the end of a for commander. Inline: the end of a loop's body
// asks it at every turn.
#include "common/hot_path.h"
#include "olvide/model/elements/number.h"

namespace olvide {

// With s the step value (read by the caller, which may have read it already) and c the
// iteration's value: goes on when s > 0 and c <= to, or when s <= 0 and c >= to.
OLVAN_HOT_INLINE bool iterationGoesOn(const TprogramIteration& iteration, double s) {
    const double c = iteration.number();
    const double to = numberOf(iteration.ToPart);
    return (s > 0 && c <= to) || (s <= 0 && c >= to);
}

} // namespace olvide
