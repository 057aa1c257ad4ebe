#pragma once
// The steps that only read and write numbers, and those that do nothing: the run loop executes
// them inline, without going through the general step dispatch. Their operands are read in
// the order the step's plan gives (x before y), as numbers, without making any text.
#include "common/hot_path.h"
#include "olvide/engine/interpreter.h"
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/steps/step.h"

namespace olvide {

// The object a role names; none for the constant.
OLVAN_HOT_INLINE TprogramVaribler* operandObject(const Tstep& step, Role role) {
    switch (role) {
    case Role::X:
        return step.ObjectX;
    case Role::Y:
        return step.ObjectY;
    case Role::Z:
        return step.ObjectZ;
    default:
        return nullptr;
    }
}

// An operand read as a number (the lenient reading), without making the text of a number; 0
// for a missing constant, as for its empty text.
OLVAN_HOT_INLINE double operandNumber(const Tstep& step, Role role) {
    if (role == Role::A) return step.Constant ? step.Constant->number() : 0.0;
    return numberOf(operandObject(step, role));
}

OLVAN_HOT_INLINE StepEffect Interpreter::executePlain(const Tstep& step) {
    ++executed_;
    const NumericPlan& plan = step.plan();
    if (plan.kind == NumericPlan::Nothing) return StepEffect::Done;
    const double first = operandNumber(step, plan.first);
    const double second = operandNumber(step, plan.second);
    const double left = plan.swapped ? second : first;
    const double right = plan.swapped ? first : second;
    TprogramVaribler* result = operandObject(step, plan.result);
    if (plan.kind == NumericPlan::Compare) {
        if (result) result->SetValue(booleanText(compareNumbers(plan.comparison, left, right)));
        return StepEffect::Done;
    }
    double r = 0;
    const Fault fault = realArithmetic(plan.sign, left, right, r);
    if (fault == Fault::None) { // the common case, kept short for the running loop
        writeNumber(result, r);
        return StepEffect::Done;
    }
    return writeReal(fault, r, result);
}

} // namespace olvide
