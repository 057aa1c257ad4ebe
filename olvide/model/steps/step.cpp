#include "olvide/model/steps/step.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

namespace {

std::string nameOf(const TVisualor* object) {
    return object ? oneLine(object->VisualorAlias) : std::string();
}

// The sign pieces of the arithmetic and comparison codes, in Op order from the first member.
std::string_view arithmeticSign(int offset) {
    static constexpr std::string_view signs[] = {" + ", " - ", " * ", " / ", " | ", " % "};
    return signs[offset];
}
std::string_view numericComparison(int offset) {
    static constexpr std::string_view signs[] = {" > ", " < ", " >= ", " <= ", " = ", " != "};
    return signs[offset];
}
// Text comparisons are listed as >, =, <, >=, !=, <=.
std::string_view textComparison(int offset) {
    static constexpr std::string_view signs[] = {" > ", " = ", " < ", " >= ", " != ", " <= "};
    return signs[offset];
}
std::string_view functionName(int offset) {
    static constexpr std::string_view names[] = {"INT(", "ABS(", "SQRT(", "Ln(",    "Exp(",
                                                 "SIN(", "COS(", "Tg(",   "Arctg(", "STR("};
    return names[offset];
}

int from(Op op, Op first) {
    return static_cast<int>(op) - static_cast<int>(first);
}
bool within(Op op, Op first, Op last) {
    return op >= first && op <= last;
}

std::string join(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view piece : pieces)
        out += piece;
    return out;
}

} // namespace

Tstep::Tstep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
             TprogramVaribler* z, Tprogramconstant* constant, TCommander* owner,
             ProgramServices* space)
    : StepKind(kind), op(decodeOp(kind, code)), Code(std::move(code)), ObjectX(x), ObjectY(y),
      ObjectZ(z), Constant(constant), OwnerCommander(owner), Space(space) {}

Tstep::~Tstep() {
    if (Constant && Space) Space->removeConstant(Constant);
}

void Tstep::setCode(std::string code) {
    Code = std::move(code);
    op = decodeOp(StepKind, Code);
}

const std::string& Tstep::constantText() const {
    static const std::string none;
    return Constant ? Constant->ConstantValue : none;
}

std::string Tstep::DisplayText() const {
    const std::string x = nameOf(ObjectX);
    const std::string y = nameOf(ObjectY);
    const std::string z = nameOf(ObjectZ);
    const std::string& a = constantText();
    const std::string_view to = " => ";
    if (within(op, Op::XPlusA, Op::XModA))
        return join({x, arithmeticSign(from(op, Op::XPlusA)), a, to, z});
    if (within(op, Op::APlusX, Op::AModX))
        return join({a, arithmeticSign(from(op, Op::APlusX)), x, to, z});
    if (within(op, Op::XGtA, Op::XNeA))
        return join({x, numericComparison(from(op, Op::XGtA)), a, to, z});
    if (within(op, Op::SGtA, Op::SLeA))
        return join({x, textComparison(from(op, Op::SGtA)), "'", a, "'", to, z});
    if (within(op, Op::Int, Op::Str)) return join({functionName(from(op, Op::Int)), x, ")", to, z});
    if (within(op, Op::XPlusY, Op::XModY))
        return join({x, arithmeticSign(from(op, Op::XPlusY)), y, to, z});
    if (within(op, Op::YPlusX, Op::YModX))
        return join({y, arithmeticSign(from(op, Op::YPlusX)), x, to, z});
    if (within(op, Op::XGtY, Op::XNeY))
        return join({x, numericComparison(from(op, Op::XGtY)), y, to, z});
    if (within(op, Op::SGtX, Op::SLeX))
        return join({x, textComparison(from(op, Op::SGtX)), y, to, z});
    switch (op) {
    case Op::Head:
    case Op::Comment:
    case Op::Unknown:
        return Code;
    case Op::SPlusA:
        return join({x, " + ", "'", a, "'", to, z});
    case Op::APlusS:
        return join({"'", a, "'", " + ", x, to, z});
    case Op::SReplaceA:
        return join({x, " replaced by ", "'", a, "'", to, z});
    case Op::SRepeatA:
        return join({x, " replicate ", a, " times => ", z});
    case Op::ASetX:
    case Op::TSetX:
    case Op::FSetX:
        return join({a, to, x});
    case Op::ASetS:
        return join({"'", a, "'", to, x});
    case Op::OAddA:
        return join({"'", a, "'", " add to ", x});
    case Op::Not:
        return join({"!", x, to, z});
    case Op::Substring:
        return join({"Substring(", x, ")", to, z});
    case Op::Length:
        return join({"LEN(", x, ")", to, z});
    case Op::ClipLength:
        return join({"LEN(", x, " clip)", to, z});
    case Op::ToNumber:
        return join({"Number(", x, ")", to, z});
    case Op::ClipToNumber:
        return join({"Number(", x, " clip)", to, z});
    case Op::Clear:
        return join({"Clear ", x});
    case Op::And:
        return join({x, " & ", y, to, z});
    case Op::Or:
        return join({x, " | ", y, to, z});
    case Op::SPlusX:
        return join({x, " + ", y, to, z});
    case Op::SReplaceX:
        return join({x, cp("被"), y, cp("替换"), to, z});
    case Op::SRepeatX:
        return join({x, cp("重复"), y, cp("次 => "), z});
    case Op::OAddS:
        return join({y, " add to ", x});
    case Op::SClipCopy:
        return join({x, " clip => ", y});
    case Op::Copy:
    case Op::SCopy:
    case Op::OCopy:
    case Op::RefX:
    case Op::XAt:
    case Op::AtX:
        return join({x, to, y});
    case Op::DoCondition:
    case Op::DoIteration:
        return join({"Do ", x});
    case Op::Exit:
        return ObjectX ? cp("退出到") + x : cp("退出最近循环");
    case Op::Return:
        return cp("返回");
    case Op::Call:
        return join({cp("调用"), x, "_", Code});
    default:
        return Code;
    }
}

bool Tstep::IsBreak() const {
    return StepBreak || (ObjectX && ObjectX->IsBreakpoint) || (ObjectY && ObjectY->IsBreakpoint) ||
           (ObjectZ && ObjectZ->IsBreakpoint);
}

void Tstep::WriteTo(RecordWriter& writer) const {
    writer.writeInteger(StepKind);
    writer.writeString(Code);
    writer.writeInteger(TVisualor::SerialOf(ObjectX));
    writer.writeInteger(TVisualor::SerialOf(ObjectY));
    writer.writeInteger(TVisualor::SerialOf(ObjectZ));
    writer.writeInteger(TVisualor::SerialOf(Constant));
    if (StepKind != stepkind::Call) return;
    writer.writeInteger(static_cast<std::int32_t>(Parameters.size()));
    for (const TParameter& p : Parameters) {
        writer.writeInteger(TVisualor::SerialOf(p.formalInput));
        writer.writeInteger(TVisualor::SerialOf(p.formalOutput));
        writer.writeInteger(TVisualor::SerialOf(p.actualInput));
        writer.writeInteger(TVisualor::SerialOf(p.actualOutput));
    }
}

std::unique_ptr<Tstep> Tstep::ReadFrom(RecordReader& reader, TCommander* owner,
                                       ProgramServices* space) {
    const std::int32_t kind = reader.readInteger();
    std::string code = reader.readString();
    const std::int32_t x = reader.readInteger();
    const std::int32_t y = reader.readInteger();
    const std::int32_t z = reader.readInteger();
    const std::int32_t c = reader.readInteger();
    auto object = [space](std::int32_t n) { return space ? space->ObjectByIndex(n) : nullptr; };
    const auto stepKind = static_cast<std::uint8_t>(kind >= 0 && kind <= 8 ? kind : 6);
    auto step = std::make_unique<Tstep>(stepKind, std::move(code), object(x), object(y), object(z),
                                        space ? space->ConstantByIndex(c) : nullptr, owner, space);
    if (stepKind != stepkind::Call) return step;

    const std::int32_t count = reader.readInteger();
    ProgramServices* called = step->calledProgram();
    if (!called && space) space->platform().warning(cp("函数装入错误!"));
    // The bindings are read even when the function is missing, so that the records after
    // this one stay in place.
    for (std::int32_t i = 0; i < count && reader.ok(); ++i) {
        const std::int32_t formalIn = reader.readInteger();
        const std::int32_t formalOut = reader.readInteger();
        const std::int32_t actualIn = reader.readInteger();
        const std::int32_t actualOut = reader.readInteger();
        if (!called || !reader.ok()) continue;
        step->Parameters.push_back({called->ObjectByIndex(formalIn),
                                    called->ObjectByIndex(formalOut), object(actualIn),
                                    object(actualOut)});
    }
    return step;
}

ProgramServices* Tstep::calledProgram() const {
    const auto* function = dynamic_cast<const TprogramFunction*>(ObjectX);
    return function ? function->program() : nullptr;
}

TMaincommander* Tstep::calledCommander() const {
    const auto* function = dynamic_cast<const TprogramFunction*>(ObjectX);
    return function ? function->commanderNamed(Code) : nullptr;
}

void Tstep::alignParameters(const TMaincommander& called) {
    const auto& arguments = called.ArgumentList;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        TprogramVaribler* argument = arguments[i];
        const ValueStore* store = argument->storeFor(called);
        const bool input = store && store->StoreInput;
        const bool output = store && store->StoreOutput;
        auto found = std::find_if(
            Parameters.begin() + static_cast<std::ptrdiff_t>(std::min(i, Parameters.size())),
            Parameters.end(), [argument](const TParameter& p) {
                return p.formalInput == argument || p.formalOutput == argument;
            });
        if (found == Parameters.end()) {
            TParameter fresh;
            fresh.formalInput = input ? argument : nullptr;
            fresh.formalOutput = output ? argument : nullptr;
            Parameters.insert(Parameters.begin() +
                                  static_cast<std::ptrdiff_t>(std::min(i, Parameters.size())),
                              fresh);
        } else {
            TParameter moved = *found;
            Parameters.erase(found);
            if (!input) moved.actualInput = nullptr;
            if (!output) moved.actualOutput = nullptr;
            Parameters.insert(Parameters.begin() + static_cast<std::ptrdiff_t>(i), moved);
        }
    }
    if (Parameters.size() > arguments.size()) Parameters.resize(arguments.size());
}

std::string Tstep::flowFigure() const {
    switch (StepKind) {
    case stepkind::WithConstant:
        return "binflow.bmp";
    case stepkind::SetFromConstant:
    case stepkind::Copy:
        return "setFlow.bmp";
    case stepkind::Unary:
        return "unaFlow.bmp";
    case stepkind::Binary:
        return "binFlow.bmp";
    case stepkind::Comment:
        return "CommFlow.bmp";
    case stepkind::Call:
        return "funcFlow.bmp";
    case stepkind::Head: {
        const auto* condition =
            OwnerCommander ? dynamic_cast<const Tprogramcondition*>(OwnerCommander->ownerElement())
                           : nullptr;
        const bool loop = condition && condition->IsIterator;
        switch (OwnerCommander ? OwnerCommander->VisualorStyle : kind::Main) {
        case kind::True:
            return loop ? "staFlow1.bmp" : "staFlow4.bmp";
        case kind::False:
            return loop ? "staFlow2.bmp" : "staFlow5.bmp";
        case kind::For:
            return "staFlow3.bmp";
        default:
            return "staFlow.bmp";
        }
    }
    default:
        break;
    }
    switch (op) {
    case Op::DoCondition: {
        const auto* condition = dynamic_cast<const Tprogramcondition*>(ObjectX);
        return condition && condition->IsIterator ? "iForFlow.bmp" : "ifFlow.bmp";
    }
    case Op::DoIteration:
        return "ForFlow.bmp";
    case Op::Exit:
        return "exitFlow.bmp";
    case Op::Return:
        return "retFlow.bmp";
    default:
        return "CommFlow.bmp";
    }
}

} // namespace olvide
