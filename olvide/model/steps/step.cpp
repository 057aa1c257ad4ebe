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

// The text of a missing constant; not a function-local static, so that the running loop does
// not test a guard on every read.
const std::string kNoConstant;

std::string nameOf(const TVisualor* object) {
    return object ? oneLine(object->VisualorAlias) : std::string();
}

// A literal piece of a display text: ASCII as it stands, Chinese in the code page.
void appendLiteral(std::string& out, std::string_view utf8) {
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii)
        out += utf8;
    else
        out += cp(utf8.data());
}

// The constant a new step takes: a copy when another step holds it already.
Tprogramconstant* ownConstant(Tprogramconstant* constant, ProgramServices* space) {
    if (constant && constant->Holder && space) return space->MakeConstant(constant->ConstantValue);
    return constant;
}

} // namespace

Tstep::Tstep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
             TprogramVaribler* z, Tprogramconstant* constant, TCommander* owner,
             ProgramServices* space)
    : StepKind(kind), op(decodeOp(kind, code)), Code(std::move(code)), ObjectX(x), ObjectY(y),
      ObjectZ(z), Constant(ownConstant(constant, space)), OwnerCommander(owner), Space(space),
      info_(&opInfo(kind, op)) {
    if (Constant && !Constant->Holder) Constant->Holder = this;
    decode();
}

void Tstep::decode() {
    info_ = &opInfo(StepKind, op);
    const OpInfo& row = *info_;
    plan_ = {};
    const char sign = row.sign.empty() ? '\0' : row.sign.front();
    const bool real = row.action == Action::Arithmetic &&
                      (sign == '+' || sign == '-' || sign == '*' || sign == '/');
    // A code that does nothing still reads its objects: an index past its array says so.
    if (row.action == Action::Nothing && !ObjectX && !ObjectY && !ObjectZ) {
        plan_.kind = NumericPlan::Nothing;
        return;
    }
    if (!real && row.action != Action::CompareNumbers) return;
    plan_.kind = real ? NumericPlan::Real : NumericPlan::Compare;
    plan_.sign = sign;
    plan_.comparison = row.comparison;
    plan_.swapped = row.left == Role::Y && row.right == Role::X;
    plan_.first = plan_.swapped ? row.right : row.left;
    plan_.second = plan_.swapped ? row.left : row.right;
    plan_.result = row.result;
}

Tstep::~Tstep() {
    // A constant this step only names (outside any program space) stays with its holder.
    if (!Constant || Constant->Holder != this) return;
    Constant->Holder = nullptr;
    if (Space) Space->removeConstant(Constant);
}

void Tstep::setCode(std::string code) {
    Code = std::move(code);
    op = decodeOp(StepKind, Code);
    decode();
}

const std::string& Tstep::constantText() const {
    return Constant ? Constant->ConstantValue : kNoConstant;
}

std::string Tstep::DisplayText() const {
    const OpInfo& row = info();
    std::string out;
    for (const TextPiece& piece : row.display) {
        if (!shown(piece.when, ObjectX != nullptr, CallView)) continue;
        switch (piece.part) {
        case TextPiece::Literal:
            appendLiteral(out, piece.literal);
            break;
        case TextPiece::X:
            out += nameOf(ObjectX);
            break;
        case TextPiece::Y:
            out += nameOf(ObjectY);
            break;
        case TextPiece::Z:
            out += nameOf(ObjectZ);
            break;
        case TextPiece::A:
            out += constantText();
            break;
        case TextPiece::SpacedSign:
            out.append(1, ' ').append(row.sign).append(1, ' ');
            break;
        case TextPiece::Code:
            out += Code;
            break;
        }
    }
    return out;
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

StepRecord Tstep::ReadRecord(RecordReader& reader) {
    StepRecord record;
    record.kind = reader.readInteger();
    record.code = reader.readString();
    record.x = reader.readInteger();
    record.y = reader.readInteger();
    record.z = reader.readInteger();
    record.constant = reader.readInteger();
    if (record.kind != stepkind::Call) return record;
    // A damaged count ends with the data: a failed read adds nothing.
    const std::int32_t count = reader.readInteger();
    for (std::int32_t i = 0; i < count && reader.ok(); ++i) {
        std::array<std::int32_t, 4> binding{};
        for (std::int32_t& serial : binding)
            serial = reader.readInteger();
        if (reader.ok()) record.bindings.push_back(binding);
    }
    return record;
}

std::unique_ptr<Tstep> Tstep::FromRecord(StepRecord record, TCommander* owner,
                                         ProgramServices* space) {
    auto object = [space](std::int32_t n) { return space ? space->ObjectByIndex(n) : nullptr; };
    const auto stepKind =
        static_cast<std::uint8_t>(record.kind >= 0 && record.kind <= 8 ? record.kind : 6);
    auto step = std::make_unique<Tstep>(
        stepKind, std::move(record.code), object(record.x), object(record.y), object(record.z),
        space ? space->ConstantByIndex(record.constant) : nullptr, owner, space);
    if (stepKind != stepkind::Call) return step;
    ProgramServices* called = step->calledProgram();
    if (!called) {
        if (space) space->platform().warning(cp("函数装入错误!"));
        return step;
    }
    for (const auto& [formalIn, formalOut, actualIn, actualOut] : record.bindings)
        step->Parameters.push_back({called->ObjectByIndex(formalIn),
                                    called->ObjectByIndex(formalOut), object(actualIn),
                                    object(actualOut)});
    return step;
}

std::unique_ptr<Tstep> Tstep::ReadFrom(RecordReader& reader, TCommander* owner,
                                       ProgramServices* space) {
    return FromRecord(ReadRecord(reader), owner, space);
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
    const FlowFigure& figure = info().figure;
    if (StepKind == stepkind::Head) {
        // A head step shows which commander it starts, and whether its condition loops.
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
            return std::string(figure.plain);
        }
    }
    const auto* condition = dynamic_cast<const Tprogramcondition*>(ObjectX);
    const bool loop = !figure.loop.empty() && condition && condition->IsIterator;
    return std::string(loop ? figure.loop : figure.plain);
}

} // namespace olvide
