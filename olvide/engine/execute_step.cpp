// What executing one step does to the values of the program objects.
#include "olvide/engine/interpreter.h"

#include "olvide/engine/flow_rules.h"
#include "olvide/engine/plain_steps.h"

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

// The value an operand role reads: an object's current value or the constant's text.
const std::string& operandValue(const Tstep& step, Role role) {
    return role == Role::A ? step.constantText() : valueOf(operandObject(step, role));
}

} // namespace

void Interpreter::report(Fault fault, std::string_view operand) {
    platform_.warning(faultMessage(fault, operand));
}

// Writes the result of an operation that may fail: the stated result after a numeric
// message, nothing after an error, and the run stops after an error that stops it.
StepEffect Interpreter::writeFaulted(Faulted result, TprogramVaribler* z) {
    if (result.fault == Fault::None) { // the common case, kept short for the running loop
        setValue(z, scratch_);
        return StepEffect::Done;
    }
    if (result.fault != Fault::None) report(result.fault, result.operand);
    if (writesResult(result.fault)) setValue(z, scratch_);
    return stopsRun(result.fault) ? StepEffect::Halt : StepEffect::Done;
}

// A number written by arithmetic is kept as a number; a numeric fault writes its stated result
// after its message.
StepEffect Interpreter::writeReal(Fault fault, double r, TprogramVaribler* z) {
    if (fault == Fault::None) {
        writeNumber(z, r);
        return StepEffect::Done;
    }
    report(fault, {});
    setValue(z, faultText(fault));
    return StepEffect::Done;
}

StepEffect Interpreter::Execute(const Tstep& step) {
    // Steps that only read numbers, or do nothing: decoded with the step, read without making
    // texts.
    if (step.plan().kind != NumericPlan::Other) return executePlain(step);
    ++executed_;
    const OpInfo& info = step.info();
    // Operands are read before the result is written, so that a result may be an operand; x
    // is read before y whatever order the code shows them in, because an index that reaches
    // past its array says so when it is read.
    const bool yThenX = info.left == Role::Y && info.right == Role::X;
    const std::string& first = operandValue(step, yThenX ? info.right : info.left);
    const std::string& second = operandValue(step, yThenX ? info.left : info.right);
    const std::string& left = yThenX ? second : first;
    const std::string& right = yThenX ? first : second;
    TprogramVaribler* result = operandObject(step, info.result);
    switch (info.action) {
    case Action::Nothing:
        return StepEffect::Done;
    case Action::Arithmetic:
        return writeFaulted(arithmetic(info.sign.front(), left, right, scratch_), result);
    case Action::CompareNumbers:
        setValue(result, booleanText(compareNumbers(info.comparison, left, right)));
        return StepEffect::Done;
    case Action::CompareTexts:
        setValue(result, booleanText(compareTexts(info.comparison, left, right)));
        return StepEffect::Done;
    case Action::And:
        setValue(result, booleanAnd(left, right));
        return StepEffect::Done;
    case Action::Or:
        setValue(result, booleanOr(left, right));
        return StepEffect::Done;
    case Action::Not:
        setValue(result, booleanNot(left));
        return StepEffect::Done;
    case Action::Join:
        return writeFaulted({joinTexts(left, right, scratch_), {}}, result);
    case Action::ReplaceClip:
    case Action::ClipText:
    case Action::ClipLength:
        return executeClip(info.action, step, left, right, result);
    case Action::Replicate:
        return writeFaulted(replicate(left, right, scratch_), result);
    case Action::NumberFunction:
        return writeFaulted({numberFunction(info.function, left, scratch_), {}}, result);
    case Action::SameText:
    case Action::Assign:
        scratch_ = left;
        setValue(result, scratch_);
        return StepEffect::Done;
    case Action::Length:
        textLength(left, scratch_);
        setValue(result, scratch_);
        return StepEffect::Done;
    case Action::AddLine:
        if (TprogramOutput* output = asOutput(step.ObjectX)) output->lines().push_back(left);
        return StepEffect::Done;
    case Action::ClearLines:
        if (TprogramOutput* output = asOutput(step.ObjectX)) output->lines().clear();
        return StepEffect::Done;
    case Action::CopyLines: {
        TprogramOutput* from = asOutput(step.ObjectX);
        TprogramOutput* to = asOutput(step.ObjectY);
        if (from && to && from != to) to->lines() = from->lines();
        return StepEffect::Done;
    }
    case Action::DoCondition:
        return doCondition(step);
    case Action::DoIteration:
        return doIteration(step);
    case Action::Exit:
        if (!ActiveCommander || !ActiveCommander->Outer) return StepEffect::ExitNowhere;
        return exitCommanders(*ActiveCommander, step.ObjectX) ? StepEffect::Exited
                                                              : StepEffect::ExitNowhere;
    case Action::Return:
        return StepEffect::Return;
    case Action::Call:
        return executeCall(step);
    }
    return StepEffect::Done;
}

// The operations on the clip of x, apart from the others: their clip texts would make every
// step pay for a larger frame.
StepEffect Interpreter::executeClip(Action action, const Tstep& step, const std::string& left,
                                    const std::string& right, TprogramVaribler* result) {
    const Clip clip = clipOf(step.ObjectX);
    switch (action) {
    case Action::ReplaceClip:
        return writeFaulted(replaceClip(left, clip.start, clip.length, right, scratch_), result);
    case Action::ClipLength: {
        std::string part;
        const Faulted f = substring(left, clip.start, clip.length, part);
        if (f.fault == Fault::None) textLength(part, scratch_);
        return writeFaulted(f, result);
    }
    default:
        return writeFaulted(substring(left, clip.start, clip.length, scratch_), result);
    }
}

StepEffect Interpreter::executeCall(const Tstep& step) {
    TMaincommander* called = step.calledCommander();
    if (!step.calledProgram() || !called) {
        platform_.warning(cp("函数调用出错!"));
        return StepEffect::Done;
    }
    if (nestingFull()) return stopNesting("函数调用嵌套太深,程序停止运行!");
    EnterCall(*called, step);
    return StepEffect::CallEntered;
}

namespace {

bool hasBody(const TCommander* commander) {
    return commander != nullptr && commander->stepCount() > 1;
}

} // namespace

StepEffect Interpreter::doCondition(const Tstep& step) {
    auto* condition = dynamic_cast<Tprogramcondition*>(step.ObjectX);
    if (!condition) return StepEffect::Done;
    TCommander* branch = condition->GetValue() == kTrue
                             ? static_cast<TCommander*>(condition->TrueCommander)
                             : static_cast<TCommander*>(condition->FalseCommander);
    if (!hasBody(branch)) return StepEffect::Done;
    if (nestingFull()) return stopNesting("流程嵌套太深,程序停止运行!");
    Enter(*branch);
    return StepEffect::Entered;
}

StepEffect Interpreter::doIteration(const Tstep& step) {
    auto* iteration = dynamic_cast<TprogramIteration*>(step.ObjectX);
    TCommander* body = iteration ? iteration->ForCommander : nullptr;
    if (!hasBody(body)) return StepEffect::Done;
    scratch_ = valueOf(iteration->FromPart);
    iteration->SetValue(scratch_);
    if (!iterationGoesOn(*iteration, numberOf(iteration->StepPart))) return StepEffect::Done;
    if (nestingFull()) return stopNesting("流程嵌套太深,程序停止运行!");
    Enter(*body);
    return StepEffect::Entered;
}

} // namespace olvide
