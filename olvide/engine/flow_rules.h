#pragma once
// The loop test shared by "DOI" and the end of a for commander.
namespace olvide {

class TprogramIteration;

// With s the step value (read by the caller, which may have read it already) and c the
// iteration's value: goes on when s > 0 and c <= to, or when s <= 0 and c >= to.
bool iterationGoesOn(const TprogramIteration& iteration, double step);

} // namespace olvide
