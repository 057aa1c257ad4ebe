// What executing one step does to the values of the program objects.
#include "olvide/engine/interpreter.h"

#include "olvide/engine/flow_rules.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/platform.h"

namespace olvide {

namespace {

const std::string kNoText;

const std::string& valueOf(const TprogramVaribler* object) {
    return object ? object->GetValue() : kNoText;
}

void setValue(TprogramVaribler* object, std::string_view value) {
    if (object) object->SetValue(value);
}

TprogramOutput* asOutput(TprogramVaribler* object) {
    return dynamic_cast<TprogramOutput*>(object);
}

// The clip of a string object (its start and length parts); an object without a clip has
// an empty one.
struct Clip {
    std::string start = "1";
    std::string length = "0";
};

Clip clipOf(const TprogramVaribler* object) {
    Clip clip;
    if (!object) return clip;
    if (const TprogramVaribler* locate = object->clipLocate()) clip.start = locate->GetValue();
    if (const TprogramVaribler* measure = object->clipMeasure()) clip.length = measure->GetValue();
    return clip;
}

// The operator character of an arithmetic operation, in the order x op A / A op x / x op y /
// y op x of the op table.
char arithmeticSign(Op op) {
    switch (op) {
    case Op::XPlusA:
    case Op::APlusX:
    case Op::XPlusY:
    case Op::YPlusX:
        return '+';
    case Op::XMinusA:
    case Op::AMinusX:
    case Op::XMinusY:
    case Op::YMinusX:
        return '-';
    case Op::XTimesA:
    case Op::ATimesX:
    case Op::XTimesY:
    case Op::YTimesX:
        return '*';
    case Op::XDivA:
    case Op::ADivX:
    case Op::XDivY:
    case Op::YDivX:
        return '/';
    case Op::XQuotA:
    case Op::AQuotX:
    case Op::XQuotY:
    case Op::YQuotX:
        return '|';
    case Op::XModA:
    case Op::AModX:
    case Op::XModY:
    case Op::YModX:
        return '%';
    default:
        return 0;
    }
}

bool comparisonOf(Op op, Comparison& out) {
    switch (op) {
    case Op::XGtA:
    case Op::XGtY:
    case Op::SGtA:
    case Op::SGtX:
        out = Comparison::Greater;
        return true;
    case Op::XLtA:
    case Op::XLtY:
    case Op::SLtA:
    case Op::SLtX:
        out = Comparison::Less;
        return true;
    case Op::XGeA:
    case Op::XGeY:
    case Op::SGeA:
    case Op::SGeX:
        out = Comparison::GreaterEqual;
        return true;
    case Op::XLeA:
    case Op::XLeY:
    case Op::SLeA:
    case Op::SLeX:
        out = Comparison::LessEqual;
        return true;
    case Op::XEqA:
    case Op::XEqY:
    case Op::SEqA:
    case Op::SEqX:
        out = Comparison::Equal;
        return true;
    case Op::XNeA:
    case Op::XNeY:
    case Op::SNeA:
    case Op::SNeX:
        out = Comparison::NotEqual;
        return true;
    default:
        return false;
    }
}

bool isTextComparison(Op op) {
    switch (op) {
    case Op::SGtA:
    case Op::SEqA:
    case Op::SLtA:
    case Op::SGeA:
    case Op::SNeA:
    case Op::SLeA:
    case Op::SGtX:
    case Op::SEqX:
    case Op::SLtX:
    case Op::SGeX:
    case Op::SNeX:
    case Op::SLeX:
        return true;
    default:
        return false;
    }
}

// The right operand comes first for the codes A op x and y op x.
bool operandsSwapped(Op op) {
    switch (op) {
    case Op::APlusX:
    case Op::AMinusX:
    case Op::ATimesX:
    case Op::ADivX:
    case Op::AQuotX:
    case Op::AModX:
    case Op::YPlusX:
    case Op::YMinusX:
    case Op::YTimesX:
    case Op::YDivX:
    case Op::YQuotX:
    case Op::YModX:
        return true;
    default:
        return false;
    }
}

bool numberFunctionOf(Op op, NumberFunction& out) {
    switch (op) {
    case Op::Int:
        out = NumberFunction::Int;
        return true;
    case Op::Abs:
        out = NumberFunction::Abs;
        return true;
    case Op::Sqrt:
        out = NumberFunction::Sqrt;
        return true;
    case Op::Log:
        out = NumberFunction::Log;
        return true;
    case Op::Exp:
        out = NumberFunction::Exp;
        return true;
    case Op::Sin:
        out = NumberFunction::Sin;
        return true;
    case Op::Cos:
        out = NumberFunction::Cos;
        return true;
    case Op::Tg:
        out = NumberFunction::Tg;
        return true;
    case Op::Arctg:
        out = NumberFunction::Arctg;
        return true;
    default:
        return false;
    }
}

} // namespace

void Interpreter::report(Fault fault, std::string_view operand) {
    platform_.warning(faultMessage(fault, operand));
}

// Writes the result of an operation that may fail: the stated result after a numeric
// message, nothing after an error, and the run stops after an error that stops it.
StepEffect Interpreter::writeFaulted(Faulted result, TprogramVaribler* z) {
    if (result.fault != Fault::None) report(result.fault, result.operand);
    if (writesResult(result.fault)) setValue(z, scratch_);
    return stopsRun(result.fault) ? StepEffect::Halt : StepEffect::Done;
}

StepEffect Interpreter::Execute(const Tstep& step) {
    ++executed_;
    switch (step.StepKind) {
    case stepkind::WithConstant:
        return executeWithConstant(step);
    case stepkind::SetFromConstant:
        return executeSet(step);
    case stepkind::Unary:
        return executeUnary(step);
    case stepkind::Binary:
        return executeBinary(step);
    case stepkind::Copy:
        return executeCopy(step);
    case stepkind::Call:
        return executeCall(step);
    case stepkind::Flow:
        return executeFlow(step);
    default: // head and comment steps do nothing
        return StepEffect::Done;
    }
}

StepEffect Interpreter::executeWithConstant(const Tstep& step) {
    const std::string& x = valueOf(step.ObjectX);
    const std::string& a = step.constantText();
    TprogramVaribler* z = step.ObjectZ;
    if (const char sign = arithmeticSign(step.op)) {
        const bool swapped = operandsSwapped(step.op);
        return writeFaulted(arithmetic(sign, swapped ? a : x, swapped ? x : a, scratch_), z);
    }
    if (Comparison c; comparisonOf(step.op, c)) {
        const bool r = isTextComparison(step.op) ? compareTexts(c, x, a) : compareNumbers(c, x, a);
        setValue(z, booleanText(r));
        return StepEffect::Done;
    }
    switch (step.op) {
    case Op::SPlusA:
        return writeFaulted({joinTexts(x, a, scratch_), {}}, z);
    case Op::APlusS:
        return writeFaulted({joinTexts(a, x, scratch_), {}}, z);
    case Op::SReplaceA: {
        const Clip clip = clipOf(step.ObjectX);
        return writeFaulted(replaceClip(x, clip.start, clip.length, a, scratch_), z);
    }
    case Op::SRepeatA:
        return writeFaulted(replicate(x, a, scratch_), z);
    default:
        return StepEffect::Done;
    }
}

StepEffect Interpreter::executeSet(const Tstep& step) {
    if (step.op == Op::OAddA) {
        if (TprogramOutput* output = asOutput(step.ObjectX))
            output->lines().push_back(step.constantText());
        return StepEffect::Done;
    }
    setValue(step.ObjectX, step.constantText());
    return StepEffect::Done;
}

StepEffect Interpreter::executeUnary(const Tstep& step) {
    const std::string& x = valueOf(step.ObjectX);
    TprogramVaribler* z = step.ObjectZ;
    if (NumberFunction f; numberFunctionOf(step.op, f)) {
        const Fault fault = numberFunction(f, x, scratch_);
        return writeFaulted({fault, {}}, z);
    }
    switch (step.op) {
    case Op::Str:
    case Op::ToNumber: // the text changes its role, not its value
        scratch_ = x;
        setValue(z, scratch_);
        return StepEffect::Done;
    case Op::Not:
        setValue(z, booleanNot(x));
        return StepEffect::Done;
    case Op::Substring:
    case Op::ClipToNumber: {
        const Clip clip = clipOf(step.ObjectX);
        return writeFaulted(substring(x, clip.start, clip.length, scratch_), z);
    }
    case Op::Length:
        textLength(x, scratch_);
        setValue(z, scratch_);
        return StepEffect::Done;
    case Op::ClipLength: {
        const Clip clip = clipOf(step.ObjectX);
        std::string part;
        const Faulted f = substring(x, clip.start, clip.length, part);
        if (f.fault == Fault::None) textLength(part, scratch_);
        return writeFaulted(f, z);
    }
    case Op::Clear:
        if (TprogramOutput* output = asOutput(step.ObjectX)) output->lines().clear();
        return StepEffect::Done;
    default:
        return StepEffect::Done;
    }
}

StepEffect Interpreter::executeBinary(const Tstep& step) {
    const std::string& x = valueOf(step.ObjectX);
    const std::string& y = valueOf(step.ObjectY);
    TprogramVaribler* z = step.ObjectZ;
    if (const char sign = arithmeticSign(step.op)) {
        const bool swapped = operandsSwapped(step.op);
        return writeFaulted(arithmetic(sign, swapped ? y : x, swapped ? x : y, scratch_), z);
    }
    if (Comparison c; comparisonOf(step.op, c)) {
        const bool r = isTextComparison(step.op) ? compareTexts(c, x, y) : compareNumbers(c, x, y);
        setValue(z, booleanText(r));
        return StepEffect::Done;
    }
    switch (step.op) {
    case Op::And:
        setValue(z, booleanAnd(x, y));
        return StepEffect::Done;
    case Op::Or:
        setValue(z, booleanOr(x, y));
        return StepEffect::Done;
    case Op::SPlusX:
        return writeFaulted({joinTexts(x, y, scratch_), {}}, z);
    case Op::SReplaceX: {
        const Clip clip = clipOf(step.ObjectX);
        return writeFaulted(replaceClip(x, clip.start, clip.length, y, scratch_), z);
    }
    case Op::SRepeatX:
        return writeFaulted(replicate(x, y, scratch_), z);
    case Op::OAddS:
        if (TprogramOutput* output = asOutput(step.ObjectX)) output->lines().push_back(y);
        return StepEffect::Done;
    default:
        return StepEffect::Done;
    }
}

StepEffect Interpreter::executeCopy(const Tstep& step) {
    switch (step.op) {
    case Op::OCopy: {
        TprogramOutput* from = asOutput(step.ObjectX);
        TprogramOutput* to = asOutput(step.ObjectY);
        if (from && to && from != to) to->lines() = from->lines();
        return StepEffect::Done;
    }
    case Op::SClipCopy: {
        const Clip clip = clipOf(step.ObjectX);
        return writeFaulted(substring(valueOf(step.ObjectX), clip.start, clip.length, scratch_),
                            step.ObjectY);
    }
    default:
        scratch_ = valueOf(step.ObjectX);
        setValue(step.ObjectY, scratch_);
        return StepEffect::Done;
    }
}

StepEffect Interpreter::executeCall(const Tstep& step) {
    TMaincommander* called = step.calledCommander();
    if (!step.calledProgram() || !called) {
        platform_.warning(cp("函数调用出错!"));
        return StepEffect::Done;
    }
    EnterCall(*called, step);
    return StepEffect::CallEntered;
}

namespace {

bool hasBody(const TCommander* commander) {
    return commander != nullptr && commander->stepCount() > 1;
}

// The loop test of an iteration: go on while the value has not passed the end, in the
// direction of the step.
} // namespace

bool iterationGoesOn(const TprogramIteration& iteration) {
    const double s = lenientNumber(valueOf(iteration.StepPart));
    const double c = lenientNumber(iteration.GetValue());
    const double to = lenientNumber(valueOf(iteration.ToPart));
    return (s > 0 && c <= to) || (s <= 0 && c >= to);
}

StepEffect Interpreter::executeFlow(const Tstep& step) {
    switch (step.op) {
    case Op::DoCondition: {
        auto* condition = dynamic_cast<Tprogramcondition*>(step.ObjectX);
        if (!condition) return StepEffect::Done;
        TCommander* branch = condition->GetValue() == kTrue
                                 ? static_cast<TCommander*>(condition->TrueCommander)
                                 : static_cast<TCommander*>(condition->FalseCommander);
        if (!hasBody(branch)) return StepEffect::Done;
        Enter(*branch);
        return StepEffect::Entered;
    }
    case Op::DoIteration: {
        auto* iteration = dynamic_cast<TprogramIteration*>(step.ObjectX);
        TCommander* body = iteration ? iteration->ForCommander : nullptr;
        if (!hasBody(body)) return StepEffect::Done;
        scratch_ = valueOf(iteration->FromPart);
        iteration->SetValue(scratch_);
        if (!iterationGoesOn(*iteration)) return StepEffect::Done;
        Enter(*body);
        return StepEffect::Entered;
    }
    case Op::Exit:
        if (!ActiveCommander || !ActiveCommander->Outer) return StepEffect::ExitNowhere;
        return exitCommanders(*ActiveCommander, step.ObjectX) ? StepEffect::Exited
                                                              : StepEffect::ExitNowhere;
    case Op::Return:
        return StepEffect::Return;
    default:
        return StepEffect::Done;
    }
}

} // namespace olvide
