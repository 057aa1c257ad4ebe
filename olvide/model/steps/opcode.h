#pragma once
// Operation codes decoded once from a step's kind and Code, so that the interpreter dispatches
// on a small integer instead of comparing strings.
#include "olvide/model/kinds.h"

#include <cstdint>
#include <string_view>

namespace olvide {

enum class Op : std::uint8_t {
    Unknown,
    Head,    // kind 0
    Comment, // kind 6
    Call,    // kind 7
    // kind 1: object with constant
    XPlusA,
    XMinusA,
    XTimesA,
    XDivA,
    XQuotA,
    XModA,
    APlusX,
    AMinusX,
    ATimesX,
    ADivX,
    AQuotX,
    AModX,
    XGtA,
    XLtA,
    XGeA,
    XLeA,
    XEqA,
    XNeA,
    SPlusA,
    APlusS,
    SGtA,
    SEqA,
    SLtA,
    SGeA,
    SNeA,
    SLeA,
    SReplaceA,
    SRepeatA,
    // kind 2: set from constant
    ASetX,
    TSetX,
    FSetX,
    ASetS,
    OAddA,
    // kind 3: function of one object
    Int,
    Abs,
    Sqrt,
    Log,
    Exp,
    Sin,
    Cos,
    Tg,
    Arctg,
    Str,
    Not,
    Substring,
    Length,
    ClipLength,
    ToNumber,
    ClipToNumber,
    Clear,
    // kind 4: two objects
    XPlusY,
    XMinusY,
    XTimesY,
    XDivY,
    XQuotY,
    XModY,
    YPlusX,
    YMinusX,
    YTimesX,
    YDivX,
    YQuotX,
    YModX,
    XGtY,
    XLtY,
    XGeY,
    XLeY,
    XEqY,
    XNeY,
    And,
    Or,
    SPlusX,
    SGtX,
    SEqX,
    SLtX,
    SGeX,
    SNeX,
    SLeX,
    SReplaceX,
    SRepeatX,
    OAddS,
    // kind 5: copy
    Copy,
    SCopy,
    SClipCopy,
    OCopy,
    RefX,
    XAt,
    AtX,
    // kind 8: flow
    DoCondition,
    DoIteration,
    Exit,
    Return,
};

// The operation of a code in a step of the given kind; Unknown for a code the kind does not
// know (the interpreter then does what its kind does by default).
Op decodeOp(std::uint8_t stepKind, std::string_view code);

// The step kind that a code builds (1 to 5, 8); 0 when the code builds no step.
std::uint8_t stepKindOf(std::string_view code);

// The kind of the temporary that holds a step's result (number, boolean or string); 0 for a
// step without a result object.
std::uint8_t resultKindOf(Op op);

} // namespace olvide
