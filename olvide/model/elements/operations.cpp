#include "olvide/model/elements/operations.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/steps/step.h"
#include "olvide/model/text.h"

#include <optional>

namespace olvide::protocol {

namespace {

// How a code asks for its constant; the code's row says whether the string window or the
// number window asks.
struct ConstantEntry {
    std::string_view code;
    const char* caption;
    const char* declaration;
    bool valueFirst;
    const char* initialText;
};

// One code a line.
// clang-format off
constexpr ConstantEntry kEntries[] = {
    {"x+A", " x + A ", " x + ", false, "0"},
    {"x-A", " x - A ", " x - ", false, "0"},
    {"x*A", " x * A ", " x * ", false, "1"},
    {"x/A", " x / A ", " x / ", false, "1"},
    {"x|A", " x | A ", " x | ", false, "1"},
    {"x%A", " x % A ", " x % ", false, "1"},
    {"A+x", " A + x ", " + x ", true, "0"},
    {"A-x", " A - x ", " - x ", true, "0"},
    {"A*x", " A * x ", " * x ", true, "1"},
    {"A/x", " A / x ", " / x ", true, "1"},
    {"A|x", " A | x ", " | x ", true, "1"},
    {"A%x", " A % x ", " % x ", true, "1"},
    {"x>A", " x > A ", " x > ", false, "0"},
    {"x<A", " x < A ", " x < ", false, "0"},
    {"x>=A", " x >= A ", " x >= ", false, "0"},
    {"x<=A", " x <= A ", " x <= ", false, "0"},
    {"x=A", " x = A ", " x = ", false, "0"},
    {"x!=A", " x != A ", " x != ", false, "0"},
    {"A->x", " A => x ", " => x ", true, "0"},
    {"SS..A", " S * A ", " S * ", false, "1"},
    {"A->S", " A => S ", " => S ", true, ""},
    {"S+A", " S + A ", " S + ", false, ""},
    {"A+S", " A + S ", " + S ", true, ""},
    {"S>A", " S > A ", " S > ", false, ""},
    {"S=A", " S = A ", " S = ", false, ""},
    {"S<A", " S < A ", " S < ", false, ""},
    {"S>=A", " S >= A ", " S >= ", false, ""},
    {"S!=A", " S != A ", " S != ", false, ""},
    {"S<=A", " S <= A ", " S <= ", false, ""},
    {"S_<->A", " S <-> A ", " S <-> ", false, ""},
    {"O+A", " O + A ", " O + ", false, ""},
};
// clang-format on

const ConstantEntry* entryFor(std::string_view code) {
    for (const ConstantEntry& entry : kEntries)
        if (entry.code == code) return &entry;
    return nullptr;
}

// Whether a code is one that x completes alone (with at most a constant): a code of kinds 1
// to 3 whose x is of x's family.
bool startsAlone(std::uint8_t xKind, const OpInfo* info) {
    if (!info) return false;
    const bool alone = info->stepKind == stepkind::WithConstant ||
                       info->stepKind == stepkind::SetFromConstant ||
                       info->stepKind == stepkind::Unary;
    return alone && info->x == familyOf(xKind);
}

TprogramVaribler* makeResult(ProgramServices& space, Op op, TVisualor& x) {
    switch (resultKindOf(op)) {
    case kind::Number:
        return space.MakeTempNumber(x);
    case kind::Boolean:
        return space.MakeTempBoolean(x);
    case kind::String:
        return space.MakeTempString(x);
    default:
        return nullptr;
    }
}

std::optional<std::string> askConstant(ProgramServices& space, const OpInfo& info) {
    if (info.constant == ConstantKind::True) return std::string("TRUE");
    if (info.constant == ConstantKind::False) return std::string("FALSE");
    const ConstantEntry* entry = entryFor(info.code);
    if (!entry) return std::string();
    ConstantRequest request{entry->caption, entry->declaration, entry->valueFirst,
                            entry->initialText};
    return info.constant == ConstantKind::Text ? space.platform().askString(request)
                                               : space.platform().askNumber(request);
}

} // namespace

bool needsOperand(std::string_view code) {
    const std::uint8_t kind = stepKindOf(code);
    return kind == stepkind::Binary || kind == stepkind::Copy || code == "[X]" || code == "O[X]";
}

void finish(TprogramVaribler& x, TVaribler* result) {
    ProgramServices& space = x.services();
    space.FinishPending();
    // An operation begun on an element that was not the pending one ends here all the same.
    if (x.OperationState == opstate::Operating) x.endOperation();
    space.Select(result ? result : &x);
}

void startValueCode(TprogramVaribler& x, std::string_view code) {
    if (needsOperand(code)) return; // x blinks until the user clicks the second element
    ProgramServices& space = x.services();
    const OpInfo* info = findCode(code);
    if (!space.activeCommander() || !startsAlone(x.operandKind(), info)) {
        finish(x, &x);
        return;
    }
    std::optional<std::string> constantText;
    if (info->constant != ConstantKind::None) {
        constantText = askConstant(space, *info);
        if (!constantText) { // cancelled: no constant, no temporary, no step
            finish(x, &x);
            return;
        }
    }
    Tprogramconstant* constant = constantText ? space.MakeConstant(*constantText) : nullptr;
    TprogramVaribler* result = makeResult(space, info->op, x);
    space.AddStep(info->stepKind, std::string(code), &x, nullptr, result, constant);
    finish(x, result);
}

void addFlowStep(TprogramVaribler& x, std::string_view code) {
    ProgramServices& space = x.services();
    if (space.activeCommander())
        space.AddStep(stepkind::Flow, std::string(code), &x, nullptr, nullptr, nullptr);
    finish(x, &x);
}

bool accepts(std::uint8_t yKind, bool yDerived, std::uint8_t xKind, std::string_view code) {
    if (kind::isNumberLike(yKind))
        return (!yDerived && (code == "[X]" || code == "O[X]")) || kind::isNumberLike(xKind) ||
               code == "SS..x";
    if (kind::isBooleanLike(yKind)) return kind::isBooleanLike(xKind);
    if (yKind == kind::String)
        return (kind::isStringLike(xKind) && code != "SS..x") ||
               (xKind == kind::Output && code == "O+S");
    if (yKind == kind::OutputLineA || yKind == kind::OutputLineX) return kind::isStringLike(xKind);
    if (yKind == kind::Output) return xKind == kind::Output;
    return false;
}

void finishValueCode(TprogramVaribler& y, std::string_view code) {
    ProgramServices& space = y.services();
    auto* x = dynamic_cast<TprogramVaribler*>(space.operated());
    if (!x) return;
    if (code == "[X]") {
        auto* array = dynamic_cast<TprogramArray*>(x);
        finish(*x, array ? space.IndexElement(*array, y) : nullptr);
        return;
    }
    if (code == "O[X]") {
        auto* output = dynamic_cast<TprogramOutput*>(x);
        finish(*x, output ? space.OutputLineX(*output, y) : nullptr);
        return;
    }
    const std::uint8_t kind = stepKindOf(code);
    if (!space.activeCommander() || (kind != stepkind::Binary && kind != stepkind::Copy)) {
        finish(*x, x);
        return;
    }
    TprogramVaribler* result = makeResult(space, decodeOp(kind, code), *x);
    space.AddStep(kind, std::string(code), x, &y, result, nullptr);
    finish(*x, result);
}

} // namespace olvide::protocol
