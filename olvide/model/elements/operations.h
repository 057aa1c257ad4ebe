#pragma once
// The operation protocol shared by the element kinds: an element x starts a code (asking for
// a constant when the code has one, or waiting for a second element), a clicked element y
// accepts it or not, and finishes the step with x as first operand.
#include <cstdint>
#include <string_view>

namespace olvide {

class TprogramVaribler;
class TVaribler;

namespace protocol {

// The code needs a second element (it is finished by the clicked element's FinishCode).
bool needsOperand(std::string_view code);
// Starts a code of the number, boolean or string family on x (x's operandKind decides the
// family); codes of other families end the operation without a step.
void startValueCode(TprogramVaribler& x, std::string_view code);
// Adds a flow step ("DOC", "DOI", "EXF") for x and ends the operation.
void addFlowStep(TprogramVaribler& x, std::string_view code);
// Whether an element of kind yKind (not derived: yDerived false) accepts the code pending on
// an element of kind xKind.
bool accepts(std::uint8_t yKind, bool yDerived, std::uint8_t xKind, std::string_view code);
// Builds the step of the pending element x with y as second operand.
void finishValueCode(TprogramVaribler& y, std::string_view code);
// Ends the pending operation and selects the result (or x when there is none).
void finish(TprogramVaribler& x, TVaribler* result);

} // namespace protocol
} // namespace olvide
