#pragma once
// Tstep: one statement of a commander, and TParameter, one argument binding of a call step.
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/objects/break_flag.h"
#include "olvide/model/steps/opcode.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace olvide {

class RecordReader;
class RecordWriter;
class TCommander;
class TMaincommander;
class ProgramServices;
class Tprogramconstant;

namespace stepkind {
inline constexpr std::uint8_t Head = 0;
inline constexpr std::uint8_t WithConstant = 1;
inline constexpr std::uint8_t SetFromConstant = 2;
inline constexpr std::uint8_t Unary = 3;
inline constexpr std::uint8_t Binary = 4;
inline constexpr std::uint8_t Copy = 5;
inline constexpr std::uint8_t Comment = 6;
inline constexpr std::uint8_t Call = 7;
inline constexpr std::uint8_t Flow = 8;
} // namespace stepkind

// The formal pair are elements of the called function's program, the actual pair elements of
// the calling program.
struct TParameter {
    TprogramVaribler* formalInput = nullptr;
    TprogramVaribler* formalOutput = nullptr;
    TprogramVaribler* actualInput = nullptr;
    TprogramVaribler* actualOutput = nullptr;
};

// A step record as stored: the kind, the code, serials of x, y, z and the constant, and for a
// call the four serials of every binding.
struct StepRecord {
    std::int32_t kind = 0;
    std::string code;
    std::int32_t x = 0, y = 0, z = 0, constant = 0;
    std::vector<std::array<std::int32_t, 4>> bindings;
};

// What the running loop needs of a step's row, decoded with its code: the numeric steps (the
// four real operations and the numeric comparisons) with their operands in reading order, and
// the steps that read and write nothing (head steps, comments without objects).
struct NumericPlan {
    enum Kind : std::uint8_t { Other, Real, Compare, Nothing };
    Kind kind = Other;
    char sign = 0;
    Comparison comparison = Comparison::Equal;
    Role first = Role::None; // x is read before y whatever order the code shows them in
    Role second = Role::None;
    bool swapped = false; // first is the right operand ("y-x")
    Role result = Role::None;
};

class Tstep {
public:
    // The step takes over the constant: it leaves the program space's constant list when the
    // step is freed. A constant that another step holds already (only a damaged file names
    // one twice) is copied, so that every step owns its own.
    Tstep(std::uint8_t kind, std::string code, TprogramVaribler* x, TprogramVaribler* y,
          TprogramVaribler* z, Tprogramconstant* constant, TCommander* owner,
          ProgramServices* space);
    ~Tstep();
    Tstep(const Tstep&) = delete;
    Tstep& operator=(const Tstep&) = delete;

    std::uint8_t StepKind;
    Op op;
    std::string Code;
    TprogramVaribler* ObjectX;
    TprogramVaribler* ObjectY;
    TprogramVaribler* ObjectZ;
    Tprogramconstant* Constant;
    BreakFlag StepBreak;
    std::vector<TParameter> Parameters;
    std::uint8_t CallView = 0;
    // The operator and constant pictures the step window made for this step.
    std::vector<std::unique_ptr<TVisualor>> Pictures;
    TCommander* OwnerCommander;
    ProgramServices* Space;

    // Changes the code (a renamed called commander, a comment) and decodes it again.
    void setCode(std::string code);
    // The row of the code table that says what the step is, decoded with the code.
    const OpInfo& info() const { return *info_; }
    const NumericPlan& plan() const { return plan_; }
    const std::string& constantText() const;

    std::string DisplayText() const;
    // Inline: a free run asks it of every next step.
    bool IsBreak() const {
        return StepBreak || (ObjectX && ObjectX->IsBreakpoint) ||
               (ObjectY && ObjectY->IsBreakpoint) || (ObjectZ && ObjectZ->IsBreakpoint);
    }
    bool uses(const TVisualor* object) const {
        return object != nullptr && (ObjectX == object || ObjectY == object || ObjectZ == object);
    }

    void WriteTo(RecordWriter& writer) const;
    // Reads a step record of the commander's program. A call step whose function is not open
    // shows "函数装入错误!" and keeps no bindings; the bindings are read all the same so that
    // the following records stay in place.
    static std::unique_ptr<Tstep> ReadFrom(RecordReader& reader, TCommander* owner,
                                           ProgramServices* space);
    // The two halves of ReadFrom: reading a record makes nothing, so a record that is not
    // used (a stored head step, one cut short by a damaged file) claims no constant.
    static StepRecord ReadRecord(RecordReader& reader);
    static std::unique_ptr<Tstep> FromRecord(StepRecord record, TCommander* owner,
                                             ProgramServices* space);

    // Brings the bindings of a call step into line with the called commander's arguments.
    void alignParameters(const TMaincommander& called);
    // The called program and commander of a call step; none when not open.
    ProgramServices* calledProgram() const;
    TMaincommander* calledCommander() const;

    // Figure of the step in the flow window.
    std::string flowFigure() const;

private:
    void decode();

    const OpInfo* info_;
    NumericPlan plan_;
};

} // namespace olvide
